// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "about/ChmFile.h"

#include <chm_lib.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QtEndian>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// In the child: every object whose path starts with "/", as records of a 32-bit path length,
// the path, a 32-bit data length and the data.
int Unpack(chmFile* file, chmUnitInfo* unit, void* context) {
    const int fd = *static_cast<int*>(context);
    const std::uint32_t pathLength = static_cast<std::uint32_t>(std::strlen(unit->path));
    if (unit->path[0] != '/' || unit->length > kLargestObject) {
        return CHM_ENUMERATOR_CONTINUE;
    }
    std::vector<unsigned char> data(static_cast<std::size_t>(unit->length));
    if (chm_retrieve_object(file, unit, data.data(), 0, static_cast<LONGINT64>(data.size())) !=
        static_cast<LONGINT64>(data.size())) {
        return CHM_ENUMERATOR_FAILURE;
    }
    const auto dataLength = static_cast<std::uint32_t>(data.size());
    const bool sent =
        WriteAll(fd, &pathLength, sizeof pathLength) && WriteAll(fd, unit->path, pathLength) &&
        WriteAll(fd, &dataLength, sizeof dataLength) && WriteAll(fd, data.data(), data.size());
    return sent ? CHM_ENUMERATOR_CONTINUE : CHM_ENUMERATOR_FAILURE;
}

// What the child sent until it closed its end, or nothing when it sent too much or too late.
std::optional<QByteArray> Receive(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + kUnpackTime;
    QByteArray received;
    char buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        const int polled = left.count() > 0 ? ::poll(&ready, 1, static_cast<int>(left.count())) : 0;
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled <= 0) {
            return std::nullopt;
        }
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) {
            return received;
        }
        if (count < 0 || received.size() + count > kLargestFile) {
            return std::nullopt;
        }
        received.append(buffer, count);
    }
}

}  // namespace

std::unique_ptr<ChmFile> ChmFile::Open(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) {
        return nullptr;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        chmFile* file = chm_open(name.constData());
        const bool whole =
            file != nullptr && chm_enumerate(file, CHM_ENUMERATE_ALL, Unpack, &channel[1]) != 0;
        ::_exit(whole ? 0 : 1);
    }
    ::close(channel[1]);
    const std::optional<QByteArray> received =
        child > 0 ? Receive(channel[0]) : std::optional<QByteArray>();
    ::close(channel[0]);
    int status = -1;
    if (child > 0) {
        if (!received) {
            ::kill(child, SIGKILL);
        }
        ::waitpid(child, &status, 0);
    }
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return nullptr;
    }

    auto chm = std::unique_ptr<ChmFile>(new ChmFile);
    const QByteArray& bytes = *received;
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
