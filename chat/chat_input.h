#pragma once
// What the input side sends: typed lines, "/me" actions, phrases and the
// chatter sounds' captions.
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace chat {

// The input line's invitation, before translation (context "chat").
inline constexpr auto EnterChatHere = QT_TRANSLATE_NOOP("chat", "<Enter Chat Here>");
inline constexpr int MaxPhraseLength = 50;
inline constexpr int ChatterCount = 20;

struct Outgoing {
    enum Kind { Nothing, Chat, Action };
    Kind kind = Nothing;
    QString text;
    bool operator==(const Outgoing&) const = default;
};

// Enter in the input line. "/me" is compared on three characters and four
// are removed, so "/mewaves" acts "aves"; other "/" texts are not sent.
Outgoing typedLine(const QString& input);
// A phrase button: always an action; "/me " phrases act their rest, others
// are said.
Outgoing phraseLine(const QString& phrase);

// The chatter sounds' captions, 1..20, in the language in force; caption(0) is "<Cancel>".
const QStringList& chatterCaptions();
// "wave13" -> "Applause"; empty for a name without a sound.
QString chatterCaption(const QString& soundName);

} // namespace chat
