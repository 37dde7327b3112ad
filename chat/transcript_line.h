#pragma once
// A transcript line, "<seat>+<prefix>:<body>", cut into what the viewer shows:
// the bold prefix, then words, hyperlinks and smiley pictures. Chat text is
// never markup: these pieces carry plain text only.
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace chat {

// Style 0 is the program's own lines, 4 the hyperlinks, 5 + n seat n.
inline constexpr int StyleCount = 15;
inline constexpr int SystemStyle = 0;
inline constexpr int LinkStyle = 4;
inline constexpr int MaxSeat = 9;
inline constexpr int styleOfSeat(int seat) {
    return seat == 0 ? SystemStyle : seat + 5;
}

// Smileys: ":)#" and two digits; codes 10..27 are pictures 0..17.
inline constexpr auto SmileyMark = ":)#";
inline constexpr int SmileyCount = 18;
inline constexpr int FirstSmileyCode = 10;
QString smileyCode(int picture); // ":)#10" ..

struct Piece {
    enum Kind { Word, Link, Smiley };
    Kind kind = Word;
    QString text; // the word with its trailing blank; a link's word as typed
    int picture = 0;
    bool operator==(const Piece&) const = default;
};

struct TranscriptLine {
    int seat = 0;
    int style = SystemStyle;
    QString prefix; // up to and including the first ':'; may be empty
    QList<Piece> body;
};

// Cuts a line. A seat that is not a number from 0 to 9 gives nothing: the
// line is not shown.
std::optional<TranscriptLine> parseLine(const QString& line);

// The body after the prefix: word runs, links and smileys, in order.
QList<Piece> splitBody(const QString& body);

// What a word opens: only http:// and https:// addresses; a word starting
// with "www." is given http://. Anything else gives an invalid URL.
QUrl linkAddress(const QString& word);
// A word becomes a link when it opens as a web address.
inline bool islink(const QString& word) {
    return linkAddress(word).isValid();
}

// What a received chat or action rest ("<seat>+<text>|<colour>") holds: the
// line text and its colour text ("" when there is no bar).
struct ReceivedChat {
    QString line;
    QString colour;
    bool hasColour = false;
};
ReceivedChat splitReceived(const QString& rest);

} // namespace chat
