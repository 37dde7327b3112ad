#include "board_pictures.h"

#include <QPainter>

namespace board {

namespace {
// Every picture, in the order the constructor takes them.
constexpr const char* Names[] = {
    "board",      "path1",      "path2",      "turn",       "eyes",       "button_roll",
    "button_start", "route1",   "route2",     "chip_disc1", "chip_disc2", "chip_dots1",
    "chip_dots2", "chip_dots3", "chip_dots4", "chip_dots5", "chip_dots6", "chip_dots7",
    "die_plain",  "die_marked", "die_empty"};

std::vector<QImage> decode() {
    std::vector<QImage> images;
    images.reserve(std::size(Names));
    for (const char* name : Names)
        images.emplace_back(QStringLiteral(":/images/%1.png").arg(QLatin1String(name)));
    return images;
}
} // namespace

std::future<std::vector<QImage>> BoardPictures::decodeElsewhere() {
    return std::async(std::launch::async, decode);
}

BoardPictures::BoardPictures() : BoardPictures(decode()) {}

BoardPictures::BoardPictures(std::vector<QImage> decoded) {
    auto next = decoded.begin();
    auto take = [&] { return QPixmap::fromImage(std::move(*next++)); };
    for (QPixmap* p : {&board, &path1, &path2, &turn, &eyes, &buttonRoll, &buttonStart, &route1, &route2})
        *p = take();
    for (QPixmap& chip : imagelist_chips)
        chip = take();
    for (QPixmap& piece : imagelist_pieces)
        piece = take();
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
