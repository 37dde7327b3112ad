#include "perfect_table.h"

#include "levels.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <mutex>

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

std::atomic<int> coverage{solver::DefaultMinHomeSum};
std::timed_mutex solvingLock;
} // namespace

namespace levels {

void setTableCoverage(int minHomeSum) {
    coverage = minHomeSum;
}

int tableCoverage() {
    return coverage;
}

std::shared_ptr<const solver::Table>
obtainPerfectTable(const std::string& path, int cover, const std::atomic<bool>* cancel,
                   const std::function<void(const solver::Progress&)>& solving, std::string* why) {
    // Waits its turn without blocking a caller that gives up meanwhile.
    std::unique_lock lock(solvingLock, std::defer_lock);
    while (!lock.try_lock_for(std::chrono::milliseconds(100))) {
        if (cancel && cancel->load()) {
            if (why) *why = "cancelled";
            return nullptr;
        }
    }
    if (auto table = perfectTable()) return table; // another caller got it
    solver::LoadError error = solver::LoadError::None;
    std::shared_ptr<solver::Table> table = solver::load(path, &error, cover);
    if (!table) {
        // Missing, damaged, foreign or for other rules: solve it again.
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
        table = std::make_shared<solver::Table>(cover);
        if (!solver::build(*table, cancel, solving, SolverThreads)) {
            if (why) *why = "cancelled";
            return nullptr;
        }
        if (!solver::save(*table, path) && why) *why = "built, but the cache could not be written";
    }
    publishPerfectTable(table);
    return table;
}

} // namespace levels

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
        std::string why;
        const auto table = levels::obtainPerfectTable(
            file, cover, &cancel_,
            [this](const solver::Progress& p) {
                solving_ = true;
                fraction_ = p.fraction;
                secondsLeft_ = p.secondsLeft;
            },
            &why);
        why_ = why;
        if (!table) {
            done_ = true;
            return;
        }
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
