#pragma once
/*
 * The wire grammar, in one place.
 *
 *   message   := command { '+' field } [ '+' rest ]  0xFF
 *   command   := "CMD_" word          (compared exactly, case included)
 *   field     := text without '+'     (numbers: decimal digits)
 *   rest      := any text, '+' allowed (names, chat lines)
 *   chat line := text '|' colour      (colour: "clBlue" or "$00BBGGRR")
 *
 * A message without '+' has no command word and is dropped, so a command is
 * always followed by '+', also when no field follows. Text is Windows-1252.
 *
 * Client to host (the host ignores give3's answers and anything unknown):
 *   CMD_logininfo+<conn>+<version>+<name>       answer to sendlogininfo
 *   CMD_startgame+<name>+                       hosting user starts a game
 *   CMD_rolldice+<seat>+                        player rolls
 *   CMD_movepiece+<seat>+<chip>+                player moves chip 1..7
 *   CMD_justwatch+<seat>+1|2                    1 watch (computer plays), 2 play
 *   CMD_kickhim+<sender>+<target>+              hosting user drops a connection
 *   CMD_botspeed+<sender>+<ms>+                 computer's pace
 *   CMD_botskill+<sender>+<level>+              computer's level 0 Klot, 1 Strong,
 *                                               2 Expert; sent right after botspeed
 *   CMD_chat+<sender>+<line>                    typed chat line
 *   CMD_action+<sender>+<line>                  "/me" line or phrase
 *   CMD_playasound+<sender>+wave<k>+            chatter sound 1..20
 *   CMD_give3+<sender>+                         hosting user hands seat 1 to slot 3
 *   CMD_invite+<conn>+<code>+                   a private game's invite code, sent
 *                                               right before logininfo when the
 *                                               player has one; a public host
 *                                               ignores it
 *   CMD_rejoin+<conn>+<key>+                    right before logininfo: a client that
 *                                               can come back (empty key: give me
 *                                               one), or a returning player's key
 *   CMD_leaving+<conn>+                         the user closes the window: keep no slot
 *
 * Host to client:
 *   CMD_sendlogininfo+<conn>                    your connection number
 *   CMD_full+                                   nine in use; closed at once
 *   CMD_newplayerinfo+<conn>+<name>             broadcast after a login
 *   CMD_existingplayers+<conn>+<name>           to a newcomer, per other slot
 *   CMD_wrongversion+                           to a newcomer with another version
 *   CMD_havewrongversion+<name>                 to connection 1, about a newcomer
 *   CMD_gamestats+<conn>+<cur>+<phase>+<points>+<d1>+<d2>+<d3>+<d4>{+<seat>+<chip>+<sq>} | +*
 *   CMD_playerdisconnected+<conn>+<name>        to the others
 *   CMD_chat+<sender>+<name> chats: <line>      relay
 *   CMD_action+<sender>+<name> <line>           relay
 *   CMD_playasound+<sender>+wave<k>+            relay
 *   CMD_startgame+<name>                        a game starts
 *   CMD_nextplayer+<seat>+                      seat is to roll
 *   CMD_hisroll+<seat>+<d1>+<d2>+<d3>+<d4>+<points>+
 *   CMD_unable+<seat>+                          no legal move
 *   CMD_moveback+<mover>+<victim>+<chip>+       a capture, before its moveit
 *   CMD_moveit+<seat>+<chip>+<square>+<entered>+<home>+<capture>+<rosette>+   flags t|f
 *   CMD_error+<seat>+<code>+                    refused move, to the mover
 *   CMD_winner+<seat>+
 *   CMD_justwatching+<seat>+1|2
 *   CMD_giving3+<n>+<name>+, CMD_giveback+<name>+, CMD_cantgive+   (hand-over)
 *   CMD_private+                                a private game refuses a login or
 *                                               code without its invite; closed at
 *                                               once (older clients just see the close)
 *
 * A private host seats, lists and relays to nobody but connection 1 and the
 * connections whose CMD_invite carried its code; anything else such a
 * connection sends is ignored, and its login is answered with CMD_private.
 *   CMD_seatkey+<conn>+<key>+                   to that connection alone, after its
 *                                               login, if it sent CMD_rejoin: 32 hex
 *                                               digits (128 random bits)
 *                                               that take its slot back after a drop
 *   CMD_seatheld+<conn>+<seconds>+<name>        to the others: the slot is kept
 *   CMD_seatback+<conn>+<name>                  to the others: its player is back
 *   CMD_kicked+                                 to a removed connection, before the
 *                                               close: it must not come back
 *   A held slot is taken by no newcomer; a returning connection is first given
 *   any free slot, then, for a key that matches a held slot, moved there and
 *   told "CMD_sendlogininfo+<held slot>" again, and logs in as a newcomer does.
 *   Copies that know none of these ignore them, and log in as they always did.
 *
 * What the host relays is bounded: a name is cut at MaxNameBytes, a chat or
 * action line at MaxLineBytes and a sound's rest at MaxSoundBytes, so no
 * relay comes near what a client's framer takes; chat, actions and sounds are
 * rationed per connection (a burst, then a few a second), the excess dropped.
 * Connection 1 is only ever the hosting copy's own client, told apart inside
 * the process by its end of the loopback connection, never by anything on
 * the wire; every other connection is given a slot from 2 up (in a private
 * game from 9 down until its code was shown, then moved down and asked again
 * with CMD_sendlogininfo), must log in (or show the code) within a few
 * seconds, and an address the hosting user removed stays out.
 *
 * Games on this network (UDP port 7772, one message per datagram; built and
 * read in discovery.h, never on a game connection):
 *   CMD_findgame+<version>                              asker, to broadcast
 *   CMD_gamehere+<name>+<players>+<spys>+<0|1>+<version>  hosting copy, to the asker
 *
 * Builders below return the message text without its terminator; frame()
 * (framing.h) adds it. No other code writes a message by hand.
 */
