#include "perfect_table.h"

#include "levels.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {
constexpr int PollMs = 250;
// The machine stays usable for the game and everything else meanwhile.
constexpr int SolverThreads = 2;

double now() {
    return QDateTime::currentMSecsSinceEpoch() / 1000.0;
}
} // namespace

PerfectTable::PerfectTable(QObject* parent)
    : QObject(parent), path(QString::fromStdString(levels::tableCachePath())) {
    poll_.setInterval(PollMs);
    connect(&poll_, &QTimer::timeout, this, &PerfectTable::poll);
}

PerfectTable::~PerfectTable() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void PerfectTable::ensure() {
    if (levels::perfectTable() || worker_.joinable()) return;
    cancel_ = false;
    done_ = false;
    ok_ = false;
    solving_ = false;
    fraction_ = 0;
    secondsLeft_ = -1;
    buildingAnnounced_ = false;
    startedAt_ = now();
    const std::string file = QDir::toNativeSeparators(path).toStdString();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const int cover = minHomeSum;
    emit loading();
    worker_ = std::thread([this, file, cover] {
#ifdef __linux__
        // Below the window's thread, so the game's messages keep their pace;
        // the solver's own threads inherit it.
        // Never raises it, when the whole program already runs lower.
        const auto self = static_cast<id_t>(syscall(SYS_gettid));
        setpriority(PRIO_PROCESS, self, std::max(10, getpriority(PRIO_PROCESS, self)));
#endif
        solver::LoadError error = solver::LoadError::None;
        std::shared_ptr<solver::Table> table = solver::load(file, &error, cover);
        if (!table) {
            // Missing, damaged, foreign or for other rules: solve it again.
            solving_ = true;
            table = std::make_shared<solver::Table>(cover);
            const bool built = solver::build(
                *table, &cancel_,
                [this](const solver::Progress& p) {
                    fraction_ = p.fraction;
                    secondsLeft_ = p.secondsLeft;
                },
                SolverThreads);
            if (!built) {
                why_ = "cancelled";
                done_ = true;
                return;
            }
            if (!solver::save(*table, file)) why_ = "built, but the cache could not be written";
        }
        levels::publishPerfectTable(std::move(table));
        ok_ = true;
        done_ = true;
    });
    poll_.start();
}

void PerfectTable::cancel() {
    cancel_ = true;
}

void PerfectTable::poll() {
    if (solving_ && !buildingAnnounced_) {
        buildingAnnounced_ = true;
        startedAt_ = now();
        emit building();
    }
    if (done_) {
        poll_.stop();
        worker_.join();
        emit finished(ok_, QString::fromStdString(why_));
        return;
    }
    if (!solving_) return;
    const double f = fraction_;
    // Too early for the pace to mean anything.
    const double left = now() - startedAt_ > 2 ? secondsLeft_.load() : -1;
    emit progress(std::clamp(f, 0.0, 1.0), left);
}
