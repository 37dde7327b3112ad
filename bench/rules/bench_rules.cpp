// Plays complete games between two computer players through the same calls
// the host makes (startgame, rolldice, movepiece, findplayer), without
// sockets or timers, and prints figures. Nothing here asserts a timing.
#include "dice.h"
#include "rules_game.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace rules;

namespace {

struct Tally {
    long games = 0;
    long turns = 0; // a seat's turn begins: at the start and at every pass
    long rolls = 0;
    long moves = 0;
    long captures = 0;
    long seat1Wins = 0;
};

// One game to its end on `g`; the winner is the seat that moved last.
void playGame(Game& g, DiceSource& dice, Tally& t) {
    int seat = g.startgame();
    ++t.turns;
    for (;;) {
        const RollOutcome r = g.rolldice(seat, dice);
        ++t.rolls;
        if (!r.canMove) {
            seat = g.findplayer();
            ++t.turns;
            continue;
        }
        const MoveOutcome m = g.movepiece(seat, g.computermove(seat));
        ++t.moves;
        t.captures += m.move.capture;
        if (m.win) {
            t.seat1Wins += seat == 1;
            ++t.games;
            return;
        }
        if (!m.rollAgain) ++t.turns;
        seat = m.nextplayer;
    }
}

void report(const char* title, const Tally& t, double seconds) {
    std::printf("%s\n", title);
    std::printf("  games                 %ld in %.3f s = %.0f games/s\n", t.games, seconds,
                t.games / seconds);
    std::printf("  turns per game        %.2f\n", double(t.turns) / t.games);
    std::printf("  rolls per game        %.2f\n", double(t.rolls) / t.games);
    std::printf("  moves per game        %.2f (%.0f moves/s)\n", double(t.moves) / t.games,
                t.moves / seconds);
    std::printf("  captures per game     %.2f\n", double(t.captures) / t.games);
    std::printf("  seat 1 wins           %.2f %%\n", 100.0 * t.seat1Wins / t.games);
}

template <typename Play> double timed(Play play) {
    const auto begin = std::chrono::steady_clock::now();
    play();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

} // namespace

int main(int argc, char** argv) {
    const long games = argc > 1 ? std::atol(argv[1]) : 100000;
    std::printf("rules core, computer against computer, %ld games per run, one core\n\n", games);

    {
        // A fresh game each time: seat 1 always begins.
        SeededDice dice(1);
        Tally t;
        const double s = timed([&] {
            for (long i = 0; i < games; ++i) {
                Game g;
                playGame(g, dice, t);
            }
        });
        report("fresh games (seat 1 begins every game)", t, s);
    }
    {
        // One game value reused: the loser begins the next game, as on the host.
        SeededDice dice(2);
        Game g;
        Tally t;
        const double s = timed([&] {
            for (long i = 0; i < games; ++i)
                playGame(g, dice, t);
        });
        report("a series (the loser begins the next game)", t, s);
    }
    {
        // The process-wide generator behind the host's own dice.
        RandomDice dice;
        Tally t;
        const double s = timed([&] {
            for (long i = 0; i < games; ++i) {
                Game g;
                playGame(g, dice, t);
            }
        });
        report("fresh games on the process-wide generator", t, s);
    }
    return 0;
}
