#include "port_mapping.h"

#include <QThread>

#include "router_worker.h"

PortMapper::PortMapper(QObject* parent)
    : QObject(parent), thread_(new QThread), worker_(new RouterWorker(generation_)) {
    thread_->setObjectName(QStringLiteral("router"));
    worker_->moveToThread(thread_);
    // Queued across the threads, and cut when the mapper goes: a late answer
    // never reaches a mapper that is gone.
    connect(worker_, &RouterWorker::answered, this, [this](const Reachability& r, int gen) {
        if (gen == generation_->load()) take(r);
    });
    thread_->start();
    // Renewed at half time, so one lost answer still leaves time for the next.
    renew_.setInterval(LeaseSeconds / 2 * 1000);
    connect(&renew_, &QTimer::timeout, this, [this] {
        RouterWorker* w = worker_;
        const int gen = generation_->load();
        QMetaObject::invokeMethod(
            w, [w, gen] { emit w->answered(w->renew(gen), gen); }, Qt::QueuedConnection);
    });
}

PortMapper::~PortMapper() {
    close();
    QMetaObject::invokeMethod(
        worker_, [] { QThread::currentThread()->quit(); }, Qt::QueuedConnection);
    if (thread_->wait(ExitWaitMs)) {
        delete worker_;
        delete thread_;
    }
    // Otherwise a router holds the thread in a call: the program ends anyway,
    // and the thread with it.
}

void PortMapper::open(quint16 port) {
    const int gen = ++*generation_;
    renew_.start();
    take({Reachability::Asking, {}, {}, {}});
    RouterWorker* w = worker_;
    QMetaObject::invokeMethod(
        w, [w, port, gen] { emit w->answered(w->open(port, gen), gen); }, Qt::QueuedConnection);
}

void PortMapper::close() {
    ++*generation_;
    renew_.stop();
    RouterWorker* w = worker_;
    QMetaObject::invokeMethod(
        w, [w] { w->close(); }, Qt::QueuedConnection);
    take({});
}

void PortMapper::take(const Reachability& r) {
    // A router that grants less than asked is renewed at half its time.
    if (renew_.isActive())
        renew_.setInterval(
            qBound(MinRenewSeconds, (r.lease > 0 ? r.lease : LeaseSeconds) / 2, LeaseSeconds / 2) *
            1000);
    if (r == state_) return;
    state_ = r;
    if (r.state != Reachability::NotAsked && r.state != Reachability::Asking) {
        // One line for whoever runs a host without looking at its window.
        static const char* const Said[] = {"not asked",          "asking",  "forwarded",
                                           "no router answered", "refused", "taken",
                                           "shared address"};
        QString line = QStringLiteral("Kelvoa router: ") + QLatin1String(Said[r.state]);
        if (!r.way.isEmpty()) line += QStringLiteral(" (%1)").arg(r.way);
        if (!r.external.isNull())
            line += QStringLiteral(", internet address %1").arg(r.external.toString());
        if (!r.otherComputer.isEmpty()) line += QStringLiteral(", to %1").arg(r.otherComputer);
        qInfo("%s", qPrintable(line));
    }
    emit changed(state_);
}
