#include "tserver.h"

#include <QDebug>

#include "catalogue.h"

TServer::TServer(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("Server"));
    steady_.start();
    Sock1 = new TSock(this);
    Sock1->PortName = QStringLiteral("7772");
    Sock1->OnAccept = [this](TSock* s) { Sock1Accept(s); };
    Sock1->OnRead = [this](TSock* s, int n) { Sock1Read(s, n); };

    // Never opened: it only carries the handlers every accepted endpoint gets.
    tempsock = new TSock(this);
    tempsock->OnDisconnect = [this](TSock* s) { tempsockDisconnect(s); };
    tempsock->OnInfo = [this](TSock* s, int code, const QString& text) {
        tempsockInfo(s, code, text);
    };

    // One message per tick, but only while there is something to hand over.
    socktimer.setInterval(SocktimerMs);
    connect(&socktimer, &QTimer::timeout, this, &TServer::socktimerTimer);

    // Both pacing timers are one-shot and stay stopped until the game needs them.
    Timer1.setSingleShot(true);
    computertimer.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &TServer::Timer1Timer);
    connect(&computertimer, &QTimer::timeout, this, &TServer::computertimerTimer);
}

TServer::~TServer() {
    // The endpoints die with Sock1; nobody must be told about it any more.
    for (auto& p : players)
        if (p.endpoint) p.endpoint->OnInfo = nullptr, p.endpoint->OnDisconnect = nullptr;
}

void TServer::setListening(bool on, const QString& port, bool loopbackOnly) {
    Sock1->PortName = port;
    Sock1->LoopbackOnly = loopbackOnly;
    Sock1->setListen(on);
}

void TServer::occupy(int slot, TSock* endpoint) {
    auto& p = players[slot];
    if (p.endpoint) p.endpoint->deleteLater(); // the departed connection's endpoint
    p.endpoint = endpoint;
    p.connected = true;
    p.loggedin = false;
    p.watchonly = false;
    p.serial = ++lastSerial;
    p.queuedMessages = 0;
    p.queuedBytes = 0;
    p.codeShown = false;
    p.chatTokens = ChatBurst;
    p.chatClock = steady_.elapsed();
    endpoint->Tag = slot;
    startLoginDeadline(slot);
}

void TServer::Sock1Read(TSock* endpoint, int) {
    const int slot = endpoint->Tag;
    if (!validSlot(slot) || players[slot].endpoint != endpoint || !players[slot].connected) return;
    if (!receive(slot, endpoint->Receive())) {
        // Endless bytes without a terminator, or more requests than anyone
        // honest sends: treat it like a departure.
        qDebug("Kelvoa host: connection %d sent too much, closing it", slot);
        endpoint->Close();
    }
}

bool TServer::receive(int slot, const QByteArray& bytes) {
    if (!validSlot(slot)) return false;
    auto& p = players[slot];
    std::deque<QByteArray> messages;
    const bool ok = framers[slot].feed(bytes, messages);
    bool flood = false;
    for (auto& m : messages) {
        if (p.queuedMessages >= MaxQueuedPerConnection ||
            p.queuedBytes + m.size() > MaxQueuedBytesPerConnection) {
            flood = true;
            break;
        }
        ++p.queuedMessages;
        p.queuedBytes += m.size();
        receivedlist.push_back({slot, p.serial, std::move(m)});
    }
    if (!receivedlist.empty() && !socktimer.isActive()) socktimer.start();
    return ok && !flood;
}

void TServer::dropQueued(int slot) {
    auto& p = players[slot];
    std::erase_if(receivedlist,
                  [&](const Queued& q) { return q.conn == slot && q.serial == p.serial; });
    p.queuedMessages = 0;
    p.queuedBytes = 0;
}

void TServer::tempsockDisconnect(TSock* endpoint) {
    const int slot = endpoint->Tag;
    if (validSlot(slot) && players[slot].connected && players[slot].endpoint == endpoint)
        endpoint->Close();
}

void TServer::tempsockInfo(TSock* endpoint, int, const QString& text) {
    if (text != QLatin1String("Socket Closed")) return;
    const int slot = endpoint->Tag;
    // A close by the peer is reported twice; its departure runs once.
    if (!validSlot(slot) || players[slot].endpoint != endpoint || !players[slot].connected) return;
    departed(slot);
}

