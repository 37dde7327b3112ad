#include "invite_text.h"

#include <QRegularExpression>

namespace lobby {

QString inviteBody(const QString& from, const QString& link) {
    return QStringLiteral("%1 invites you to a game of Kelvoa: %2").arg(from, link);
}

QString linkInBody(const QString& body) {
    static const QRegularExpression word(QStringLiteral("kelvoa://\\S+"));
    const auto m = word.match(body.left(4 * MaxInviteLinkChars));
    return m.hasMatch() ? m.captured(0).left(MaxInviteLinkChars + 1) : QString();
}

} // namespace lobby
