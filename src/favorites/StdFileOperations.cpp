// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "favorites/StdFileOperations.h"

#include <cerrno>
#include <fstream>
#include <ios>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vitrel {
namespace {

namespace fs = std::filesystem;

/// Forces what the system holds of a file or folder onto the disk, so that a power cut right
/// after a replace cannot leave an empty file where a whole favourite was. A stream's flush only
/// reaches the system, which is enough when just the program dies.
std::error_code SyncToDisk([[maybe_unused]] const fs::path& path) {
#if __has_include(<unistd.h>)
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const std::error_code error(errno, std::generic_category());
        if (fd >= 0) {
            ::close(fd);
        }
        return error;
    }
    ::close(fd);
#endif
    return {};
}

}  // namespace

std::error_code StdFileOperations::CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);  // a file in the folder's place is an error too
    return error;
}

bool StdFileOperations::Exists(const fs::path& file) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(file, ignored));
}

std::vector<fs::path> StdFileOperations::ListFiles(const fs::path& folder) {
    std::vector<fs::path> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored)) {
            names.push_back(it->path().filename());
        }
    }
    return names;
}

std::optional<std::vector<std::byte>> StdFileOperations::ReadFile(const fs::path& file) {
    // A folder or a pipe in the file's place would give a nonsense size or never end.
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || !in.seekg(0)) {
        return std::nullopt;
    }
    std::vector<std::byte> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));  // a file that shrank meanwhile
    return bytes;
}

std::error_code StdFileOperations::WriteFile(const fs::path& file,
                                             std::span<const std::byte> bytes) {
    errno = 0;  // the streams keep no reason of their own: the system's says what went wrong
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        return {errno != 0 ? errno : EIO, std::generic_category()};
    }
    return SyncToDisk(file);
}

std::error_code StdFileOperations::Replace(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    // The folder holds the new name: it goes to the disk too.
    return error ? error : SyncToDisk(to.parent_path());
}

std::error_code StdFileOperations::Remove(const fs::path& file) {
    std::error_code error;
    fs::remove(file, error);
    return error;
}

}  // namespace vitrel
