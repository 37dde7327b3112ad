#pragma once
// Where a game can be reached, as a player types it or a friend sends it:
// an address with an optional port ("host", "host:7000", "192.168.1.20",
// "2001:db8::5", "[2001:db8::5]:7000") and the invite link
//   kelvoa://HOST[:PORT][/CODE]
// whose HOST is a host name, an IPv4 address or a bracketed IPv6 address,
// PORT 1..65535 (7772 when left out) and CODE a private game's invite code.
// Everything here is outside bytes: lengths and alphabets are bounded and
// every refusal is one line a player can act on. No widgets.
#include <QString>

#include <optional>

namespace invite {

inline constexpr quint16 DefaultPort = 7772;
// A link longer than this is refused before it is read.
inline constexpr int MaxLinkBytes = 300;
// Ten letters of a 31-letter alphabet: 49 bits, with no look-alikes
// (no 0/O, 1/I/L), so a code read aloud or retyped survives.
inline constexpr int CodeLength = 10;
inline constexpr char CodeAlphabet[] = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr char Scheme[] = "kelvoa://";

struct Address {
    QString host; // host name or IP address, never bracketed
    quint16 port = DefaultPort;
    bool hasPort = false; // the text named a port
};

// Reads what a player typed as the host's address. On failure 'problem'
// (when given) says why in one line.
std::optional<Address> readAddress(const QString& text, QString* problem = nullptr);
// The text readAddress reads back: bare IPv6 when no port is named,
// bracketed with one.
QString addressText(const Address& a);

struct Link {
    Address address;
    QString code; // empty, or a valid code (upper case)
};

// True when a lone command-line argument is meant as a link (so a bad one
// is explained rather than taken for a name).
bool looksLikeLink(const QString& text);
std::optional<Link> readLink(const QString& text, QString* problem = nullptr);
// "kelvoa://host[:port][/code]": the port only when not 7772, IPv6 bracketed.
QString linkText(const Link& link);
// The line "Copy Invite" puts on the clipboard.
QString inviteLine(const Link& link);

bool validCode(const QString& code);
// A fresh code from the system's strong random source.
QString makeCode();

} // namespace invite
