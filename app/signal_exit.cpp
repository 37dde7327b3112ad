#include "signal_exit.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int wakeFds[2] = {-1, -1};

void handler(int) {
    const char b = 1;
    // Nothing else is safe here; a full pipe already holds a wake-up.
    [[maybe_unused]] const auto n = ::write(wakeFds[0], &b, 1);
}

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};
} // namespace

SignalExit::SignalExit(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (wakeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0) {
        wakeFds[0] = wakeFds[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalExit::arrived);
    struct sigaction sa {};
    sa.sa_handler = handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : Signals)
        ::sigaction(s, &sa, nullptr);
}

SignalExit::~SignalExit() {
    if (!notifier_) return;
    struct sigaction sa {};
    sa.sa_handler = SIG_DFL;
    sigemptyset(&sa.sa_mask);
    for (int s : Signals)
        ::sigaction(s, &sa, nullptr);
}

void SignalExit::arrived() {
    char buf[64];
    [[maybe_unused]] const auto n = ::read(wakeFds[1], buf, sizeof buf);
    if (fired_) return;
    fired_ = true;
    if (onSignal_) onSignal_();
}

#else

SignalExit::SignalExit(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {}
SignalExit::~SignalExit() = default;
void SignalExit::arrived() {}

#endif
