#pragma once
// The game a hosting copy lists in its room presence, read and written:
//
//   <game xmlns="urn:kelvoa:lobby:1" jid="FULL-JID" name="..." players="0-2"
//         spys="0-7" running="0|1" private="0|1" version="...">
//     <address>host:port</address>      (one per way in, at most MaxAddresses)
//   </game>
//
// Other programs (a bot, a web page) may read it; DESIGN.md describes it.
// Reading is strict: every attribute exactly once and within its bounds, an
// address that is no address, or too many of them, and the whole element is
// ignored rather than half shown. Unknown attributes and children are left
// alone, so a later copy may add to the element.
#include <QString>
#include <QStringList>

#include <optional>

#include "element.h"

namespace lobby {

inline constexpr char GameNs[] = "urn:kelvoa:lobby:1";
inline constexpr int MaxJidChars = 300;
inline constexpr int MaxGameNameChars = 32;
inline constexpr int MaxVersionChars = 16;
inline constexpr int MaxAddresses = 8;
inline constexpr int MaxAddressChars = 64;
inline constexpr int MaxGamePlayers = 2;
inline constexpr int MaxGameSpys = 7;

struct LobbyGame {
    QString jid;  // the hosting copy's own full address
    QString name; // the hosting player's name
    int players = 0;
    int spys = 0;
    bool running = false;
    bool isPrivate = false;
    QString version;
    QStringList addresses; // "host:port", "[v6]:port"; IPv6 ones are tried first
    bool operator==(const LobbyGame&) const = default;
};

std::optional<LobbyGame> readGame(const Element& game);
// The element as a child of a presence (the caller builds the presence).
Element gameElement(const LobbyGame& game);

// "host:port" or "[v6]:port" with a port 1..65535 and a host that is an IP
// address or a host name.
bool validAddress(const QString& text);
// The addresses in the order a joiner tries them: IPv6 first.
QStringList joinOrder(const QStringList& addresses);

} // namespace lobby
