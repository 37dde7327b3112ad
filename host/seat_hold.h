#pragma once
// Keeping a dropped player's slot.
//
// Every logged-in connection whose client can come back (it sent CMD_rejoin
// before its login, with an empty key the first time) gets a seat key: 128
// random bits, sent to that connection alone. Older copies and the lobby ask
// for none, get none, and find the host as it always was. When a connection that plays
// (seat 2, or slot 3 while it plays seat 1) drops without being removed, its
// slot is kept for its player for a while: newcomers get other slots, and the
// computer plays the seat meanwhile. A connection that presents the key
// before its login is moved into the kept slot and logs in there. The key is
// the only proof: a name proves nothing, and a removed player's key is void.
#include <QByteArray>
#include <QtGlobal>

struct SeatHold {
    QByteArray key;         // given to the slot's connection at its login; empty: none
    bool held = false;      // the slot waits for its departed player
    bool returning = false; // the connection now in the slot came back with its key
    bool wantsKey = false;  // its client can come back (it said so with CMD_rejoin)
    quint64 generation = 0; // which hold a firing timer belongs to
};

namespace seathold {
// 32 hex digits from the system's random source.
QByteArray newKey();
// Compares in time independent of where the texts differ; an empty key
// matches nothing.
bool sameKey(const QByteArray& a, const QByteArray& b);
} // namespace seathold
