#include "chat_input.h"

#include <QCoreApplication>

namespace chat {

Outgoing typedLine(const QString& input) {
    // Blanks alone say nothing; they would reach everybody as an empty line.
    if (input.trimmed().isEmpty()) return {};
    if (!input.startsWith('/')) return {Outgoing::Chat, input};
    if (input.startsWith(QLatin1String("/me"))) {
        const QString act = input.mid(4);
        if (act.trimmed().isEmpty()) return {};
        return {Outgoing::Action, act};
    }
    return {};
}

Outgoing phraseLine(const QString& phrase) {
    if (phrase.startsWith(QLatin1String("/me "))) return {Outgoing::Action, phrase.mid(4)};
    return {Outgoing::Action, QStringLiteral("says: ") + phrase};
}

const QStringList& chatterCaptions() {
    static const char* const source[] = {QT_TRANSLATE_NOOP("chat", "<Cancel>"),
                                         QT_TRANSLATE_NOOP("chat", "Doh"),
                                         QT_TRANSLATE_NOOP("chat", "Cough"),
                                         QT_TRANSLATE_NOOP("chat", "Hello"),
                                         QT_TRANSLATE_NOOP("chat", "Thank You"),
                                         QT_TRANSLATE_NOOP("chat", "Where have you been?"),
                                         QT_TRANSLATE_NOOP("chat", "Snoring"),
                                         QT_TRANSLATE_NOOP("chat", "Sneezing"),
                                         QT_TRANSLATE_NOOP("chat", "Sorry"),
                                         QT_TRANSLATE_NOOP("chat", "Welcome"),
                                         QT_TRANSLATE_NOOP("chat", "Yeehaa"),
                                         QT_TRANSLATE_NOOP("chat", "Yippee"),
                                         QT_TRANSLATE_NOOP("chat", "Oh No"),
                                         QT_TRANSLATE_NOOP("chat", "Applause"),
                                         QT_TRANSLATE_NOOP("chat", "Honk"),
                                         QT_TRANSLATE_NOOP("chat", "Oooh"),
                                         QT_TRANSLATE_NOOP("chat", "Razzberry"),
                                         QT_TRANSLATE_NOOP("chat", "Cheer"),
                                         QT_TRANSLATE_NOOP("chat", "Woman Laughing"),
                                         QT_TRANSLATE_NOOP("chat", "Man Laughing"),
                                         QT_TRANSLATE_NOOP("chat", "Crying")};
    // Made afresh, so a caption always speaks the language in force.
    static QStringList captions;
    captions.clear();
    for (const char* text : source)
        captions.append(QCoreApplication::translate("chat", text));
    return captions;
}

QString chatterCaption(const QString& soundName) {
    if (!soundName.startsWith(QLatin1String("wave"), Qt::CaseInsensitive)) return {};
    const QString digits = soundName.mid(4);
    bool ok = false;
    const int n = digits.toInt(&ok);
    // "wave13" only: no sign, no blanks, no leading zero.
    if (!ok || n < 1 || n > ChatterCount || digits != QString::number(n)) return {};
    return chatterCaptions().at(n);
}

} // namespace chat
