#pragma once
// This copy in the public lobby: one connection and one room, whoever asks
// for them (the lobby window, or a hosting copy that lists its game). It
// signs in, enters the room, comes back after a lost connection with a
// growing pause, and keeps this copy's game in its room presence, changed at
// most once a second. Widget-free: the window shows what it says.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <optional>

#include "lobby_room.h"
#include "xmpp_connection.h"

namespace lobby {

struct LobbyConfig {
    QString account;     // "name@domain" or a bare domain (anonymous)
    QString room;        // "room@service"
    QString server;      // optional "host[:port]"
    QString nick;        // the name shown in the room
    QString certificate; // an accepted unverified certificate's fingerprint
};

// Why the settings cannot be used (empty when they can), one line each.
QString roomProblem(const QString& room);
QString accountProblem(const QString& account);

class LobbySession : public QObject {
    Q_OBJECT
public:
    enum class State { Off, SigningIn, Entering, InRoom, Waiting, Stopped };
    Q_ENUM(State)
    static constexpr int MinGameIntervalMs = 1000;
    static constexpr int FirstRetryMs = 2000;
    static constexpr int MaxRetryMs = 60000;

    explicit LobbySession(QObject* parent = nullptr);
    ~LobbySession() override;

    // Signs in and enters the room; 'createAccount' registers it first.
    void start(const LobbyConfig& config, const QString& password, bool createAccount = false);
    void stop();
    State state() const { return state_; }
    const LobbyConfig& config() const { return config_; }
    bool inRoom() const { return state_ == State::InRoom; }
    QString jid() const { return connection.boundJid(); }
    // The last line told (what the window shows in its status line).
    QString status() const { return status_; }
    // After a refused certificate: its fingerprint (accepting it signs in again).
    QString refusedCertificate() const { return connection.refusedCertificate(); }
    void acceptCertificate(const QString& fingerprint);

    // This copy's game in its presence; nullopt takes it away.
    void setGame(std::optional<LobbyGame> game);
    void sendChat(const QString& text);
    void invite(const QString& nick, const QString& link);

    XmppConnection connection;
    LobbyRoom room;
    // Tests shorten the pause before signing in again.
    int retryMs = FirstRetryMs;

signals:
    void stateChanged(LobbySession::State state);
    // One line for the player: a failure, a rename, where this copy is.
    void said(const QString& line);
    // The game went out in the room presence (the first time after a change).
    void gameListed();
    // The failure needs the player (password, certificate, room, name).
    void needsPlayer(XmppConnection::Failure why);

private:
    void setState(State s);
    void tell(const QString& line);
    void connectionOnline();
    void connectionFailed(XmppConnection::Failure why, const QString& detail);
    void sendPresence();
    void retry();
    void begin(bool createAccount);
    LobbyConfig config_;
    QString password_;
    State state_ = State::Off;
    QString status_;
    QTimer retryTimer_;
    int nextRetryMs_ = FirstRetryMs;
    QTimer gameTimer_;
    QElapsedTimer lastPresence_;
    bool presenceDue_ = false;
};

} // namespace lobby
