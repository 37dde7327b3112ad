#include "port_mapping.h"

#include <QThread>

#include "router_worker.h"

PortMapper::PortMapper(QObject* parent)
    : QObject(parent), thread_(new QThread), worker_(new RouterWorker(generation_)) {
    thread_->setObjectName(QStringLiteral("router"));
    worker_->moveToThread(thread_);
    thread_->start();
    // Renewed at half time, so one lost answer still leaves time for the next.
    renew_.setInterval(LeaseSeconds / 2 * 1000);
    connect(&renew_, &QTimer::timeout, this, [this] {
        const int gen = generation_.load();
        QMetaObject::invokeMethod(
            worker_,
            [this, gen] {
                const Reachability r = worker_->renew(gen);
                QMetaObject::invokeMethod(
                    this,
                    [this, r, gen] {
                        if (gen == generation_.load()) take(r);
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
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
    const int gen = ++generation_;
    renew_.start();
    take({Reachability::Asking, {}, {}, {}});
    QMetaObject::invokeMethod(
        worker_,
        [this, port, gen] {
            const Reachability r = worker_->open(port, gen);
            QMetaObject::invokeMethod(
                this,
                [this, r, gen] {
                    if (gen == generation_.load()) take(r);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void PortMapper::close() {
    ++generation_;
    renew_.stop();
    QMetaObject::invokeMethod(
        worker_, [this] { worker_->close(); }, Qt::QueuedConnection);
    take({});
}

void PortMapper::take(const Reachability& r) {
    if (r == state_) return;
    state_ = r;
    // One line for whoever runs a host without looking at its window.
    static const char* const Said[] = {"not asked", "asking", "forwarded",     "no router answered",
                                       "refused",   "taken",  "shared address"};
    if (r.state == Reachability::NotAsked || r.state == Reachability::Asking) {
        emit changed(state_);
        return;
    }
    QString line = QStringLiteral("Kelvoa router: ") + QLatin1String(Said[r.state]);
    if (!r.way.isEmpty()) line += QStringLiteral(" (%1)").arg(r.way);
    if (!r.external.isNull())
        line += QStringLiteral(", internet address %1").arg(r.external.toString());
    if (!r.otherComputer.isEmpty()) line += QStringLiteral(", to %1").arg(r.otherComputer);
    qInfo("%s", qPrintable(line));
    emit changed(state_);
}
