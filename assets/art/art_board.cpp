// The board picture: a walnut table, the inlaid playing board on the 48-pixel
// cell grid, the start and home trays of both seats and the dice tray.
#include "art_common.h"
#include "art_pictures.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {

// The picture sits at (2,2) of the board panel; the grid is given in panel
// pixels, so everything here is drawn in panel pixels and shifted once.
constexpr int Shift = 2;
constexpr int CellSize = 48;
QRectF cellRect(int column, int row) {
    return QRectF(12 + CellSize * column, 44 + CellSize * row, CellSize, CellSize);
}
bool onBoard(int column, int row) {
    return row == 1 || column != 4;
}

const QColor Lapis(28, 58, 140), LapisDeep(12, 28, 84), Ivory(238, 226, 196);
const QColor Shell(214, 198, 162), Carnelian(176, 52, 30), Gold(222, 184, 96);
const QColor Bitumen(30, 20, 14);

enum class Pattern { Rosette, Eyes, FiveDots, Checker, ZigZag };

Pattern patternOf(int column, int row) {
    if ((row != 1 && (column == 0 || column == 6)) || (row == 1 && column == 3))
        return Pattern::Rosette;
    static const Pattern outer[7] = {Pattern::Rosette, Pattern::Eyes,    Pattern::FiveDots,
                                     Pattern::Eyes,    Pattern::Rosette, Pattern::Checker,
                                     Pattern::Rosette};
    static const Pattern middle[7] = {Pattern::Checker, Pattern::FiveDots, Pattern::ZigZag,
                                      Pattern::Rosette, Pattern::FiveDots, Pattern::ZigZag,
                                      Pattern::Eyes};
    return row == 1 ? middle[column] : outer[column];
}

void shellTile(QPainter& p, const QRectF& r, int seed) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Ivory.lighter(106));
    g.setColorAt(1, Shell);
    QPainterPath tile;
    tile.addRoundedRect(r, 3, 3);
    p.fillPath(tile, g);
    // Fine cracks and growth lines of shell inlay.
    p.save();
    p.setClipPath(tile);
    for (int y = int(r.top()); y < int(r.bottom()); ++y)
        for (int x = int(r.left()); x < int(r.right()); ++x) {
            const double n = fbm(x / 5.0, y / 1.8, seed, 3) - 0.5;
            if (std::abs(n) > 0.08)
                p.setPen(n > 0 ? QColor(255, 250, 235, int((n - 0.08) * 160))
                               : QColor(120, 96, 60, int((-n - 0.08) * 180)));
            else
                continue;
            p.drawPoint(x, y);
        }
    p.restore();
}

void lapisTile(QPainter& p, const QRectF& r, int seed) {
    QRadialGradient g(r.center() - QPointF(8, 8), r.width() * 0.8);
    g.setColorAt(0, Lapis.lighter(135));
    g.setColorAt(1, LapisDeep);
    QPainterPath tile;
    tile.addRoundedRect(r, 3, 3);
    p.fillPath(tile, g);
    // Golden pyrite flecks are what make lapis look like lapis.
    p.save();
    p.setClipPath(tile);
    for (int i = 0; i < 40; ++i) {
        const double fx = noise(i * 3.7, 1.3, seed), fy = noise(2.1, i * 5.3, seed);
        p.setPen(QColor(232, 200, 110, 90 + int(noise(i, i, seed) * 120)));
        p.drawPoint(
            QPointF(r.left() + 2 + fx * (r.width() - 4), r.top() + 2 + fy * (r.height() - 4)));
    }
    p.restore();
}

void rosette(QPainter& p, const QRectF& r) {
    const QPointF c = r.center();
    p.setPen(QPen(Gold, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 19.5, 19.5);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45.0);
        QPainterPath petal;
        petal.moveTo(0, -3);
        petal.cubicTo(7, -8, 5, -15, 0, -17.5);
        petal.cubicTo(-5, -15, -7, -8, 0, -3);
        QLinearGradient g(0, -3, 0, -17);
        g.setColorAt(0, Ivory);
        g.setColorAt(1, Ivory.darker(118));
        p.setPen(QPen(LapisDeep, 0.8));
        p.setBrush(g);
        p.drawPath(petal);
        p.setPen(Qt::NoPen);
        p.setBrush(Carnelian);
        p.drawEllipse(QPointF(0, -11.5), 1.6, 2.4);
        p.restore();
    }
    QRadialGradient heart(c - QPointF(1, 1), 5);
    heart.setColorAt(0, Carnelian.lighter(150));
    heart.setColorAt(1, Carnelian.darker(130));
    p.setPen(QPen(Gold, 1));
    p.setBrush(heart);
    p.drawEllipse(c, 4, 4);
}

void eye(QPainter& p, QPointF c, double radius) {
    p.setPen(QPen(LapisDeep, 0.8));
    p.setBrush(Lapis);
    p.drawEllipse(c, radius, radius);
    p.setBrush(Ivory);
    p.drawEllipse(c, radius * 0.62, radius * 0.62);
    p.setPen(Qt::NoPen);
    p.setBrush(Carnelian);
    p.drawEllipse(c, radius * 0.3, radius * 0.3);
}

