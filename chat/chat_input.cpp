#include "chat_input.h"

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
    static const QStringList captions = {
        QStringLiteral("<Cancel>"),       QStringLiteral("Doh"),
        QStringLiteral("Cough"),          QStringLiteral("Hello"),
        QStringLiteral("Thank You"),      QStringLiteral("Where have you been?"),
        QStringLiteral("Snoring"),        QStringLiteral("Sneezing"),
        QStringLiteral("Sorry"),          QStringLiteral("Welcome"),
        QStringLiteral("Yeehaa"),         QStringLiteral("Yippee"),
        QStringLiteral("Oh No"),          QStringLiteral("Applause"),
        QStringLiteral("Honk"),           QStringLiteral("Oooh"),
        QStringLiteral("Razzberry"),      QStringLiteral("Cheer"),
        QStringLiteral("Woman Laughing"), QStringLiteral("Man Laughing"),
        QStringLiteral("Crying")};
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
