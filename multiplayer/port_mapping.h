#pragma once
// While this copy hosts, the home router is asked to pass the game port on to
// this computer: by UPnP first, by NAT-PMP where no UPnP router answers. The
// asking runs on a thread of its own, since a router may take seconds to
// answer or never answer at all; the window, the host and the own client
// never wait for it. What the router said arrives here, on the thread that
// made the mapper, as 'changed'.
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

class QThread;
class RouterWorker;

// Whether, and how, friends on the internet reach this computer through the
// router.
struct Reachability {
    enum State {
        NotAsked, // this copy does not host, or was told not to ask
        Asking,   // the router has not answered yet
        Open,     // the router forwards the port; 'external' is where
        NoRouter, // no router answered: forwarding by hand is the way
        Refused,  // the router answered but would not forward the port
        Taken,    // the router forwards the port to another computer already
        Shared,   // the router's own internet address is private or shared
    };
    State state = NotAsked;
    QHostAddress external; // the router's internet address, when it gave one
    QString otherComputer; // who has the port already (Taken), when known
    QString way;           // "UPnP" or "NAT-PMP"
    int lease = 0;         // seconds the router granted; 0: as asked
    bool operator==(const Reachability&) const = default;
};

class PortMapper : public QObject {
    Q_OBJECT
public:
    static constexpr int LeaseSeconds = 3600;
    static constexpr int MinRenewSeconds = 60;
    // How long the end of the program waits at most for the forwarding to go.
    static constexpr int ExitWaitMs = 8000;

    explicit PortMapper(QObject* parent = nullptr);
    // Takes the forwarding away and waits (bounded) until the router heard it.
    ~PortMapper() override;

    // Asks the router to forward TCP 'port' from its internet side to this
    // computer's same port, and keeps the lease renewed at half time.
    void open(quint16 port);
    // Takes away the forwarding this copy made (and nothing else), without waiting.
    void close();
    const Reachability& reachability() const { return state_; }

signals:
    void changed(const Reachability& r);

private:
    void take(const Reachability& r);
    // Each open and close counts one up; a slow answer to an older request
    // is dropped, and a request overtaken by a newer one stops early. Shared
    // with the worker, which may outlive the mapper when a router hangs at exit.
    // Made first: the worker is given it.
    std::shared_ptr<std::atomic<int>> generation_ = std::make_shared<std::atomic<int>>(0);
    QThread* thread_;
    RouterWorker* worker_;
    QTimer renew_;
    Reachability state_;
};
