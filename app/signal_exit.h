#pragma once
// Turns the signals that ask a program to end (terminate, interrupt, hang-up)
// into an ordinary event on the window's thread, so the program closes the
// way File > Exit closes it and writes its settings and tally. A signal
// handler may do next to nothing; it only writes one byte to a pipe that the
// event loop watches.
#include <QObject>

#include <functional>

class QSocketNotifier;

class SignalExit : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; 'onSignal' runs on this thread for the first
    // such signal, later ones are ignored while the program closes.
    explicit SignalExit(std::function<void()> onSignal, QObject* parent = nullptr);
    ~SignalExit() override;

private:
    void arrived();
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
    bool fired_ = false;
};
