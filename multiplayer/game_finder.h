#pragma once
// Finds the games hosted on this network: sends one query to the broadcast
// address of each local IPv4 network and to 127.0.0.1, collects the answers
// for about a second and keeps one entry per host. No widgets: the Join
// dialog shows what it finds.
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include "discovery.h"

class QUdpSocket;

struct FoundGame {
    QString name;    // decoded for display; shown as plain text only
    QString address; // what to join: "127.0.0.1" for a game on this computer
    int players = 0;
    int spys = 0;
    bool running = false;
    QString version;
    bool thisComputer = false;
};

class GameFinder : public QObject {
    Q_OBJECT
public:
    // How long answers are collected after the queries went out.
    static constexpr int CollectMs = 1000;
    // A list this long is no longer read by anyone; a flood of forged answers
    // stops growing it here.
    static constexpr int MaxGames = 64;

    explicit GameFinder(QObject* parent = nullptr);

    // Where the queries go; tests use a responder on an ephemeral port.
    quint16 port = discovery::Port;
    // Empty: the broadcast addresses of the local networks and 127.0.0.1.
    QList<QHostAddress> targets;

    // Starts a new search, forgetting the last one's answers.
    void search();
    void cancel();
    bool searching() const { return collect_.isActive(); }
    const QList<FoundGame>& games() const { return games_; }

    // The broadcast address of every local IPv4 network that is up.
    static QList<QHostAddress> broadcastAddresses();
    // Every IPv4 address of this computer, the loopback left out.
    static QList<QHostAddress> ownAddresses();
    static bool isThisComputer(const QHostAddress& a);

    // One answer, as if it had come from 'from' (the fuzzer has no network
    // of other computers to answer from).
    void take(const QHostAddress& from, const QByteArray& datagram);

signals:
    void changed();  // a game was added or updated
    void finished(); // the collecting time is over

private:
    void readPending();

    QUdpSocket* socket_ = nullptr;
    QTimer collect_;
    QList<FoundGame> games_;
    QList<QHostAddress> own_; // this computer's addresses, read once per search
};
