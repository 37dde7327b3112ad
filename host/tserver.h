#pragma once
// The game host: accepts up to nine connections, logs them in, relays chat
// and chatter sounds, removes connections on the hosting user's request,
// marks seats as just watching, and referees the game on top of rules::Game,
// playing every seat that no user plays. It never touches a widget.
//
// Every queued message remembers the connection it arrived on, and the host
// judges in the same order every time: who is asking (the sender field must
// be that connection), then turn and phase, then legality.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <array>
#include <deque>
#include <functional>

#include "dice.h"
#include "framing.h"
#include "invite_gate.h"
#include "rules_game.h"
#include "seat_hold.h"
#include "tsock.h"

struct TPlayerSlot {
    QByteArray name;
    bool connected = false;
    bool loggedin = false; // its login was handled and announced
    TSock* endpoint = nullptr;
    bool watchonly = false; // the computer plays the seat while its user watches
    // Which connection holds the slot: a new one for every accepted connection,
    // so that what a departed connection left in the queue is never taken for
    // the newcomer's.
    quint64 serial = 0;
    int queuedMessages = 0;
    qsizetype queuedBytes = 0;
    bool invited = true;    // a private game's code was presented (or none is asked)
    bool codeShown = false; // it presented the code itself (no login deadline then)
    // Chat, actions and sounds are rationed: a burst, then a steady few.
    double chatTokens = 0;
    qint64 chatClock = 0;
};

class TServer : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxSlots = 9;
    static constexpr int SocktimerMs = 10;
    // The longest pace the hosting user may ask for; a longer one is ignored.
    static constexpr int MaxBotDelayMs = 60000;
    // One connection's share of the queue. An honest client has a handful of
    // requests waiting at most; one over its share is flooding and is closed
    // like a departure, so everyone else keeps the usual pace.
    static constexpr int MaxQueuedPerConnection = 64;
    static constexpr qsizetype MaxQueuedBytesPerConnection = 64 * 1024;
    // What may wait to go out to one connection that does not read.
    static constexpr qsizetype MaxPendingOutput = 1024 * 1024;
    // The slot whose user may be given seat 1's turns.
    static constexpr int HandOverSlot = 3;
    // How long a dropped player's slot is kept for him (seat_hold.h).
    static constexpr int DefaultSeatHoldMs = 3 * 60 * 1000;
    // A connection that neither logs in nor shows a private game's code
    // within this time is closed: an honest client answers the greeting at
    // once, so a silent one only keeps a slot from somebody else.
    static constexpr int DefaultLoginDeadlineMs = 5000;
    // Connections from one address (an IPv6 one by its /64) that have not
    // logged in yet; a household joining together stays well below it.
    static constexpr int MaxUnseatedPerAddress = 3;
    // Chat lines, actions and sounds one connection may send at once, and
    // per second after that; the rest is dropped, not relayed.
    static constexpr int ChatBurst = 8;
    static constexpr int ChatPerSecond = 2;

    // What computertimer does when it fires.
    enum ComputerTag { ComputerMoves = 2, ComputerRolls = 3 };

    explicit TServer(QObject* parent = nullptr);
    ~TServer() override;

    // Switches the listening endpoint on; port "7772" unless tests choose "0".
    // 'loopbackOnly' listens for this computer alone (a solo game whose port
    // another program holds still needs its own client to reach it).
    void setListening(bool on, const QString& port = QStringLiteral("7772"),
                      bool loopbackOnly = false);
    quint16 listeningPort() const { return Sock1->localPort(); }

    // Where the dice come from; nullptr goes back to the process-wide fair dice.
    // The source must outlive its use by the host.
    void setDiceSource(rules::DiceSource* source);

    // A seat that no user plays: nobody has logged in to its slot, or its user
    // only watches.
    bool computerPlayed(int seat) const;

    // ---- state shared with the rules and the computer player ----
    std::array<TPlayerSlot, MaxSlots + 1> players{}; // slots 1..9
    int slotcount = 0;
    // The game: whose turn, each seat's phase, points and chips, the last dice.
    rules::Game game;
    // The computer's pace in ms; 0 (until the hosting user sets it) never fires.
    int botdelay = 0;
    // The computer's level for every seat it plays (levels::Level); "Klot"
    // until the hosting user asks for another.
    int botlevel = 0;
    // Seat 1's turns are taken by slot 3's user, until that user leaves.
    bool handedover = false;

    // A private game's door (invite_gate.h); open while it holds no code.
    InviteGate gate;

    TSock* Sock1;
    TSock* tempsock;
    QTimer socktimer;
    QTimer Timer1;        // passes the turn after a roll without a move
    QTimer computertimer; // the computer's next roll or move
    int computertimerTag = 0;

    // Tests shorten it; 0 keeps no slot.
    int seatHoldMs = DefaultSeatHoldMs;
    // Tests shorten it; 0 waits for ever.
    int loginDeadlineMs = DefaultLoginDeadlineMs;

    // Tells the hosting copy's own client by the port of its end of the
    // loopback connection, which the process knows and no other program can
    // hold at the same time. Set, slot 1 is given to that connection alone;
    // unset (tests and harnesses that play the hosting user by hand), the
    // first connection is taken for it, as the host always did.
    std::function<bool(quint16 peerPort)> ownClient;

    // The one door for every connection, whatever carried it (accepted on
    // the game port, or a relayed stream): gives it a slot and greets it, or
    // turns it away (and deletes it). The endpoint is the host's from here
    // on; only an 'accepted' one can be the own client's.
    bool admit(TSock* endpoint, bool accepted);

    // Addresses whose connection the hosting user removed: they stay out for
    // the rest of this hosting.
    int removedAddresses() const { return int(removed_.size()); }
    bool seatHeld(int slot) const;

    std::size_t queued() const { return receivedlist.size(); }

    // What arrived from a slot's connection: framed and queued as a read does.
    // False when the connection sent more than its share (it is then to be
    // closed like a departure).
    bool receive(int slot, const QByteArray& bytes);

    // The timer handlers, public so that a harness can drive them by hand.
    void socktimerTimer();
    void computertimerTimer();
    void Timer1Timer();

