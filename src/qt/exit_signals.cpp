#include "qt/exit_signals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace dravonelle {
namespace {

constexpr std::array kSignals{SIGINT, SIGTERM, SIGHUP};

// The pipe the handler writes into: [0] read by the event loop, [1] written
// by the handler. Both ends are non-blocking: a full pipe already holds
// what the loop needs to know.
int signalPipe[2] = {-1, -1};

extern "C" void onExitSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

ExitSignals::ExitSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (signalPipe[0] >= 0) return;  // another object holds the signals
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ExitSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onExitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = true;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        installed_ = ::sigaction(kSignals[i], &action, &previous_[i]) == 0 && installed_;
}

ExitSignals::~ExitSignals() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void ExitSignals::readPipe() {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    if (called_) return;
    called_ = true;
    if (onSignal_) onSignal_();
}

}  // namespace dravonelle
