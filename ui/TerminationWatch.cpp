#include "ui/TerminationWatch.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end of the pipe a signal handler may touch; async-signal-safe.
int signalFd[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalFd[0], &byte, 1);
}

} // namespace

TerminationWatch::TerminationWatch(std::function<void()> onRequest)
    : onRequest_(std::move(onRequest)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalFd) != 0) return;
    notifier_ = new QSocketNotifier(signalFd[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalFd[1], &byte, 1);
        if (onRequest_) onRequest_();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

TerminationWatch::~TerminationWatch() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::signal(sig, SIG_DFL);
    delete notifier_;
    for (int& fd : signalFd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}
