#include "invite_link.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cstring>

namespace invite {

namespace {

bool isIPv6(const QString& text) {
    return QHostAddress(text).protocol() == QAbstractSocket::IPv6Protocol;
}

bool isHostName(const QString& text) {
    static const QRegularExpression hostName(
        QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9_.-]{0,252}[A-Za-z0-9])?$"));
    return hostName.match(text).hasMatch();
}

// What a refusal echoes of the text: short, and on one line whatever it held.
QString shortened(const QString& text) {
    QString out = text.size() > 40 ? text.left(37) + QStringLiteral("...") : text;
    for (QChar& c : out)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph || c.category() == QChar::Other_Format)
            c = QLatin1Char('?');
    return out;
}

std::optional<quint16> readPort(const QString& text) {
    if (text.isEmpty() || text.size() > 5) return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    const int port = text.toInt();
    if (port < 1 || port > 65535) return std::nullopt;
    return quint16(port);
}

std::optional<Address> fail(QString* problem, const QString& text) {
    if (problem) *problem = text;
    return std::nullopt;
}

// A port that is no number is also told apart in *badPort, for the invite's own words.
std::optional<Address> readAddressPart(const QString& a, bool bareIPv6Allowed, QString* problem,
                                       QString* badPort = nullptr) {
    const QString notAnAddress =
        QCoreApplication::translate(
            "invite", "\"%1\" is not an address: give a name such as host.example, a number "
                      "such as 192.168.1.20, or an IPv6 address such as [2001:db8::5].")
            .arg(shortened(a));
    // The address parser forgives blanks inside brackets; an address has none.
    for (const QChar c : a)
        if (c.isSpace() || c.category() == QChar::Other_Control) return fail(problem, notAnAddress);
    Address out;
    QString host = a;
    QString port;
    if (a.startsWith(QLatin1Char('['))) {
        const int close = a.indexOf(QLatin1Char(']'));
        if (close < 0) return fail(problem, notAnAddress);
        host = a.mid(1, close - 1);
        const QString after = a.mid(close + 1);
        if (!isIPv6(host)) return fail(problem, notAnAddress);
        if (!after.isEmpty()) {
            if (!after.startsWith(QLatin1Char(':'))) return fail(problem, notAnAddress);
            port = after.mid(1);
            out.hasPort = true;
        }
    } else if (a.count(QLatin1Char(':')) >= 2) {
        if (!bareIPv6Allowed || !isIPv6(a)) return fail(problem, notAnAddress);
    } else {
        const int colon = a.indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            host = a.left(colon);
            port = a.mid(colon + 1);
            out.hasPort = true;
        }
        const QHostAddress literal(host);
        if (literal.protocol() != QAbstractSocket::IPv4Protocol && !isHostName(host))
            return fail(problem, notAnAddress);
    }
    if (out.hasPort) {
        const auto p = readPort(port);
        if (!p && badPort)
            *badPort = shortened(port).isNull() ? QStringLiteral("") : shortened(port);
        if (!p)
            return fail(problem, QCoreApplication::translate(
                                     "invite", "The port \"%1\" is not a number from 1 to 65535.")
                                     .arg(shortened(port)));
        out.port = *p;
    }
    out.host = host;
    return out;
}

} // namespace

std::optional<Address> readAddress(const QString& text, QString* problem) {
    const QString a = text.trimmed();
    if (a.isEmpty())
        return fail(problem,
                    QCoreApplication::translate("invite", "Please enter the host's address."));
    return readAddressPart(a, true, problem);
}

QString addressText(const Address& a) {
    const bool v6 = a.host.contains(QLatin1Char(':'));
    if (!a.hasPort && a.port == DefaultPort) return a.host;
    const QString host = v6 ? QStringLiteral("[%1]").arg(a.host) : a.host;
    return host + QLatin1Char(':') + QString::number(a.port);
}

bool looksLikeLink(const QString& text) {
    return text.contains(QLatin1String("://")) ||
           text.startsWith(QLatin1String("kelvoa:"), Qt::CaseInsensitive);
}

std::optional<Link> readLink(const QString& text, QString* problem) {
    auto refuse = [problem](const QString& why) -> std::optional<Link> {
        if (problem) *problem = why;
        return std::nullopt;
    };
    const QString t = text.trimmed();
    if (t.toUtf8().size() > MaxLinkBytes)
        return refuse(QCoreApplication::translate(
            "invite", "This invite link is too long to be a Kelvoa invite."));
    if (!t.startsWith(QLatin1String(Scheme), Qt::CaseInsensitive))
        return refuse(QCoreApplication::translate(
                          "invite", "\"%1\" is not a Kelvoa invite: an invite begins with "
                                    "kelvoa://")
                          .arg(shortened(t)));
    const QString rest = t.mid(int(qstrlen(Scheme)));
    const int slash = rest.indexOf(QLatin1Char('/'));
    const QString authority = slash < 0 ? rest : rest.left(slash);
    const QString path = slash < 0 ? QString() : rest.mid(slash + 1);
    if (authority.isEmpty())
        return refuse(QCoreApplication::translate("invite", "The invite names no host to join."));
    QString why;
    QString badPort;
    const auto address = readAddressPart(authority, false, &why, &badPort);
    if (!address)
        return refuse(
            !badPort.isNull()
                ? QCoreApplication::translate(
                      "invite", "The invite's port \"%1\" is not a number from 1 to 65535.")
                      .arg(badPort)
                : QCoreApplication::translate("invite", "The invite's address: ") + why);
    Link link{*address, {}};
    if (path.isEmpty()) return link;
    if (path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('?')) ||
        path.contains(QLatin1Char('#')))
        return refuse(QCoreApplication::translate(
            "invite", "The invite has parts after its code that Kelvoa does not "
                      "know: it should end after the code."));
    const QString code = path.toUpper();
    if (!validCode(code))
        return refuse(QCoreApplication::translate(
                          "invite", "The invite's code \"%1\" is not a Kelvoa code: ask the "
                                    "host for the invite again.")
                          .arg(shortened(path)));
    link.code = code;
    return link;
}

QString linkText(const Link& link) {
    const bool v6 = link.address.host.contains(QLatin1Char(':'));
    QString out = QLatin1String(Scheme) +
                  (v6 ? QStringLiteral("[%1]").arg(link.address.host) : link.address.host);
    if (link.address.port != DefaultPort)
        out += QLatin1Char(':') + QString::number(link.address.port);
    if (!link.code.isEmpty()) out += QLatin1Char('/') + link.code;
    return out;
}

QString inviteLine(const Link& link) {
    return QCoreApplication::translate("invite", "Join my Kelvoa game: ") + linkText(link);
}

bool validCode(const QString& code) {
    if (code.size() != CodeLength) return false;
    for (const QChar c : code)
        if (c.unicode() == 0 || c.unicode() > 127 || !std::strchr(CodeAlphabet, char(c.unicode())))
            return false;
    return true;
}

QString makeCode() {
    const int n = int(qstrlen(CodeAlphabet));
    QString code;
    for (int i = 0; i < CodeLength; ++i)
        code += QLatin1Char(CodeAlphabet[QRandomGenerator::system()->bounded(n)]);
    return code;
}

} // namespace invite
