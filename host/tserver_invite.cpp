// A private game's door in the host's login path: a connection is seated
// only after its CMD_invite carried the game's code (see invite_gate.h).
#include <QHostAddress>

#include "catalogue.h"
#include "tserver.h"

bool TServer::blockedAtAccept(TSock* endpoint) {
    if (!gate.blocked(QHostAddress(endpoint->HostName))) return false;
    // Too many wrong codes from there lately: not a word, not a slot.
    endpoint->OnRead = nullptr;
    delete endpoint;
    return true;
}

bool TServer::letIn(int conn, const QByteArray& command, wire::Fields& f) {
    auto& p = players[conn];
    const bool login = command == cmd::LoginInfo;
    if (command != cmd::Invite && !login) return false; // nothing else before the code
    if (command == cmd::Invite && f.number() == conn) {
        const QByteArray code = f.next();
        const auto verdict = gate.check(QHostAddress(p.endpoint->HostName), code);
        if (verdict == InviteGate::Admitted) {
            p.invited = true;
            return false; // the login that follows is handled as usual
        }
        if (verdict == InviteGate::Blocked) {
            disconnectsock(conn);
            return false;
        }
    } else if (!login) {
        return false;
    }
    // A wrong code, or a login without one: a short answer, then the door.
    sendTo(conn, wire::privateGame());
    dropQueued(conn);
    disconnectsock(conn);
    return false;
}
