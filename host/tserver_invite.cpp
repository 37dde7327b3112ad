// A private game's door in the host's login path: a connection is seated
// only after its CMD_invite carried the game's code (see invite_gate.h).
#include <QHostAddress>

#include "catalogue.h"
#include "tserver.h"

bool TServer::letIn(int conn, const QByteArray& command, wire::Fields& f) {
    auto& p = players[conn];
    const bool login = command == cmd::LoginInfo;
    if (command != cmd::Invite && !login) return false; // nothing else before the code
    if (command == cmd::Invite && f.number() == conn) {
        const QByteArray code = f.next();
        const auto verdict = gate.check(QHostAddress(p.endpoint->HostName), code);
        if (verdict == InviteGate::Admitted) {
            p.invited = true;
            p.codeShown = true;
            // Waiting high up, it now takes the lowest free slot and is asked
            // again; otherwise the login that follows is handled as usual.
            seatedAfterCode(conn);
            return false;
        }
        // Shut out (now or before): every connection from there goes, the
        // silent ones too, not only this one.
        if (gate.blocked(QHostAddress(p.endpoint->HostName)))
            closeFrom(addressOf(p.endpoint), conn);
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