#include <QByteArray>
#include <QString>

#include <array>

namespace cmd {

inline constexpr char LoginInfo[] = "CMD_logininfo";
inline constexpr char StartGame[] = "CMD_startgame";
inline constexpr char RollDice[] = "CMD_rolldice";
inline constexpr char MovePiece[] = "CMD_movepiece";
inline constexpr char JustWatch[] = "CMD_justwatch";
inline constexpr char KickHim[] = "CMD_kickhim";
inline constexpr char BotSpeed[] = "CMD_botspeed";
inline constexpr char BotSkill[] = "CMD_botskill";
inline constexpr char Chat[] = "CMD_chat";
inline constexpr char Action[] = "CMD_action";
inline constexpr char PlayASound[] = "CMD_playasound";
inline constexpr char Give3[] = "CMD_give3";
inline constexpr char Invite[] = "CMD_invite";
inline constexpr char Rejoin[] = "CMD_rejoin";
inline constexpr char Leaving[] = "CMD_leaving";

inline constexpr char SendLoginInfo[] = "CMD_sendlogininfo";
inline constexpr char Full[] = "CMD_full";
inline constexpr char NewPlayerInfo[] = "CMD_newplayerinfo";
inline constexpr char ExistingPlayers[] = "CMD_existingplayers";
inline constexpr char WrongVersion[] = "CMD_wrongversion";
inline constexpr char HaveWrongVersion[] = "CMD_havewrongversion";
inline constexpr char GameStats[] = "CMD_gamestats";
inline constexpr char PlayerDisconnected[] = "CMD_playerdisconnected";
inline constexpr char NextPlayer[] = "CMD_nextplayer";
inline constexpr char HisRoll[] = "CMD_hisroll";
inline constexpr char Unable[] = "CMD_unable";
inline constexpr char MoveBack[] = "CMD_moveback";
inline constexpr char MoveIt[] = "CMD_moveit";
inline constexpr char Error[] = "CMD_error";
inline constexpr char Winner[] = "CMD_winner";
inline constexpr char JustWatching[] = "CMD_justwatching";
inline constexpr char Giving3[] = "CMD_giving3";
inline constexpr char GiveBack[] = "CMD_giveback";
inline constexpr char CantGive[] = "CMD_cantgive";
inline constexpr char Private[] = "CMD_private";
inline constexpr char SeatKey[] = "CMD_seatkey";
inline constexpr char SeatHeld[] = "CMD_seatheld";
inline constexpr char SeatBack[] = "CMD_seatback";
inline constexpr char Kicked[] = "CMD_kicked";

} // namespace cmd

