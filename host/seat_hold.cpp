// The host's side of a dropped player's return: seat keys, the kept slot and
// the move of a returning connection into it.
#include "seat_hold.h"

#include <QRandomGenerator>

#include <algorithm>

#include "catalogue.h"
#include "tserver.h"

namespace seathold {

QByteArray newKey() {
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex();
}

bool sameKey(const QByteArray& a, const QByteArray& b) {
    if (a.isEmpty() || a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace seathold

bool TServer::seatHeld(int slot) const {
    return validSlot(slot) && holds[static_cast<unsigned>(slot)].held;
}

void TServer::afterLogin(int n) {
    auto& h = holds[n];
    if (h.returning) {
        h.returning = false;
        for (int i = 1; i <= slotcount; ++i)
            if (i != n && players[i].connected && players[i].invited)
                sendTo(i, wire::seatback(n, players[n].name));
    }
    // The hosting user's own client never comes back: it ends with the host.
    if (n == 1 || !h.wantsKey) return;
    h.key = seathold::newKey();
    sendTo(n, wire::seatkey(n, h.key));
}

bool TServer::holdSeat(int n) {
    auto& p = players[n];
    auto& h = holds[n];
    const bool plays = n == 2 || (n == HandOverSlot && handedover);
    // A user who closed the window said so last; that word may still wait in
    // the queue when the close is seen.
    const bool left = std::any_of(receivedlist.begin(), receivedlist.end(), [&](const Queued& q) {
        return q.conn == n && q.serial == p.serial &&
               wire::splitCommand(q.message).command == cmd::Leaving;
    });
    if (seatHoldMs <= 0 || left || !plays || !p.connected || !p.loggedin || h.key.isEmpty()) {
        if (p.connected) h.key.clear();
        return false;
    }
    h.held = true;
    const quint64 generation = ++h.generation;
    QTimer::singleShot(seatHoldMs, this, [this, n, generation] { endHold(n, generation); });
    const int seconds = (seatHoldMs + 999) / 1000;
    for (int i = 1; i <= slotcount; ++i)
        if (i != n && players[i].connected && players[i].invited)
            sendTo(i, wire::seatheld(n, seconds, p.name));
    return true;
}

void TServer::endHold(int n, quint64 generation) {
    auto& h = holds[n];
    if (!h.held || h.generation != generation) return;
    h.held = false;
    h.key.clear();
    // What the departure would have done at once, had the slot not been kept.
    if (handedover && n == HandOverSlot && !players[n].connected) takeBack();
}

void TServer::voidSeatKey(int n) {
    auto& h = holds[n];
    h.key.clear();
    if (h.held) endHold(n, h.generation);
}

void TServer::rejoin(int conn, wire::Fields& f) {
    const int n = f.number();
    if (n != conn) return;
    const QByteArray key = f.next();
    auto& p = players[n];
    // Only a fresh connection comes back; a logged-in one has its slot.
    if (!p.connected || p.loggedin) return;
    holds[n].wantsKey = true;
    if (key.isEmpty()) return;
    for (int h = 1; h <= slotcount; ++h) {
        if (h == n || !seathold::sameKey(key, holds[h].key)) continue;
        if (holds[h].held) {
            moveInto(n, h, true);
            return;
        }
        // The key's seat is still connected: a key alone never takes a seat
        // from a live connection, which may be its owner while the key was
        // overheard. A player whose old line has not been found dead yet is
        // back on a later attempt, once the host kept the seat for him.
        dropQueued(n);
        disconnectsock(n);
        return;
    }
}

void TServer::leaving(int conn, wire::Fields& f) {
    // A user who closes the window has left: nothing is kept for him.
    if (f.number() == conn) voidSeatKey(conn);
}

void TServer::moveInto(int from, int to, bool returning) {
    auto& src = players[from];
    auto& dst = players[to];
    // Its login for the slot it was given first goes with it; it is asked again.
    dropQueued(from);
    TSock* endpoint = src.endpoint;
    src.endpoint = nullptr;
    src.connected = false;
    src.loggedin = false;
    src.name.clear();
    const bool invited = src.invited, codeShown = src.codeShown, wantsKey = holds[from].wantsKey;
    occupy(to, endpoint);
    dst.invited = invited;
    dst.codeShown = codeShown;
    framers[to] = std::move(framers[from]);
    framers[from].clear();
    auto& h = holds[to];
    if (returning) {
        h.held = false;
        ++h.generation;
    }
    h.key.clear();
    h.returning = returning;
    h.wantsKey = returning || wantsKey;
    sendTo(to, wire::sendlogininfo(to));
}
