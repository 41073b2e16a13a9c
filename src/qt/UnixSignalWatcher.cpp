// SPDX-License-Identifier: MIT
// Copyright (c) 2026 The Vitrel developers
#include "qt/UnixSignalWatcher.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace vitrel {
namespace {

// Termination requests, and the hang-up of a terminal the program was started from.
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end for the signal handler, which can do nothing but write(2).
volatile std::sig_atomic_t g_signalFd = -1;

extern "C" void OnTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    if (g_signalFd >= 0) {
        [[maybe_unused]] const ssize_t written = ::write(g_signalFd, &byte, 1);
    }
    errno = saved;
}

sigset_t WatchedSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int signalNumber : kSignals) {
        sigaddset(&set, signalNumber);
    }
    return set;
}

}  // namespace

void UnixSignalWatcher::BlockSignals() {
    const sigset_t set = WatchedSignals();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

UnixSignalWatcher::UnixSignalWatcher(std::function<void()> onTerminate, QObject* parent)
    : QObject(parent), m_onTerminate(std::move(onTerminate)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, m_fds) != 0) {
        return;
    }
    g_signalFd = m_fds[0];
    m_notifier = new QSocketNotifier(m_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignalWatcher::HandleSignal);

    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kSignals) {
        ::sigaction(signalNumber, &action, nullptr);
    }
    // Anything that arrived while the signals were held back is delivered now.
    const sigset_t set = WatchedSignals();
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

UnixSignalWatcher::~UnixSignalWatcher() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : kSignals) {
        ::sigaction(signalNumber, &action, nullptr);
    }
    g_signalFd = -1;
    for (int fd : m_fds) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void UnixSignalWatcher::HandleSignal() {
    char buffer[16];
    while (::read(m_fds[1], buffer, sizeof buffer) > 0) {
    }
    if (m_onTerminate) {
        m_onTerminate();
    }
}

}  // namespace vitrel
