#pragma once
// Messages received by a raw test peer, framed at the terminator, with the
// waits the tests need.
#include <QByteArray>
#include <QList>

#include <deque>
#include <functional>

#include "framing.h"

class Inbox {
public:
    using Pump = std::function<void(Inbox&)>; // reads what arrived into the inbox

    void feed(const QByteArray& bytes) { framer_.feed(bytes, messages_); }
    // Waits for a message starting with 'prefix'; it and everything before it
    // are removed. Empty when none came in time.
    QByteArray waitForPrefix(const Pump& pump, const QByteArray& prefix, int timeoutMs);
    // Waits until at least n messages are waiting.
    bool waitFor(const Pump& pump, int n, int timeoutMs);
    QList<QByteArray> take();

private:
    wire::Framer framer_;
    std::deque<QByteArray> messages_;
};
