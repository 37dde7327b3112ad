#include "inbox.h"

#include <QDeadlineTimer>
#include <QTest>

QByteArray Inbox::waitForPrefix(const Pump& pump, const QByteArray& prefix, int timeoutMs) {
    QDeadlineTimer dl(timeoutMs);
    for (;;) {
        pump(*this);
        for (auto it = messages_.begin(); it != messages_.end(); ++it) {
            if (it->startsWith(prefix)) {
                QByteArray m = *it;
                messages_.erase(messages_.begin(), it + 1);
                return m;
            }
        }
        if (dl.hasExpired()) return {};
        QTest::qWait(2);
    }
}

bool Inbox::waitFor(const Pump& pump, int n, int timeoutMs) {
    QDeadlineTimer dl(timeoutMs);
    for (;;) {
        pump(*this);
        if (static_cast<int>(messages_.size()) >= n) return true;
        if (dl.hasExpired()) return false;
        QTest::qWait(2);
    }
}

QList<QByteArray> Inbox::take() {
    QList<QByteArray> out(messages_.begin(), messages_.end());
    messages_.clear();
    return out;
}