void TServer::departed(int n) {
    auto& p = players[n];
    // Nobody heard of a connection that never logged in; nobody hears it go.
    if (p.connected && p.loggedin) {
        for (int i = 1; i <= slotcount; ++i)
            if (i != n && players[i].connected && players[i].invited)
                sendTo(i, wire::playerdisconnected(n, p.name));
    }
    // A dropped player's slot may wait for him; the game goes on without him.
    const bool kept = holdSeat(n) || holds[n].held;
    // What it left in the queue goes with it: a login handled after the
    // departure would take the slot for a closed connection.
    dropQueued(n);
    p.connected = false;
    p.loggedin = false;
    p.name.clear();
    p.watchonly = false;
    framers[n].clear();
    if (handedover && n == HandOverSlot) {
        if (!kept) {
            takeBack();
            return;
        }
        if (game.gameon() && game.currentplayer() == 1) handOverToComputer(1);
        return;
    }
    // The hosting user's own client only leaves when the whole program ends.
    if (game.gameon() && n == game.currentplayer() && n != 1) handOverToComputer(n);
}

void TServer::socktimerTimer() {
    if (receivedlist.empty()) {
        socktimer.stop();
        return;
    }
    Queued q = std::move(receivedlist.front());
    receivedlist.pop_front();
    auto& from = players[q.conn];
    if (from.serial != q.serial || !from.connected) {
        // Left behind by a connection that has gone; never anyone else's.
        if (receivedlist.empty()) socktimer.stop();
        return;
    }
    --from.queuedMessages;
    from.queuedBytes -= q.message.size();
    const auto split = wire::splitCommand(q.message);
    try {
        dispatch(q.conn, q.message);
    } catch (const wire::FieldError& e) {
        // A malformed number abandons that one message; the next goes on.
        qDebug("Kelvoa host: %s", e.what());
    }
    emit handled(split.command);
    if (receivedlist.empty()) socktimer.stop();
}

void TServer::dispatch(int conn, const QByteArray& message) {
    const auto [command, args] = wire::splitCommand(message);
    if (command.isEmpty()) return;
    wire::Fields f(args);
    if (!players[conn].invited && !letIn(conn, command, f)) return;
    if (command == cmd::LoginInfo)
        receivedlogininfo(conn, f);
    else if (command == cmd::KickHim)
        kickhim(conn, f);
    else if (command == cmd::BotSpeed)
        botspeed(conn, f);
    else if (command == cmd::BotSkill)
        botskill(conn, f);
    else if (command == cmd::Chat)
        chat(conn, f, false);
    else if (command == cmd::Action)
        chat(conn, f, true);
    else if (command == cmd::StartGame)
        startgame(conn, f);
    else if (command == cmd::JustWatch)
        justwatch(conn, f);
    else if (command == cmd::RollDice)
        rolldice(conn, f);
    else if (command == cmd::MovePiece)
        movepiece(conn, f);
    else if (command == cmd::PlayASound)
        playasound(conn, f);
    else if (command == cmd::Give3)
        give3(conn, f);
    else if (command == cmd::Rejoin)
        rejoin(conn, f);
    else if (command == cmd::Leaving)
        leaving(conn, f);
}

void TServer::sendTo(int slot, const QByteArray& text) {
    auto& p = players[slot];
    if (!p.endpoint) return;
    try {
        p.endpoint->Send(wire::frame(text));
    } catch (const ESockException& e) {
        // The connection is on its way out; its departure is handled elsewhere.
        qDebug("Kelvoa host: send to %d: %s", slot, e.what());
        return;
    }
    // The own client reads in this process: closing it would end the program.
    if (slot != 1 && p.endpoint->pendingBytes() > MaxPendingOutput) {
        // A peer that never reads would make the host hold everything sent
        // to it. It is closed once the current message is handled, so that a
        // broadcast in progress is not cut short.
        const quint64 serial = p.serial;
        QMetaObject::invokeMethod(
            this,
            [this, slot, serial] {
                auto& q = players[slot];
                if (q.serial == serial && q.connected && q.endpoint) q.endpoint->Close();
            },
            Qt::QueuedConnection);
    }
}