void drawPattern(QPainter& p, Pattern pattern, const QRectF& r) {
    const QPointF c = r.center();
    switch (pattern) {
    case Pattern::Rosette:
        rosette(p, r);
        break;
    case Pattern::Eyes:
        for (int dx : {-1, 1})
            for (int dy : {-1, 1})
                eye(p, c + QPointF(dx * 11, dy * 11), 6);
        eye(p, c, 6);
        break;
    case Pattern::FiveDots: {
        p.setPen(QPen(LapisDeep, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(5, 5, -5, -5));
        for (int dx : {-1, 0, 1})
            for (int dy : {-1, 0, 1}) {
                if ((dx + dy) % 2 != 0) continue;
                p.setPen(Qt::NoPen);
                p.setBrush((dx == 0 && dy == 0) ? Carnelian : Lapis);
                p.drawEllipse(c + QPointF(dx * 11, dy * 11), 3.6, 3.6);
            }
        break;
    }
    case Pattern::Checker: {
        const double s = 8;
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if ((i + j) % 2 == 0)
                    p.fillRect(
                        QRectF(c.x() - 2 * s + i * s + 1, c.y() - 2 * s + j * s + 1, s - 2, s - 2),
                        (i == j) ? Carnelian : Lapis);
        break;
    }
    case Pattern::ZigZag: {
        p.setBrush(Qt::NoBrush);
        for (int band = -1; band <= 1; ++band) {
            QPainterPath z;
            const double y = c.y() + band * 12;
            z.moveTo(r.left() + 5, y + 4);
            for (int k = 0; k < 5; ++k)
                z.lineTo(r.left() + 5 + (k + 1) * 7.6, y + ((k % 2 == 0) ? -4 : 4));
            p.setPen(QPen(band == 0 ? Carnelian : Lapis, 2.6, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            p.drawPath(z);
        }
        break;
    }
    }
}

QPainterPath boardShape(double grow) {
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 7; ++column)
            if (onBoard(column, row))
                shape.addRect(cellRect(column, row).adjusted(-grow, -grow, grow, grow));
    return shape.simplified();
}

} // namespace

QImage boardPicture() {
    QImage image(358, 294, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QImage panel(362, 298, QImage::Format_ARGB32_Premultiplied);
    panel.fill(Qt::black);

    paintWood(panel, {QColor(26, 14, 7), QColor(74, 42, 20), 3.0, 7.0, 11});
    {
        // Darken the table towards its edges so the board draws the eye.
        QPainter p(&panel);
        QRadialGradient v(QPointF(181, 130), 260);
        v.setColorAt(0, QColor(0, 0, 0, 0));
        v.setColorAt(0.6, QColor(0, 0, 0, 30));
        v.setColorAt(1, QColor(0, 0, 0, 150));
        p.fillRect(panel.rect(), v);
    }

    // Trays: seat 1's start and home piles above, seat 2's below, dice at the bottom.
    paintTray(panel, QRectF(115, 9.5, 78, 32), QColor(38, 30, 26), 5);
    paintTray(panel, QRectF(263, 9.5, 78, 32), QColor(38, 30, 26), 6);
    paintTray(panel, QRectF(115, 198.5, 78, 32), QColor(38, 30, 26), 7);
    paintTray(panel, QRectF(263, 198.5, 78, 32), QColor(38, 30, 26), 8);
    paintTray(panel, QRectF(116, 232.5, 226, 58), QColor(88, 20, 28), 9);

    // The playing board: a raised walnut body in the shape of the grid.
    const QPainterPath body = boardShape(4);
    paintShadow(panel, body, QPointF(2, 3), 4, 110);
    QImage bodyWood(panel.size(), QImage::Format_ARGB32_Premultiplied);
    bodyWood.fill(Qt::transparent);
    paintWood(bodyWood, {QColor(88, 48, 20), QColor(150, 92, 44), 2.0, 5.0, 23});
    {
        QPainter p(&panel);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(body);
        p.drawImage(0, 0, bodyWood);
        p.setClipping(false);
        p.setPen(QPen(QColor(222, 170, 100, 160), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(boardShape(3.5));
        p.setPen(QPen(QColor(20, 10, 4), 1.2));
        p.drawPath(body);

        // The bitumen bed the tiles are set in.
        p.fillPath(boardShape(1), Bitumen);
        int seed = 100;
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 7; ++column) {
                if (!onBoard(column, row)) continue;
                const QRectF r = cellRect(column, row).adjusted(1.5, 1.5, -1.5, -1.5);
                const Pattern pattern = patternOf(column, row);
                if (pattern == Pattern::Rosette)
                    lapisTile(p, r, ++seed);
                else
                    shellTile(p, r, ++seed);
                p.setRenderHint(QPainter::Antialiasing);
                drawPattern(p, pattern, r);
                // Every tile catches the light on its upper edge.
                p.setPen(QPen(QColor(255, 255, 255, 70), 1));
                p.drawLine(r.topLeft() + QPointF(2, 0.5), r.topRight() + QPointF(-2, 0.5));
                p.setPen(QPen(QColor(0, 0, 0, 90), 1));
                p.drawLine(r.bottomLeft() + QPointF(2, -0.5), r.bottomRight() + QPointF(-2, -0.5));
            }
    }
    QPainter(&image).drawImage(-Shift, -Shift, panel);
    return image;
}

} // namespace art
