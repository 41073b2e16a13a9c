// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/ChmFile.h"

#include <chm_lib.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/stat.h>

#include <QFile>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace vitrel {
namespace {

// No page or picture of a help file comes near these; larger claims are damage.
constexpr LONGUINT64 kLargestObject = 16 * 1024 * 1024;
constexpr qsizetype kLargestFile = 64 * 1024 * 1024;
constexpr auto kUnpackTime = std::chrono::seconds(10);

bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

/// chmlib's entry points. The library is loaded when a help file is first opened, not with the
/// program: most runs never open the help, and start-up maps one library less.
struct ChmLibrary {
    decltype(&chm_open) open = nullptr;
    decltype(&chm_enumerate) enumerate = nullptr;
    decltype(&chm_retrieve_object) retrieve = nullptr;
};

std::optional<ChmLibrary> LoadChmLibrary() {
    // Never unloaded: the help may be opened again.
    void* library = ::dlopen("libchm.so.1", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    const auto entry = [library](const char* name) { return ::dlsym(library, name); };
    const ChmLibrary chm{
        reinterpret_cast<decltype(&chm_open)>(entry("chm_open")),
        reinterpret_cast<decltype(&chm_enumerate)>(entry("chm_enumerate")),
        reinterpret_cast<decltype(&chm_retrieve_object)>(entry("chm_retrieve_object"))};
    if (chm.open == nullptr || chm.enumerate == nullptr || chm.retrieve == nullptr) {
        return std::nullopt;
    }
    return chm;
}

/// Where Unpack sends what it reads, and how it reads it.
struct UnpackTarget {
    int fd = -1;
    decltype(&chm_retrieve_object) retrieve = nullptr;
};

// In the child: every object whose path starts with "/", as records of a 32-bit path length,
// the path, a 32-bit data length and the data.
int Unpack(chmFile* file, chmUnitInfo* unit, void* context) {
    const auto& target = *static_cast<const UnpackTarget*>(context);
    const int fd = target.fd;
    const std::uint32_t pathLength = static_cast<std::uint32_t>(std::strlen(unit->path));
    if (unit->path[0] != '/' || unit->length > kLargestObject) {
        return CHM_ENUMERATOR_CONTINUE;
    }
    std::vector<unsigned char> data(static_cast<std::size_t>(unit->length));
    if (target.retrieve(file, unit, data.data(), 0, static_cast<LONGINT64>(data.size())) !=
        static_cast<LONGINT64>(data.size())) {
        return CHM_ENUMERATOR_FAILURE;
    }
    const auto dataLength = static_cast<std::uint32_t>(data.size());
    const bool sent =
        WriteAll(fd, &pathLength, sizeof pathLength) && WriteAll(fd, unit->path, pathLength) &&
        WriteAll(fd, &dataLength, sizeof dataLength) && WriteAll(fd, data.data(), data.size());
    return sent ? CHM_ENUMERATOR_CONTINUE : CHM_ENUMERATOR_FAILURE;
}

/// Takes what a child sends until it closes its end, without waiting for it: then, or when it
/// sends too much or too late, hands the unpacked file over and goes.
class Unpacking : public QObject {
public:
    Unpacking(QObject& context, pid_t child, int fd, ChmFile::Opened opened)
        : QObject(&context),
          m_child(child),
          m_fd(fd),
          m_opened(std::move(opened)),
          m_readable(fd, QSocketNotifier::Read, this) {
        connect(&m_readable, &QSocketNotifier::activated, this, &Unpacking::Receive);
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] { Finish(false); });
        m_deadline.start(kUnpackTime);
    }
    ~Unpacking() override {
        if (m_child > 0) {  // the context went first: nobody waits for the file
            ::kill(m_child, SIGKILL);
            ::waitpid(m_child, nullptr, 0);
            ::close(m_fd);
        }
    }

private:
    void Receive() {
        char buffer[65536];
        for (;;) {
            const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0 && errno == EAGAIN) {
                return;  // more later
            }
            if (count <= 0 || m_received.size() + count > kLargestFile) {
                Finish(count == 0);
                return;
            }
            m_received.append(buffer, count);
        }
    }

    void Finish(bool whole) {
        m_readable.setEnabled(false);
        m_deadline.stop();
        ::close(m_fd);
        if (!whole) {
            ::kill(m_child, SIGKILL);
        }
        int status = -1;
        ::waitpid(m_child, &status, 0);
        m_child = 0;
        const bool unpacked = whole && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        const ChmFile::Opened opened = std::move(m_opened);
        const QByteArray received = std::move(m_received);
        deleteLater();
        opened(unpacked ? ChmFile::FromUnpacked(received) : nullptr);
    }

    pid_t m_child;
    int m_fd;
    ChmFile::Opened m_opened;
    QSocketNotifier m_readable;
    QTimer m_deadline;
    QByteArray m_received;
};

}  // namespace

