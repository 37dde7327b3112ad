#include "board_pictures.h"

#include <QPainter>

namespace board {

static QPixmap load(const QString& name) {
    return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}

BoardPictures::BoardPictures()
    : board(load(QStringLiteral("board"))), path1(load(QStringLiteral("path1"))),
      path2(load(QStringLiteral("path2"))), turn(load(QStringLiteral("turn"))),
      eyes(load(QStringLiteral("eyes"))), buttonRoll(load(QStringLiteral("button_roll"))),
      buttonStart(load(QStringLiteral("button_start"))), route1(load(QStringLiteral("route1"))),
      route2(load(QStringLiteral("route2"))) {
    imagelist_chips[0] = load(QStringLiteral("chip_disc1"));
    imagelist_chips[1] = load(QStringLiteral("chip_disc2"));
    for (int chip = 1; chip <= 7; ++chip)
        imagelist_chips[chip + 1] = load(QStringLiteral("chip_dots%1").arg(chip));
    imagelist_pieces[0] = load(QStringLiteral("die_plain"));
    imagelist_pieces[1] = load(QStringLiteral("die_marked"));
    imagelist_pieces[2] = load(QStringLiteral("die_empty"));
}

QPixmap BoardPictures::composeChip(int seat, int chip) const {
    QPixmap chipPicture(24, 24);
    chipPicture.fill(Qt::transparent);
    QPainter p(&chipPicture);
    p.drawPixmap(0, 0, imagelist_chips[seat == 2 ? 1 : 0]);
    p.drawPixmap(0, 0, imagelist_chips[chip + 1]);
    return chipPicture;
}

const QPixmap& BoardPictures::die(int value) const {
    return imagelist_pieces[(value == 0 || value == 1) ? value : 2];
}

} // namespace board
