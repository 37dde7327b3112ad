#pragma once
// Small helpers the benchmarks share.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

// Runs the event loop until done() holds or ms have passed; false on timeout.
template <class Pred> bool spin(Pred done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// This process's resident memory in KiB, or -1 where /proc cannot tell.
inline long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
