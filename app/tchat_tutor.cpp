// The tutor: in a game against the computer, a move that gives away at least
// a mistake's worth of winning chance is held back with a question before it
// is sent. The judgement is Expert's, exact wherever the table reaches.
#include "game_review.h"
#include "levels.h"
#include "tchat.h"

#include <algorithm>

bool Tchat::tutorAllows(int seat, int chip, int points) {
    // The computer takes seat 2 by that name when nobody sits there.
    if (!Tutor1->isChecked() || label_playername2->text() != QLatin1String("Klot")) return true;
    if (!rules::isSeat(seat) || !rules::isChip(chip)) return true;
    const board::BoardModel& m = turnflow->model();
    rules::Position pos;
    for (int s = 1; s <= rules::SeatCount; ++s)
        for (int c = 0; c < rules::ChipCount; ++c)
            pos.of(s)[static_cast<unsigned>(c)] =
                static_cast<std::uint8_t>(m.seat(s).chips[static_cast<unsigned>(c)]);
    const auto table = levels::perfectTable();
    const std::vector<levels::MoveValue> moves =
        levels::expertMoveValues(pos, seat, points, table.get());
    const int from = pos.of(seat)[static_cast<unsigned>(chip - 1)];
    const auto played =
        std::find_if(moves.begin(), moves.end(), [from](const auto& v) { return v.from == from; });
    const auto best = std::max_element(
        moves.begin(), moves.end(), [](const auto& a, const auto& b) { return a.value < b.value; });
    if (played == moves.end() || best == moves.end()) return true;
    const double loss = 100.0 * (best->value - played->value);
    if (loss < review::MistakeFrom) return true;
    const auto square = [](int q) {
        return q == rules::Start ? tr("start") : q == rules::Home ? tr("home") : QString::number(q);
    };
    const QString text =
        tr("Moving from %1 to %2 gives away %3 points of your winning chance (%4 % instead of "
           "%5 %).\n\nPlay it anyway, think again, or see the best move?")
            .arg(square(from), square(std::min(from + points, int(rules::Home))))
            .arg(loss, 0, 'f', 1)
            .arg(100.0 * played->value, 0, 'f', 1)
            .arg(100.0 * best->value, 0, 'f', 1);
    const int answer =
        dialogs_->choose(this, text, {tr("Play Anyway"), tr("Rethink"), tr("Show Best")});
    if (answer == 0) return true;
    if (answer == 2)
        view->label_error->setText(
            tr("Best: from %1 to %2")
                .arg(square(best->from), square(std::min(best->from + points, int(rules::Home)))));
    return false;
}
