// Who gets a slot, and for how long without a word.
//
// Everybody reaches the host through this door. Slot 1 is the hosting copy's
// own client and nobody else's: the process knows its own end of the
// loopback connection (ownClient), so no stranger who connects first, however
// fast, takes the hosting user's powers. Every other connection is given a
// slot from 2 up; a private game's strangers wait in the highest free slot
// until their code was shown, so a silent one never pushes the invitee off
// the seat. A connection that neither logs in nor shows a code within the
// login deadline is closed; one address may keep only a few such connections
// at once; an address the hosting user removed, or that gave too many wrong
// codes, is refused at once; and a login that would take the last free slot
// kept for a dropped player's return is refused as a full game.
#include <QHostAddress>
#include <QTimer>

#include "catalogue.h"
#include "tserver.h"

namespace {

bool isLoopback(const QString& host) {
    return QHostAddress(host).isLoopback();
}

} // namespace

QByteArray TServer::addressOf(const TSock* endpoint) {
    const QHostAddress ip(endpoint->HostName);
    // A connection that came another way than by TCP is counted by what
    // names its peer there.
    if (ip.isNull()) return "peer:" + endpoint->HostName.toUtf8();
    return InviteGate::addressKey(ip);
}

int TServer::freeSlot(bool fromTop) const {
    // Slot 1 waits for the own client wherever the host can tell it.
    const int first = ownClient ? 2 : 1;
    if (fromTop) {
        for (int i = MaxSlots; i >= first; --i)
            if (!slotTaken(i)) return i;
        return 0;
    }
    for (int i = first; i <= MaxSlots; ++i)
        if (!slotTaken(i)) return i;
    return 0;
}

int TServer::unseatedFrom(const QByteArray& address) const {
    int n = 0;
    for (int i = 2; i <= slotcount; ++i) {
        const auto& p = players[i];
        if (p.connected && !p.loggedin && !p.codeShown && p.endpoint &&
            addressOf(p.endpoint) == address)
            ++n;
    }
    return n;
}

int TServer::roomKept() const {
    int held = 0, free = 0;
    for (int i = 2; i <= MaxSlots; ++i) {
        if (holds[i].held)
            ++held;
        else if (!players[i].connected)
            ++free;
    }
    return free - held;
}

void TServer::Sock1Accept(TSock* listener) {
    TSock* endpoint = nullptr;
    if (!listener->Accept(endpoint)) return; // nothing taken, no slot changes
    admit(endpoint, true);
}

bool TServer::admit(TSock* endpoint, bool accepted) {
    // Only a connection accepted here can be the own client's.
    const bool own =
        accepted && (ownClient ? !players[1].connected && isLoopback(endpoint->HostName) &&
                                     ownClient(endpoint->PeerPort)
                               : slotcount == 0);
    const QByteArray address = addressOf(endpoint);
    const auto turnAway = [&](bool full) {
        endpoint->OnRead = nullptr;
        endpoint->OnInfo = nullptr;
        endpoint->OnDisconnect = nullptr;
        if (full) {
            try {
                endpoint->Send(wire::frame(wire::full()));
            } catch (const ESockException&) {
            }
        }
        delete endpoint;
    };
    int slot = own ? 1 : 0;
    if (!own) {
        // Removed, or shut out for wrong codes: not a word, not a slot.
        if (removed_.contains(address) || gate.blocked(QHostAddress(endpoint->HostName))) {
            turnAway(false);
            return false;
        }
        slot = freeSlot(gate.isPrivate());
        if (slot == 0) {
            turnAway(true);
            return false;
        }
        // Already waiting with enough connections that said nothing yet.
        if (unseatedFrom(address) >= MaxUnseatedPerAddress) {
            turnAway(false);
            return false;
        }
    }
    slotcount = qMax(slotcount, slot);
    occupy(slot, endpoint);
    players[slot].invited = slot == 1 || !gate.isPrivate();
    holds[slot].key.clear();
    holds[slot].returning = false;
    holds[slot].wantsKey = false;
    endpoint->OnDisconnect = tempsock->OnDisconnect;
    endpoint->OnInfo = tempsock->OnInfo;
    endpoint->OnRead = [this](TSock* s, int n) { Sock1Read(s, n); };
    framers[slot].clear();
    sendTo(slot, wire::sendlogininfo(slot));
    return true;
}

void TServer::startLoginDeadline(int slot) {
    // The own client logs in at once and is never timed.
    if (slot == 1 || loginDeadlineMs <= 0) return;
    const quint64 serial = players[slot].serial;
    QTimer::singleShot(loginDeadlineMs, this, [this, slot, serial] {
        auto& p = players[slot];
        if (p.serial != serial || !p.connected || p.loggedin || p.codeShown) return;
        qDebug("Kelvoa host: connection %d said nothing in time, closing it", slot);
        disconnectsock(slot);
    });
}

bool TServer::seatedAfterCode(int conn) {
    // Shown the code from a waiting slot high up: the lowest free one is its.
    const int lower = freeSlot(false);
    if (lower == 0 || lower >= conn) return false;
    moveInto(conn, lower, false);
    return true;
}

void TServer::closeFrom(const QByteArray& address, int except) {
    for (int i = 2; i <= slotcount; ++i) {
        const auto& p = players[i];
        if (i != except && p.connected && !p.invited && p.endpoint &&
            addressOf(p.endpoint) == address)
            disconnectsock(i);
    }
}

bool TServer::spend(int conn) {
    auto& p = players[conn];
    const qint64 t = steady_.elapsed();
    p.chatTokens =
        qMin<double>(ChatBurst, p.chatTokens + (t - p.chatClock) * ChatPerSecond / 1000.0);
    p.chatClock = t;
    if (p.chatTokens < 1.0) return false;
    p.chatTokens -= 1.0;
    return true;
}
