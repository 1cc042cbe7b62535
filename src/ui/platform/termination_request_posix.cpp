#include "ui/platform/termination_request.h"

#include <QApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace mensurix {
namespace {

// A signal handler may do little more than write to a pipe; the event loop reads it.
std::array<int, 2> signalPipe = {-1, -1};

void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void CloseWindowsOnTerminationRequest() {
    if (pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        std::array<char, 64> drained{};
        while (read(signalPipe[0], drained.data(), drained.size()) > 0) {
        }
        QApplication::closeAllWindows();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        sigaction(signal, &action, nullptr);
    }
}

} // namespace mensurix
