// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "core/favorites/StdFileOperations.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <ios>
#include <random>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define VITREL_POSIX_FILES 1
#endif

namespace vitrel {
namespace {

namespace fs = std::filesystem;

std::error_code LastError() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

/// A name that no file is likely to have: the caller still creates it exclusively.
fs::path TemporaryName(const fs::path& folder) {
    std::random_device random;
    const std::uint64_t bits = (std::uint64_t{random()} << 32) ^ random();
    char name[48];
    std::snprintf(name, sizeof name, ".%016llx%s", static_cast<unsigned long long>(bits),
                  IFileOperations::TemporarySuffix);
    return folder / name;
}

#ifdef VITREL_POSIX_FILES

/// Forces what the system holds of a file or folder onto the disk, so that a power cut right
/// after a replace cannot leave an empty file where a whole favourite was.
std::error_code SyncToDisk(int fd) {
    return ::fsync(fd) == 0 ? std::error_code() : LastError();
}

std::error_code SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return LastError();
    }
    const std::error_code error = SyncToDisk(fd);
    ::close(fd);
    return error;
}

/// A new file opened for writing that did not exist before and is no link.
int CreateExclusive(const fs::path& file) {
    return ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
}

std::error_code WriteAll(int fd, std::span<const std::byte> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return LastError();
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return SyncToDisk(fd);
}

#endif

}  // namespace

std::error_code StdFileOperations::CreateFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);  // a file in the folder's place is an error too
    return error;
}

std::vector<fs::path> StdFileOperations::ListFiles(const fs::path& folder) {
    std::vector<fs::path> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (it->symlink_status(ignored).type() == fs::file_type::regular) {
            names.push_back(it->path().filename());
        }
    }
    return names;
}

std::optional<FileIdentity> StdFileOperations::Identify(const fs::path& file) {
#ifdef VITREL_POSIX_FILES
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return FileIdentity{
        static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::uint64_t>(status.st_size),
        std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec};
#else
    std::error_code error;
    if (fs::symlink_status(file, error).type() != fs::file_type::regular) {
        return std::nullopt;
    }
    const auto size = fs::file_size(file, error);
    const auto modified = fs::last_write_time(file, error);
    if (error) {
        return std::nullopt;
    }
    return FileIdentity{
        0, 0, size,
        std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::clock_cast<std::chrono::system_clock>(modified).time_since_epoch())
            .count()};
#endif
}

std::optional<std::vector<std::byte>> StdFileOperations::ReadAt(const fs::path& file,
                                                                std::uint64_t offset,
                                                                std::size_t count) {
#ifdef VITREL_POSIX_FILES
    // Not blocking: a pipe in the file's place would wait for a writer before it is refused.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    std::optional<std::vector<std::byte>> bytes;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const auto size = static_cast<std::uint64_t>(status.st_size);
        bytes.emplace(offset < size ? std::min<std::uint64_t>(count, size - offset) : 0);
        std::size_t done = 0;
        while (done < bytes->size()) {
            const ssize_t read = ::pread(fd, bytes->data() + done, bytes->size() - done,
                                         static_cast<off_t>(offset + done));
            if (read < 0 && errno == EINTR) {
                continue;
            }
            if (read <= 0) {
                break;  // the file shrank meanwhile, or failed: what was read
            }
            done += static_cast<std::size_t>(read);
        }
        bytes->resize(done);
    }
    ::close(fd);
    return bytes;
#else
    std::error_code error;
    if (fs::symlink_status(file, error).type() != fs::file_type::regular) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in.seekg(static_cast<std::streamoff>(offset))) {
        return std::vector<std::byte>();
    }
    std::vector<std::byte> bytes(count);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
#endif
}

CreatedFile StdFileOperations::CreateTemporary(const fs::path& folder,
                                               std::span<const std::byte> bytes) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path file = TemporaryName(folder);
#ifdef VITREL_POSIX_FILES
        errno = 0;
        const int fd = CreateExclusive(file);
        if (fd < 0 && errno == EEXIST) {
            continue;
        }
        if (fd < 0) {
            return {{}, LastError()};
        }
        std::error_code error = WriteAll(fd, bytes);
        if (::close(fd) != 0 && !error) {
            error = LastError();
        }
#else
        // "x": created exclusively, as the C library offers it.
        std::FILE* out = std::fopen(file.string().c_str(), "wbx");
        if (out == nullptr && fs::exists(file)) {
            continue;
        }
        if (out == nullptr) {
            return {{}, std::make_error_code(std::errc::io_error)};
        }
        const bool whole = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        std::error_code error = std::fclose(out) == 0 && whole
                                    ? std::error_code()
                                    : std::make_error_code(std::errc::io_error);
#endif
        if (error) {
            Remove(file);
            return {{}, error};
        }
        return {file, {}};
    }
    return {{}, std::make_error_code(std::errc::file_exists)};
}

std::error_code StdFileOperations::LinkNew(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::create_hard_link(from, to, error);
#ifdef VITREL_POSIX_FILES
    // The folder holds the new name: it goes to the disk too.
    return error ? error : SyncFolder(to.parent_path());
#else
    return error;
#endif
}

std::error_code StdFileOperations::Replace(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
#ifdef VITREL_POSIX_FILES
    return error ? error : SyncFolder(to.parent_path());
#else
    return error;
#endif
}

std::error_code StdFileOperations::Remove(const fs::path& file) {
    std::error_code error;
    fs::remove(file, error);  // a link itself, never what it points to
    return error;
}

}  // namespace vitrel
