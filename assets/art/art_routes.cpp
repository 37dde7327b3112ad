// Route arrows and the bronze buttons.
#include "art_common.h"
#include "art_pictures.h"

#include <QPainter>

#include <cmath>

namespace art {

namespace {

void arrowHead(QPainter& p, QPointF tip, QPointF from, double size, const QColor& fill,
               const QColor& edge) {
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head{tip, tip - u * size + n * size * 0.62, tip - u * size * 0.72,
                   tip - u * size - n * size * 0.62};
    p.setPen(QPen(edge, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(head);
}

// Small chevrons along every long leg show the direction of travel.
void chevrons(QPainter& p, const QPolygonF& path, const QColor& colour) {
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i + 1 < path.size(); ++i) {
        const QPointF a = path[i], b = path[i + 1], d = b - a;
        const double len = std::hypot(d.x(), d.y());
        if (len < 40) continue;
        const QPointF u = d / len, n(-u.y(), u.x());
        for (double at = 24; at < len - 16; at += 48) {
            const QPointF c = a + u * at;
            p.drawPolyline(QPolygonF{c - u * 2.5 + n * 3, c + u * 1.5, c - u * 2.5 - n * 3});
        }
    }
}

} // namespace

QImage routePicture(int seat) {
    // Drawn in board panel pixels, then shifted to the picture's own corner.
    // Seat 1 runs along the upper side of its cells and seat 2 along the lower
    // side, so the two routes stay apart where they share the middle row.
    const bool one = seat == 1;
    QImage image = one ? transparent(308, 125) : transparent(286, 113);
    const QPointF origin = one ? QPointF(31, 46) : QPointF(31, 70);
    QPolygonF path;
    if (one)
        path << QPointF(186, 47) << QPointF(186, 62) << QPointF(42, 62) << QPointF(42, 110)
             << QPointF(268, 110) << QPointF(268, 160) << QPointF(328, 160) << QPointF(328, 62)
             << QPointF(286, 62) << QPointF(286, 47);
    else
        path << QPointF(174, 170) << QPointF(40, 170) << QPointF(40, 124) << QPointF(282, 124)
             << QPointF(282, 78) << QPointF(310, 78) << QPointF(310, 170) << QPointF(262, 170)
             << QPointF(262, 182);
    path.translate(-origin);

    const QColor fill = one ? QColor(90, 240, 110) : QColor(255, 160, 40);
    const QColor edge = one ? QColor(0, 50, 10, 230) : QColor(70, 28, 0, 230);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    QPolygonF body = path;
    // Stop the shaft short of the tip so the head stays sharp.
    const QPointF tip = path.last(), before = path[path.size() - 2];
    const QPointF back = before - tip;
    body.last() = tip + back / std::hypot(back.x(), back.y()) * 8;
    p.setPen(QPen(edge, 7.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(body);
    p.setPen(QPen(fill, 4.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(body);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(body.translated(-0.6, -0.6));
    chevrons(p, body, edge);
    // The route begins with a ring where a chip enters the board.
    p.setPen(QPen(edge, 1.5));
    p.setBrush(fill);
    p.drawEllipse(path.first(), 4.2, 4.2);
    arrowHead(p, tip, before, 12, fill, edge);
    return image;
}

QImage pictureButton(const QString& text, int width) {
    QImage image = transparent(width, 26);
    paintPlaque(image, QRectF(0, 0, width, 26), 6);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    const QRectF r(0, 0, width, 25);
    p.setPen(QColor(255, 240, 200, 150));
    p.drawText(r.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(QColor(56, 30, 4));
    p.drawText(r, Qt::AlignCenter, text);
    return image;
}

QImage logo() {
    // Drawn once here rather than set in the window at start: the first frame
    // then needs no second typeface.
    QImage image = transparent(318, 36);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(28);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(font);
    p.setPen(QColor(222, 184, 102));
    p.drawText(QRectF(0, 0, 318, 36), Qt::AlignCenter, QStringLiteral("KELVOA"));
    return image;
}

QImage routeButton(int seat) {
    QImage image = transparent(33, 26);
    paintPlaque(image, QRectF(0, 0, 33, 26), 5);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool one = seat == 1;
    const QColor fill = one ? QColor(60, 200, 80) : QColor(250, 140, 20);
    const QColor edge = one ? QColor(0, 50, 10) : QColor(80, 30, 0);
    // A miniature of the route: along the own row, back through the middle.
    QPolygonF path;
    if (one)
        path << QPointF(20, 7) << QPointF(8, 7) << QPointF(8, 13) << QPointF(24, 13)
             << QPointF(24, 19);
    else
        path << QPointF(20, 19) << QPointF(8, 19) << QPointF(8, 13) << QPointF(24, 13)
             << QPointF(24, 7);
    p.setPen(QPen(edge, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(path);
    p.setPen(QPen(fill, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(path);
    const QPointF tip = path.last() + QPointF(0, one ? 2.5 : -2.5);
    arrowHead(p, tip, path[path.size() - 2], 5.5, fill, edge);
    return image;
}

} // namespace art
