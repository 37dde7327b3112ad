// The main window for those who hear it: names for the controls that show
// only a picture or a short mark, the board's reader tied to the game, and
// every transcript line said as it is added.
#include "board_accessible.h"
#include "tchat.h"
#include "tchat_link.h"

void Tchat::buildAccess() {
    mychat->setAccessibleName(tr("Chat input"));
    mainchat->setAccessibleName(tr("Chat transcript"));
    button_smilies->setAccessibleName(tr("Smileys"));
    b_phrase10->setAccessibleName(tr("Chatter sounds"));
    panel_board->setAccessibleName(tr("Game table"));
    view->reader->attach(turnflow->model(), link_.get());
}

void Tchat::refreshAccess() {
    if (view && view->reader) view->reader->refresh();
}

void Tchat::announceLine(const QString& line) {
    if (!view || !view->reader) return;
    // The seat number before '+' picks the colour; the rest is what shows.
    const qsizetype plus = line.indexOf(QLatin1Char('+'));
    view->reader->announcer()->announce(plus < 0 ? line : line.mid(plus + 1));
}
