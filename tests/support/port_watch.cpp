#include "port_watch.h"

#include <QFile>

bool listeningOn(quint16 port) {
    // "sl local_address rem_address st ...", the local address as
    // <hex address>:<hex port>; state 0A is LISTEN.
    for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile f(QString::fromLatin1(table));
        if (!f.open(QIODevice::ReadOnly)) continue;
        f.readLine(); // the heading
        while (!f.atEnd()) {
            const QList<QByteArray> fields = f.readLine().simplified().split(' ');
            if (fields.size() < 4 || fields[3] != "0A") continue;
            const QByteArray local = fields[1];
            bool ok = false;
            if (local.mid(local.lastIndexOf(':') + 1).toUShort(&ok, 16) == port && ok) return true;
        }
    }
    return false;
}

QList<quint16> loopbackListeners() {
    QList<quint16> ports;
    QFile f(QStringLiteral("/proc/net/tcp"));
    if (!f.open(QIODevice::ReadOnly)) return ports;
    f.readLine();
    while (!f.atEnd()) {
        const QList<QByteArray> fields = f.readLine().simplified().split(' ');
        if (fields.size() < 4 || fields[3] != "0A" || !fields[1].startsWith("0100007F:")) continue;
        bool ok = false;
        const quint16 port = fields[1].mid(9).toUShort(&ok, 16);
        if (ok) ports << port;
    }
    return ports;
}
