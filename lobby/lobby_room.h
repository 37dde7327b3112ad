#pragma once
// The lobby's group chat room (XEP-0045) as this copy sees it: who is in
// it, what they say, which games their presences list. It reads stanzas
// (XML text from the connection) and builds the stanzas to send; it holds no
// socket, so tests feed it directly.
//
// Everything in a room comes from strangers: names and lines are plain text
// cut at a sane length, at most MaxPeople people and MaxGames games are kept,
// a malformed game is ignored, and a private message is only ever an invite
// offer.
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

#include "element.h"
#include "game_element.h"

namespace lobby {

inline constexpr char MucNs[] = "http://jabber.org/protocol/muc";
inline constexpr char MucUserNs[] = "http://jabber.org/protocol/muc#user";

struct Person {
    QString nick;
    std::optional<LobbyGame> game; // the game this person's copy hosts
};

class LobbyRoom : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxPeople = 500;
    static constexpr int MaxGames = 200;
    static constexpr int MaxNickChars = 32;
    static constexpr int MaxLineChars = 500;
    static constexpr int HistoryLines = 20;
    // A taken name gets a number: "Ann 2", "Ann 3" … up to this one.
    static constexpr int MaxNickTries = 9;

    explicit LobbyRoom(QObject* parent = nullptr);

    // The presence that enters (or updates this copy in) the room; the game,
    // when set, rides along.
    QByteArray joinPresence() const;
    QByteArray leavePresence() const;
    QByteArray chatMessage(const QString& text) const;
    // A private message through the room carrying an invite link.
    QByteArray inviteMessage(const QString& nick, const QString& link) const;

    // Starts over for 'room' ("room@service") under 'nick'.
    void reset(const QString& room, const QString& nick);
    void setOwnGame(const std::optional<LobbyGame>& game) { ownGame_ = game; }
    const std::optional<LobbyGame>& ownGame() const { return ownGame_; }

    // One stanza from the connection.
    void handle(const QByteArray& xml);

    QString room() const { return room_; }
    QString nick() const { return nick_; } // as the room knows this copy
    bool joined() const { return joined_; }
    const QHash<QString, Person>& people() const { return people_; }
    int gameCount() const { return games_; }
    // People and games sorted for showing: by name, case-insensitive.
    QList<Person> sortedPeople() const;
    QList<LobbyGame> sortedGames() const;

signals:
    // People or games changed (the window coalesces these).
    void changed();
    void joinedRoom(const QString& nick);
    // Entering failed: one line for the player.
    void refused(const QString& line);
    // The chosen name is taken; entering again as 'nick' (the window says so).
    void renamed(const QString& from, const QString& nick);
    void chat(const QString& nick, const QString& text, bool own);
    void inviteOffered(const QString& nick, const QString& link);

private:
    void presence(const Element& p);
    void message(const Element& m);
    QString nickOf(const QString& from) const;
    QString baseNick_;
    QString room_, nick_;
    bool joined_ = false;
    bool refusedOnce_ = false; // one line per attempt to enter
    int tries_ = 1;
    std::optional<LobbyGame> ownGame_;
    QHash<QString, Person> people_;
    int games_ = 0;
};

} // namespace lobby
