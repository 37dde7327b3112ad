#include "game_element.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace lobby {

namespace {
// One attribute, exactly once, no longer than 'maxChars'.
std::optional<QString> once(const Element& e, const char* key, int maxChars) {
    const QString k = QLatin1String(key);
    if (e.attributeCount(k) != 1) return std::nullopt;
    const QString v = e.attribute(k);
    if (v.size() > maxChars) return std::nullopt;
    return v;
}

std::optional<int> number(const Element& e, const char* key, int max) {
    const auto text = once(e, key, 2);
    if (!text || text->isEmpty()) return std::nullopt;
    for (QChar c : *text)
        if (!c.isDigit() || c.unicode() > '9') return std::nullopt;
    const int n = text->toInt();
    if (n < 0 || n > max) return std::nullopt;
    return n;
}

std::optional<bool> flag(const Element& e, const char* key) {
    const auto n = number(e, key, 1);
    if (!n) return std::nullopt;
    return *n == 1;
}

bool printable(const QString& s) {
    for (QChar c : s)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    return true;
}
} // namespace

bool validAddress(const QString& text) {
    if (text.isEmpty() || text.size() > MaxAddressChars) return false;
    QString host;
    QString port;
    if (text.startsWith(QLatin1Char('['))) {
        const int close = text.indexOf(QLatin1String("]:"));
        if (close < 0) return false;
        host = text.mid(1, close - 1);
        port = text.mid(close + 2);
        QHostAddress a;
        if (!a.setAddress(host) || a.protocol() != QAbstractSocket::IPv6Protocol) return false;
    } else {
        const int colon = text.lastIndexOf(QLatin1Char(':'));
        if (colon <= 0) return false;
        host = text.left(colon);
        port = text.mid(colon + 1);
        static const QRegularExpression name(QStringLiteral(
            "^[A-Za-z0-9]([A-Za-z0-9-]{0,62})(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,62}))*$"));
        if (!name.match(host).hasMatch()) return false;
    }
    if (port.isEmpty() || port.size() > 5) return false;
    for (QChar c : port)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    const int p = port.toInt();
    return p >= 1 && p <= 65535;
}

QStringList joinOrder(const QStringList& addresses) {
    QStringList v6, rest;
    for (const QString& a : addresses)
        (a.startsWith(QLatin1Char('[')) ? v6 : rest).append(a);
    return v6 + rest;
}

std::optional<LobbyGame> readGame(const Element& e) {
    if (e.name != QLatin1String("game") || e.ns != QLatin1String(GameNs)) return std::nullopt;
    LobbyGame g;
    const auto jid = once(e, "jid", MaxJidChars);
    const auto name = once(e, "name", MaxGameNameChars);
    const auto version = once(e, "version", MaxVersionChars);
    const auto players = number(e, "players", MaxGamePlayers);
    const auto spys = number(e, "spys", MaxGameSpys);
    const auto running = flag(e, "running");
    const auto isPrivate = flag(e, "private");
    if (!jid || !name || !version || !players || !spys || !running || !isPrivate)
        return std::nullopt;
    // A full address: node@domain/resource, domain/resource at least.
    if (jid->isEmpty() || !jid->contains(QLatin1Char('/')) || !printable(*jid) ||
        jid->contains(QLatin1Char(' ')))
        return std::nullopt;
    if (name->trimmed().isEmpty() || !printable(*name) || !printable(*version)) return std::nullopt;
    g.jid = *jid;
    g.name = *name;
    g.version = *version;
    g.players = *players;
    g.spys = *spys;
    g.running = *running;
    g.isPrivate = *isPrivate;
    for (const Element& c : e.children) {
        if (c.name != QLatin1String("address") || c.ns != QLatin1String(GameNs)) continue;
        if (g.addresses.size() >= MaxAddresses || !c.children.isEmpty()) return std::nullopt;
        const QString a = c.text.trimmed();
        if (!validAddress(a)) return std::nullopt;
        if (!g.addresses.contains(a)) g.addresses.append(a);
    }
    return g;
}

Element gameElement(const LobbyGame& g) {
    Element e;
    e.name = QStringLiteral("game");
    e.ns = QLatin1String(GameNs);
    e.attributes = {
        {QStringLiteral("jid"), g.jid},
        {QStringLiteral("name"), g.name.left(MaxGameNameChars)},
        {QStringLiteral("players"), QString::number(g.players)},
        {QStringLiteral("spys"), QString::number(g.spys)},
        {QStringLiteral("running"), g.running ? QStringLiteral("1") : QStringLiteral("0")},
        {QStringLiteral("private"), g.isPrivate ? QStringLiteral("1") : QStringLiteral("0")},
        {QStringLiteral("version"), g.version.left(MaxVersionChars)}};
    for (const QString& a : g.addresses) {
        if (e.children.size() >= MaxAddresses) break;
        if (!validAddress(a)) continue;
        Element c;
        c.name = QStringLiteral("address");
        c.ns = e.ns;
        c.text = a;
        e.children.append(c);
    }
    return e;
}

} // namespace lobby
