#include "address_kind.h"

#include <QDeadlineTimer>
#include <QNetworkInterface>
#include <QRegularExpression>

namespace {

bool inV4(quint32 a, quint32 net, int bits) {
    const quint32 mask = bits == 0 ? 0 : ~quint32(0) << (32 - bits);
    return (a & mask) == (net & mask);
}

constexpr quint32 v4(int a, int b, int c, int d) {
    return quint32(a) << 24 | quint32(b) << 16 | quint32(c) << 8 | quint32(d);
}

AddressKind kindV4(quint32 a) {
    if (inV4(a, v4(127, 0, 0, 0), 8)) return AddressKind::Loopback;
    if (inV4(a, v4(10, 0, 0, 0), 8) || inV4(a, v4(172, 16, 0, 0), 12) ||
        inV4(a, v4(192, 168, 0, 0), 16))
        return AddressKind::Private;
    if (inV4(a, v4(100, 64, 0, 0), 10)) return AddressKind::Shared;
    if (inV4(a, v4(169, 254, 0, 0), 16)) return AddressKind::LinkLocal;
    // "This network", multicast, and the reserved block with the broadcast address.
    if (inV4(a, 0, 8) || inV4(a, v4(224, 0, 0, 0), 4) || inV4(a, v4(240, 0, 0, 0), 4))
        return AddressKind::Unusable;
    return AddressKind::Global;
}

} // namespace

AddressKind addressKind(const QHostAddress& a) {
    bool mapped = false;
    const quint32 inner = a.toIPv4Address(&mapped); // also reads ::ffff:a.b.c.d
    if (mapped) return kindV4(inner);
    if (a.protocol() != QAbstractSocket::IPv6Protocol) return AddressKind::Unusable;
    const Q_IPV6ADDR b = a.toIPv6Address();
    if (a.isLoopback()) return AddressKind::Loopback;
    if (b[0] == 0xfe && (b[1] & 0xc0) == 0x80) return AddressKind::LinkLocal;
    // Unique local addresses, and the site-local ones they replaced.
    if ((b[0] & 0xfe) == 0xfc || (b[0] == 0xfe && (b[1] & 0xc0) == 0xc0))
        return AddressKind::Private;
    // Only 2000::/3 is handed out on the internet; the rest is multicast,
    // unspecified, translation prefixes or not yet given to anybody.
    if ((b[0] & 0xe0) == 0x20) return AddressKind::Global;
    return AddressKind::Unusable;
}

QHostAddress strictIPv4(const QByteArray& text) {
    static const QRegularExpression dotted(
        QStringLiteral("^(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])"
                       "(\\.(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])){3}$"));
    const QString s = QString::fromLatin1(text);
    if (!dotted.match(s).hasMatch()) return {};
    return QHostAddress(s);
}

QList<QHostAddress> globalIPv6Addresses() {
    QList<QHostAddress> stable, temporary;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        if (!(i.flags() & QNetworkInterface::IsUp) || (i.flags() & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            QHostAddress a = e.ip();
            if (a.protocol() != QAbstractSocket::IPv6Protocol ||
                addressKind(a) != AddressKind::Global ||
                (e.isLifetimeKnown() && e.preferredLifetime().hasExpired()))
                continue;
            a.setScopeId(QString());
            QList<QHostAddress>& to = e.isTemporary() ? temporary : stable;
            if (!stable.contains(a) && !temporary.contains(a)) to << a;
        }
    }
    return stable + temporary;
}
