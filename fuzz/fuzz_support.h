#pragma once
// What the harnesses share: running the event loop until something has
// happened, and the leak check after each input (or every Nth) for the
// harnesses that keep windows from one input to the next.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <sanitizer/lsan_interface.h>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

// Runs the event loop until 'done' holds or 'ms' have passed; false on time-out.
template <class Done> bool waitFor(Done done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A harness that keeps a window for many inputs frees what one input made
// only when the window goes, so libFuzzer's own check (more allocations than
// frees during one input) cannot tell a leak from what the window holds, and
// gives up after a while. KELVOA_FUZZ_LEAKS=each searches the whole heap
// after every input instead: anything no longer reachable is a leak of that
// input, which is kept as the finding. A search costs a few hundred
// milliseconds with a window's heap, so KELVOA_FUZZ_LEAKS=N searches after
// every Nth input (CI's short run): a leak is then one of the last N inputs',
// and replaying them with "each" names it.
inline int leakCheckEvery() {
    static const int every = [] {
        const QByteArray v = qgetenv("KELVOA_FUZZ_LEAKS");
        return v == "each" ? 1 : qMax(0, v.toInt());
    }();
    return every;
}

inline void checkLeaks() {
    static int inputs = 0;
    if (leakCheckEvery() == 0 || ++inputs % leakCheckEvery() != 0) return;
    // What was deleted later is gone only once the deferred deletes ran.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (__lsan_do_recoverable_leak_check() != 0) {
        std::fputs("fuzz: memory leaked by this input or one of the last ones (see above)\n",
                   stderr);
        std::abort();
    }
}

} // namespace fuzz
