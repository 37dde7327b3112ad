#pragma once
// Asks an address whether a game is hosted there before this copy restarts
// to join it: a short TCP connection to the game port that waits for the
// host's first message. It never blocks; the answer comes as a signal within
// the time limit.
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include "framing.h"

class JoinProbe : public QObject {
    Q_OBJECT
public:
    enum Result {
        Hosted, // the host offered a seat: joining will work
        Full,   // a game is hosted there, but all nine places are taken
        NoGame  // nothing answers as a host of ours in time
    };
    Q_ENUM(Result)

    static constexpr int DefaultTimeoutMs = 3000;

    explicit JoinProbe(QObject* parent = nullptr);

    int timeoutMs = DefaultTimeoutMs;
    void start(const QString& address, quint16 port);
    void cancel();
    bool running() const { return active_; }

signals:
    void finished(JoinProbe::Result result);

private:
    void readGreeting();
    void finish(Result r);

    QTcpSocket socket_;
    QTimer timer_;
    wire::Framer framer_;
    bool active_ = false;
};