signals:
    void handled(const QByteArray& command); // after each dispatched message (tests)

private:
    // The game itself (tserver_game.cpp).
    void handOverToComputer(int seat);
    void sendGameStats(int conn);
    void startgame(int conn, wire::Fields& f);
    void rolldice(int conn, wire::Fields& f);
    void movepiece(int conn, wire::Fields& f);
    void botspeed(int conn, wire::Fields& f);
    void botskill(int conn, wire::Fields& f);
    void give3(int conn, wire::Fields& f);
    void takeBack();
    // The seat number a message carries for a seat: 3 for seat 1 handed over.
    int wireSeat(int seat) const;
    // The seat a request's seat field stands for, or 0 when that sender may
    // not act for it.
    int requestSeat(int field) const;
    // The connection that plays a seat.
    int playerSlot(int seat) const;
    void findplayer();
    void announceTurn(int seat);
    void rollFor(int seat);
    void moveFor(int seat, int chip);
    void computerroll(int seat);
    void computermove(int seat);
    void startComputer(ComputerTag tag);
    void startPass();
    void stopGameTimers();

    void sendTo(int slot, const QByteArray& text);
    void broadcast(const QByteArray& text);
    static bool validSlot(int n) { return n >= 1 && n <= MaxSlots; }

    struct Queued {
        int conn;
        quint64 serial;
        QByteArray message;
    };
    void dropQueued(int slot);

    void Sock1Accept(TSock* listener);
    void Sock1Read(TSock* endpoint, int count);
    void tempsockDisconnect(TSock* endpoint);
    void tempsockInfo(TSock* endpoint, int code, const QString& text);
    void dispatch(int conn, const QByteArray& message);

    void receivedlogininfo(int conn, wire::Fields& f);
    void kickhim(int conn, wire::Fields& f);
    void disconnectsock(int slot);
    void chat(int conn, wire::Fields& f, bool isAction);
    // A chat line cut to what is relayed; "|colour" is at most this long.
    static constexpr qsizetype MaxColourBytes = 12;
    static QByteArray clipLine(const QByteArray& line);
    void playasound(int conn, wire::Fields& f);
    void justwatch(int conn, wire::Fields& f);
    void departed(int slot);
    // A private game's door for a connection that has not shown the code
    // (tserver_invite.cpp): true when 'command' may go on to its handler.
    bool letIn(int conn, const QByteArray& command, wire::Fields& f);

    // The door (tserver_door.cpp).
    static QByteArray addressOf(const TSock* endpoint);
    int freeSlot(bool fromTop) const;
    int unseatedFrom(const QByteArray& address) const;
    int roomKept() const;
    void startLoginDeadline(int slot);
    bool seatedAfterCode(int conn);
    void closeFrom(const QByteArray& address, int except);
    bool spend(int conn);
    QSet<QByteArray> removed_;
    QElapsedTimer steady_;

    // A connection takes a slot; what its last connection left goes.
    void occupy(int slot, TSock* endpoint);
    // Keeping a dropped player's slot (seat_hold.cpp).
    bool slotTaken(int slot) const { return players[slot].connected || holds[slot].held; }
    void afterLogin(int slot);
    bool holdSeat(int slot);
    void endHold(int slot, quint64 generation);
    void voidSeatKey(int slot);
    void rejoin(int conn, wire::Fields& f);
    void leaving(int conn, wire::Fields& f);
    // Moves a connection that has not logged in yet into another slot and
    // asks it again; 'returning' for a dropped player back with his key.
    void moveInto(int from, int to, bool returning);
    std::array<SeatHold, MaxSlots + 1> holds{};

    std::deque<Queued> receivedlist;
    quint64 lastSerial = 0;
    std::array<wire::Framer, MaxSlots + 1> framers{};
    rules::RandomDice randomDice;
    rules::DiceSource* diceSource = &randomDice;
};
