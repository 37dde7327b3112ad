#pragma once
// Getting the "Perfect" table onto this machine: load the cached file when it
// is whole and belongs to these rules, else solve it on threads of its own
// and cache it. The window's thread only polls the progress, so the game's
// messages keep their pace; what is done is published for the host and the
// chances bar through levels::publishPerfectTable().
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "solver.h"

namespace levels {

// Which layers this process solves when it has no table; tests choose a
// tiny one.
void setTableCoverage(int minHomeSum);
int tableCoverage();

// The process's table: the published one, else the cached file, else solved
// here, cached and published. One caller solves at a time and the others
// wait for it; any of them may give up through `cancel`, and then gets null
// with the reason in `why`. `solving` hears the progress while this caller
// solves (from its own thread).
std::shared_ptr<const solver::Table>
obtainPerfectTable(const std::string& path, int cover, const std::atomic<bool>* cancel,
                   const std::function<void(const solver::Progress&)>& solving,
                   std::string* why = nullptr);

} // namespace levels

class PerfectTable : public QObject {
    Q_OBJECT
public:
    explicit PerfectTable(QObject* parent = nullptr);
    ~PerfectTable() override; // cancels and waits

    // Where the table is cached; the per-user data folder unless set.
    QString path;
    // Which layers to solve; tests choose a tiny table.
    int minHomeSum = levels::tableCoverage();

    // Loads or builds unless the table is there or on its way.
    void ensure();
    void cancel();
    bool running() const { return worker_.joinable(); }

signals:
    void loading();
    // The solver started, and then how far it is (0..1) and the seconds left
    // (negative while unknown).
    void building();
    void progress(double fraction, double secondsLeft);
    void finished(bool ready, const QString& why);

private:
    void poll();

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{false};
    std::atomic<bool> ok_{false};
    std::atomic<bool> solving_{false};
    std::atomic<double> fraction_{0};
    std::atomic<double> secondsLeft_{-1};
    bool buildingAnnounced_ = false;
    std::string why_;
    double startedAt_ = 0;
    QTimer poll_;
};
