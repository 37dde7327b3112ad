#pragma once
// A private game's door: only a connection that presented the game's invite
// code is seated, listed or relayed to. Wrong codes are counted per address
// (an IPv6 address by its /64, which one household holds whole): past
// MaxWrongPerMinute within a minute, that address's connections are closed
// at once for BlockMs. A public game (no code) lets everybody in.
#include <QByteArray>
#include <QHash>
#include <QHostAddress>

#include <deque>
#include <functional>

class InviteGate {
public:
    static constexpr int MaxWrongPerMinute = 5;
    static constexpr qint64 WindowMs = 60 * 1000;
    static constexpr qint64 BlockMs = 60 * 1000;
    // Addresses remembered at most; the oldest is forgotten first.
    static constexpr int MaxAddresses = 4096;

    enum Verdict { Admitted, Wrong, Blocked };

    // Empty: a public game.
    void setCode(const QByteArray& code);
    bool isPrivate() const { return !code_.isEmpty(); }

    // The address has given too many wrong codes lately.
    bool blocked(const QHostAddress& from);
    Verdict check(const QHostAddress& from, const QByteArray& code);

    // Milliseconds on a steady clock (tests move it by hand).
    std::function<qint64()> now;

    // How an address is counted: itself, an IPv6 one by its /64.
    static QByteArray addressKey(const QHostAddress& from);

private:
    struct Record {
        std::deque<qint64> wrong; // times of the wrong codes within the window
        qint64 blockedUntil = 0;
        qint64 lastSeen = 0;
    };
    qint64 clock() const;
    void forgetOld(qint64 t);

    QByteArray code_;
    QHash<QByteArray, Record> records_;
};
