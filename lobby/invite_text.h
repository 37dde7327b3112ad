#pragma once
// The text of an invite sent as a private message: a line another chat
// program shows as it is, with the invite link in it, which Kelvoa finds
// again when the message carries no invite element of its own.
#include <QString>

namespace lobby {

inline constexpr int MaxInviteLinkChars = 300;

QString inviteBody(const QString& from, const QString& link);
// The first "kelvoa://" word of 'body', or empty.
QString linkInBody(const QString& body);

} // namespace lobby
