#pragma once
/*
 * Games on this network: the datagrams a copy uses to find hosting copies.
 *
 *   datagram := message 0xFF            (exactly one message, at most 512 bytes)
 *   query    := "CMD_findgame+" <version of the asking copy>
 *   answer   := "CMD_gamehere+" <host's name> "+" <seated players 0..2> "+"
 *               <spys 0..7> "+" <"1" game running | "0"> "+" <host's version>
 *
 * A private game answers with an empty name, no players, no spys and no game
 * running: that a game is here, nothing more.
 *
 * Both travel over UDP port 7772 (beside the game's TCP port 7772) as
 * Windows-1252 text, like the wire. The host's name is relayed as the bytes it
 * logged in with; it may hold '+', so an answer is read from its right end.
 *
 * A query costs the asker little and the host an answer, so a host answers
 * only within the caps below (see host/discovery_responder.h).
 */
#include <QByteArray>

#include <optional>

namespace discovery {

inline constexpr quint16 Port = 7772;
inline constexpr char FindGame[] = "CMD_findgame";
inline constexpr char GameHere[] = "CMD_gamehere";

// Anything longer is no datagram of ours and is ignored unread.
inline constexpr qsizetype MaxDatagramBytes = 512;
// An answer is never more than this many times the query's size, so a forged
// sender address cannot turn a host into an amplifier.
inline constexpr int AnswerSizeFactor = 8;
// Answers a host sends per second, to all askers together.
inline constexpr int MaxAnswersPerSecond = 20;

inline constexpr int MaxPlayers = 2;
inline constexpr int MaxSpys = 7;

struct GameInfo {
    QByteArray name; // Windows-1252, as logged in
    int players = 0;
    int spys = 0;
    bool running = false;
    QByteArray version;
    bool operator==(const GameInfo&) const = default;
};

// The query datagram, terminator included.
QByteArray query(const QByteArray& version);

// The asker's version when 'datagram' is exactly one well-framed query.
std::optional<QByteArray> readQuery(const QByteArray& datagram);

// The answer datagram, terminator included, never longer than maxBytes: a
// name too long for that is shortened. Empty when not even an empty name
// fits. Counts are clamped to their ranges.
QByteArray answer(const GameInfo& game, qsizetype maxBytes);

// The game an answer datagram describes, or nothing for any other datagram.
std::optional<GameInfo> readAnswer(const QByteArray& datagram);

} // namespace discovery