void TServer::broadcast(const QByteArray& text) {
    for (int i = 1; i <= slotcount; ++i)
        if (players[i].connected && players[i].invited) sendTo(i, text);
}

void TServer::receivedlogininfo(int conn, wire::Fields& f) {
    const int n = f.number();
    if (n != conn) return;
    const QByteArray version = f.next();
    // As long as the dialogs let a name be: it goes into every relay.
    const QByteArray name = f.rest().left(wire::MaxNameBytes);
    auto& p = players[n];
    if (!p.connected) return;
    if (!p.loggedin && !holds[n].returning && roomKept() < 0) {
        // The last free slot waits for a dropped player coming back.
        sendTo(n, wire::full());
        dropQueued(n);
        disconnectsock(n);
        return;
    }
    p.name = name;
    p.loggedin = true;
    broadcast(wire::newplayerinfo(n, name));
    for (int i = 1; i <= slotcount; ++i)
        if (i != n && players[i].connected && players[i].invited)
            sendTo(n, wire::existingplayers(i, players[i].name));
    if (version != wire::Version) {
        if (players[1].connected) sendTo(1, wire::havewrongversion(name));
        sendTo(n, wire::wrongversion());
    }
    // A newcomer learns who plays seat 1 before the snapshot names its turn.
    if (handedover && n != HandOverSlot) sendTo(n, wire::giving3(1, players[HandOverSlot].name));
    if (game.gameon()) sendGameStats(n);
    afterLogin(n);
}

void TServer::kickhim(int conn, wire::Fields& f) {
    const int sender = f.number();
    if (sender != 1 || conn != 1) return;
    const int target = f.number();
    if (!validSlot(target)) return;
    // A removed player is not to come back: his key is void, and a client
    // that would come back is told so before the close (others get nothing).
    voidSeatKey(target);
    auto& p = players[target];
    // Removed for the rest of this hosting: the address is refused from now on.
    if (target != 1 && p.connected && p.endpoint) removed_.insert(addressOf(p.endpoint));
    if (p.connected && holds[target].wantsKey) sendTo(target, wire::kicked());
    disconnectsock(target);
}

void TServer::disconnectsock(int slot) {
    auto& p = players[slot];
    if (p.connected && p.endpoint) p.endpoint->Close();
}

void TServer::chat(int conn, wire::Fields& f, bool isAction) {
    const QByteArray sender = f.next();
    const QByteArray rest = f.rest();
    int n = 0;
    if (!wire::parseInt(QString::fromLatin1(sender), n))
        throw wire::FieldError(QString::fromLatin1(sender));
    if (n != conn || !players[n].connected) return;
    if (!spend(n)) return;
    const QByteArray& name = players[n].name;
    const QByteArray line = clipLine(rest);
    broadcast(isAction ? wire::actionRelay(sender, name, line)
                       : wire::chatRelay(sender, name, line));
}

QByteArray TServer::clipLine(const QByteArray& line) {
    if (line.size() <= wire::MaxLineBytes) return line;
    // The colour after the last '|' is kept: the line is cut, not recoloured.
    const qsizetype bar = line.lastIndexOf('|');
    const QByteArray colour =
        bar >= 0 && line.size() - bar <= MaxColourBytes ? line.mid(bar) : QByteArray();
    return line.left(wire::MaxLineBytes - colour.size()) + colour;
}

void TServer::playasound(int conn, wire::Fields& f) {
    const int sender = f.number();
    if (sender != conn || !spend(conn)) return;
    broadcast(wire::playasoundRelay(sender, f.rest().left(wire::MaxSoundBytes)));
}

void TServer::justwatch(int conn, wire::Fields& f) {
    const int seat = f.number();
    if (seat != 1 && seat != 2) return;
    // The hosting user may switch either seat; a player only himself.
    if (conn != 1 && conn != seat) return;
    // Seat 1 handed over is its new player's, not to be watched from slot 1.
    if (seat == 1 && handedover) return;
    const QByteArray value = f.rest();
    if (value == "2") {
        players[seat].watchonly = false;
        broadcast(wire::justwatching(seat, 2));
    } else if (value == "1" && game.gameon()) {
        players[seat].watchonly = true;
        broadcast(wire::justwatching(seat, 1));
        if (seat == game.currentplayer()) handOverToComputer(seat);
    }
}
