#include "invite_gate.h"

#include <QElapsedTimer>

void InviteGate::setCode(const QByteArray& code) {
    code_ = code;
    records_.clear();
}

qint64 InviteGate::clock() const {
    if (now) return now();
    static QElapsedTimer steady;
    if (!steady.isValid()) steady.start();
    // Offset so that a fresh clock is never mistaken for "no block".
    return steady.elapsed() + BlockMs + WindowMs;
}

QByteArray InviteGate::addressKey(const QHostAddress& from) {
    bool v4 = false;
    const quint32 ip4 = from.toIPv4Address(&v4);
    if (v4) return QHostAddress(ip4).toString().toLatin1();
    const Q_IPV6ADDR ip6 = from.toIPv6Address();
    return QByteArray(reinterpret_cast<const char*>(ip6.c), 8).toHex();
}

void InviteGate::forgetOld(qint64 t) {
    for (auto it = records_.begin(); it != records_.end();) {
        Record& r = it.value();
        while (!r.wrong.empty() && t - r.wrong.front() >= WindowMs)
            r.wrong.pop_front();
        if (r.wrong.empty() && r.blockedUntil <= t)
            it = records_.erase(it);
        else
            ++it;
    }
}

bool InviteGate::blocked(const QHostAddress& from) {
    if (!isPrivate()) return false;
    const auto it = records_.constFind(addressKey(from));
    return it != records_.cend() && it->blockedUntil > clock();
}

InviteGate::Verdict InviteGate::check(const QHostAddress& from, const QByteArray& code) {
    if (!isPrivate()) return Admitted;
    const qint64 t = clock();
    if (blocked(from)) return Blocked;
    if (code == code_) return Admitted;
    forgetOld(t);
    if (records_.size() >= MaxAddresses) {
        auto oldest = records_.begin();
        for (auto it = records_.begin(); it != records_.end(); ++it)
            if (it->lastSeen < oldest->lastSeen) oldest = it;
        records_.erase(oldest);
    }
    Record& r = records_[addressKey(from)];
    r.lastSeen = t;
    r.wrong.push_back(t);
    if (int(r.wrong.size()) >= MaxWrongPerMinute) {
        r.blockedUntil = t + BlockMs;
        r.wrong.clear();
    }
    return Wrong;
}
