#pragma once
// The hosting copy's answer to "games on this network": it listens on UDP and
// tells an asker who hosts, how many sit and watch, and whether a game runs.
// It only reads the host's state; no datagram reaches the game.
//
// Every datagram is judged the same way: oversized, badly framed or any
// other command is ignored; a query gets one answer, no longer than
// AnswerSizeFactor times the query, sent only to the asker's address and
// port, and only while the answers of the last second stay under the rate cap.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>

#include <deque>

#include "discovery.h"

class QUdpSocket;
class TServer;

namespace discovery {

// Grants at most 'perSecond' requests in any one-second window.
class RateLimit {
public:
    explicit RateLimit(int perSecond = MaxAnswersPerSecond) : perSecond_(perSecond) {}
    // True (and counted) when a request at 'nowMs' is within the cap.
    bool take(qint64 nowMs);

private:
    int perSecond_;
    std::deque<qint64> granted_; // times of the grants of the last second
};

// The answer to one datagram (terminator included), or empty when it gets none.
// The rate cap is the caller's.
QByteArray answerTo(const QByteArray& datagram, const GameInfo& game);

// The host's game as an answer tells it: the hosting user's name (connection
// 1), the connected seats, the connected watchers, whether a game runs. A
// private game tells nothing of that unless 'privateToo'.
GameInfo describe(const TServer& server, bool privateToo = false);

} // namespace discovery

class DiscoveryResponder : public QObject {
    Q_OBJECT
public:
    // What the system keeps waiting for us; it drops what overflows. Each
    // turn of the event loop judges what waits, so a flood costs at most this
    // much work per turn and never holds up the game's own timers and sockets.
    static constexpr int ReceiveBufferBytes = 64 * 1024;

    explicit DiscoveryResponder(const TServer& server, QObject* parent = nullptr);
    ~DiscoveryResponder() override;

    // Listens on every IPv4 address at 'port' (0: any free port, for tests).
    // Returns false, with a warning, when the port is taken: the game goes on
    // unseen by others.
    bool start(quint16 port = discovery::Port);
    void stop();
    bool active() const;
    quint16 port() const;

    // For tests and diagnostics: datagrams answered and ignored so far.
    int answered() const { return answered_; }
    int ignored() const { return ignored_; }

private:
    void readPending();

    const TServer& server_;
    QUdpSocket* socket_ = nullptr;
    discovery::RateLimit budget_;
    QElapsedTimer clock_;
    int answered_ = 0;
    int ignored_ = 0;
};
