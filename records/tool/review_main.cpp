// kelvoa-review RECORD: every move of a game record rated by the strongest
// level, for scripts. One line per turn in which a chip could move, then one
// line per seat; a damaged record is named on stderr with exit status 1.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>
#include <thread>

#include "game_review.h"
#include "levels.h"
#include "record_review.h"

namespace {
int usage() {
    std::fputs("usage: kelvoa-review [--search-only] RECORD\n"
               "Rates every move of a Kelvoa game record as the Expert level sees it.\n",
               stderr);
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool searchOnly = args.removeAll(QStringLiteral("--search-only")) > 0;
    if (args.size() != 1 || args[0].startsWith(QLatin1String("-"))) return usage();
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kelvoa-review: cannot read %s\n", qPrintable(args[0]));
        return 1;
    }
    const QString text = QString::fromUtf8(file.read(4 << 20));
    const board::ReadRecord read = board::readRecord(text);
    if (board::damaged(read, text)) {
        std::fprintf(stderr, "kelvoa-review: %s: line %d stopped the record: %s\n",
                     qPrintable(args[0]), read.stoppedAtLine, qPrintable(read.problem));
        return 1;
    }
    // The cached exact table when this user has one; the search without it.
    std::unique_ptr<solver::Table> table;
    if (!searchOnly) table = solver::load(levels::tableCachePath());
    const int threads = int(std::max(1u, std::min(4u, std::thread::hardware_concurrency())));

    QTextStream out(stdout);
    int before = 0; // turn lines of the games already reviewed
    for (const board::RecordedGame& game : read.games) {
        const review::Review r =
            review::reviewGame(board::reviewTurns(game), table.get(), threads);
        for (const review::Rating& m : r.ratings)
            out << before + m.turn + 1 << ' ' << m.seat << ' ' << m.points << " played "
                << m.playedFrom << '-' << m.playedTo << " best " << m.bestFrom << '-'
                << m.bestTo << " loss " << QString::number(m.loss(), 'f', 1) << '\n';
        for (int seat = 1; seat <= rules::SeatCount; ++seat) {
            const review::SeatSummary& s = r.seats[unsigned(seat - 1)];
            out << "seat " << seat << ": accuracy " << QString::number(s.accuracy(), 'f', 1)
                << "%, mistakes " << s.mistakes << ", blunders " << s.blunders << '\n';
        }
        before += int(game.turns.size());
    }
    return 0;
}