void ChmFile::Open(const QString& path, QObject& context, Opened opened) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    int channel[2];
    // Loaded before the fork: the child of a program with threads must not load libraries.
    const std::optional<ChmLibrary> chm = LoadChmLibrary();
    if (!chm || ::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        ::pipe2(channel, O_CLOEXEC) != 0) {
        opened(nullptr);
        return;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // Not blocking: a pipe put in the file's place since is refused, not waited for.
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat opened {};
        chmFile* file = fd >= 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)
                            ? chm->open(name.constData())
                            : nullptr;
        UnpackTarget target{channel[1], chm->retrieve};
        const bool whole =
            file != nullptr && chm->enumerate(file, CHM_ENUMERATE_ALL, Unpack, &target) != 0;
        ::_exit(whole ? 0 : 1);
    }
    ::close(channel[1]);
    if (child < 0) {
        ::close(channel[0]);
        opened(nullptr);
        return;
    }
    ::fcntl(channel[0], F_SETFL, O_NONBLOCK);
    new Unpacking(context, child, channel[0], std::move(opened));
}

std::unique_ptr<ChmFile> ChmFile::FromUnpacked(const QByteArray& bytes) {
    auto chm = std::unique_ptr<ChmFile>(new ChmFile);
    for (qsizetype at = 0; at < bytes.size();) {
        const auto field = [&bytes, &at]() -> std::optional<QByteArray> {
            if (bytes.size() - at < 4) {
                return std::nullopt;
            }
            const auto length = qFromUnaligned<std::uint32_t>(bytes.constData() + at);
            at += 4;
            if (bytes.size() - at < static_cast<qsizetype>(length)) {
                return std::nullopt;
            }
            at += length;
            return bytes.mid(at - length, length);
        };
        const std::optional<QByteArray> objectPath = field();
        const std::optional<QByteArray> data = objectPath ? field() : std::nullopt;
        if (!data) {
            return nullptr;
        }
        chm->m_objects.insert(QString::fromUtf8(*objectPath).toLower(), *data);
    }
    return chm;
}

std::optional<QByteArray> ChmFile::Read(const QString& path) const {
    const auto found = m_objects.constFind(path.toLower());
    return found != m_objects.cend() ? std::optional<QByteArray>(*found) : std::nullopt;
}

QString ChmFile::StartPage() const {
    // The system object: a version, then entries of a 16-bit code, a 16-bit length and the
    // data; code 2 holds the default topic as a zero-terminated path.
    const QByteArray system = Read(QStringLiteral("/#SYSTEM")).value_or(QByteArray());
    for (qsizetype at = 4; at + 4 <= system.size();) {
        const auto code = qFromLittleEndian<quint16>(system.constData() + at);
        const auto length = qFromLittleEndian<quint16>(system.constData() + at + 2);
        at += 4;
        if (at + length > system.size()) {
            break;
        }
        if (code == 2) {
            const QString topic = QString::fromUtf8(system.mid(at, length).constData());
            return topic.startsWith(u'/') ? topic : u'/' + topic;
        }
        at += length;
    }
    return QStringLiteral("/index.html");
}

}  // namespace vitrel
