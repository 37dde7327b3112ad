#pragma once
// Where the main window meets the lobby: the one session of this copy, its
// window (made on first use) and, while this copy hosts with "Lobbylist"
// on, its game kept current in the room. The main window fills in what only
// it knows (how to host, join, make an invite link, describe its game).
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

#include "lobby_session.h"
#include "password_store.h"

class QWidget;

namespace lobby {

class Tlobby;

class LobbyHub : public QObject {
    Q_OBJECT
public:
    // The game is looked at this often while listed; the session sends a
    // change at most once a second.
    static constexpr int ListPollMs = 500;

    LobbyHub(const QString& settingsFolder, QObject* parent = nullptr);
    ~LobbyHub() override;

    LobbySession session;
    QString settingsFolder;
    void setPasswordStore(PasswordStore* s) { passwords_ = s ? s : &keyring_; }
    PasswordStore& passwords() { return *passwords_; }

    // ---- what the main window fills in ----
    std::function<void()> hostGame;
    std::function<void(const QString& name, const QString& address, const QString& code)> joinGame;
    // This copy's invite link while it hosts (empty when it does not).
    std::function<QString()> inviteLink;
    // This copy's game while it hosts (nullopt when it does not).
    std::function<std::optional<LobbyGame>()> describeGame;
    QString playerName;

    // Opens (or raises) the lobby window, on 'room' when given.
    void openWindow(const QString& room = QString());
    Tlobby* window() const;
    // The settings as a session takes them (room, account, server, nick).
    LobbyConfig storedConfig() const;

    // While this copy hosts: signs in when a lobby is set and keeps the game listed.
    void startListing();
    void stopListing();
    bool listing() const { return listTimer_.isActive(); }

private:
    void updateGame();
    KeyringStore keyring_;
    PasswordStore* passwords_ = &keyring_;
    QPointer<Tlobby> window_;
    QTimer listTimer_;
};

} // namespace lobby