namespace wire {

// The version every copy announces and the host compares, exactly.
inline constexpr char Version[] = "1.0.3";
inline constexpr quint16 GamePort = 7772;
inline constexpr quint16 LobbyPort = 9001;

// What the host relays of a peer's text (see the grammar above). A name is as
// long as the dialogs allow; a line leaves a relay far below the framer's limit
// even with the longest name and the command in front.
inline constexpr qsizetype MaxNameBytes = 32;
inline constexpr qsizetype MaxLineBytes = 1000;
inline constexpr qsizetype MaxSoundBytes = 16;
// What the input line takes: a typed line and its "|colour" stay within
// MaxLineBytes, so the host never has to cut an honest one.
inline constexpr int MaxTypedChars = int(MaxLineBytes) - 20;

// ---- client to host (text is encoded to the code page here) ----
QByteArray logininfo(int conn, const QString& version, const QString& name);
QByteArray startgame(const QString& name);
QByteArray rolldice(int seat);
QByteArray movepiece(int seat, int chip);
QByteArray justwatch(int seat, int value);
QByteArray kickhim(int sender, int target);
QByteArray botspeed(int sender, int ms);
QByteArray botskill(int sender, int level);
QByteArray chat(int sender, const QString& text, const QString& colour);
QByteArray action(int sender, const QString& text, const QString& colour);
QByteArray playasound(int sender, int k);
QByteArray give3(int sender);
QByteArray invite(int conn, const QString& code);
QByteArray rejoin(int conn, const QByteArray& key);
QByteArray leaving(int conn);

// ---- host to client (names and chat lines are relayed as bytes) ----
QByteArray sendlogininfo(int conn);
QByteArray full();
QByteArray newplayerinfo(int conn, const QByteArray& name);
QByteArray existingplayers(int conn, const QByteArray& name);
QByteArray wrongversion();
QByteArray havewrongversion(const QByteArray& name);

struct ChipAt {
    int seat, chip, square;
};
QByteArray gamestats(int conn, int current, char phase, int points, const std::array<int, 4>& dice,
                     const ChipAt* chips, int count);
QByteArray playerdisconnected(int conn, const QByteArray& name);
QByteArray chatRelay(const QByteArray& sender, const QByteArray& name, const QByteArray& line);
QByteArray actionRelay(const QByteArray& sender, const QByteArray& name, const QByteArray& line);
QByteArray playasoundRelay(int sender, const QByteArray& rest);
QByteArray startgameRelay(const QByteArray& name);
QByteArray nextplayer(int seat);
QByteArray hisroll(int seat, const std::array<int, 4>& dice, int points);
QByteArray unable(int seat);
QByteArray moveback(int mover, int victim, int chip);
QByteArray moveit(int seat, int chip, int square, bool entered, bool home, bool capture,
                  bool rosette);
QByteArray error(int seat, int code);
QByteArray winner(int seat);
QByteArray justwatching(int seat, int value);
QByteArray giving3(int sender, const QByteArray& name);
QByteArray giveback(const QByteArray& name);
QByteArray cantgive();
QByteArray privateGame();
QByteArray seatkey(int conn, const QByteArray& key);
QByteArray seatheld(int conn, int seconds, const QByteArray& name);
QByteArray seatback(int conn, const QByteArray& name);
QByteArray kicked();

} // namespace wire
