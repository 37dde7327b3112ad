// Chips, dot marks, pyramid dice, turn marker and watch marks.
#include "art_common.h"
#include "art_pictures.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace art {

QImage chipDisc(int seat) {
    QImage image = transparent(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = seat == 1 ? QColor(52, 178, 72) : QColor(246, 140, 28);
    const QColor deep = seat == 1 ? QColor(10, 70, 24) : QColor(132, 52, 6);
    const QPointF c(12, 12);
    // Contact shadow under the lower right edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(c + QPointF(0.7, 0.9), 11.2, 11.2);
    QRadialGradient g(c - QPointF(3.5, 3.5), 14);
    g.setColorAt(0, base.lighter(140));
    g.setColorAt(0.55, base);
    g.setColorAt(1, deep);
    p.setBrush(g);
    p.setPen(QPen(deep.darker(160), 1));
    p.drawEllipse(c, 10.8, 10.8);
    // A turned groove, as on a lathe-made counter.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(deep, 1));
    p.drawEllipse(c, 8.2, 8.2);
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.8));
    p.drawArc(QRectF(c.x() - 7.4, c.y() - 7.4, 14.8, 14.8), 200 * 16, 180 * 16);
    // Gloss.
    QRadialGradient gloss(c - QPointF(4, 5), 6);
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(c - QPointF(4, 5), 5.5, 3.8);
    return image;
}

QImage chipDots(int chip) {
    static const QList<QPointF> layouts[7] = {
        {{0, 0}},
        {{-3.6, -3.6}, {3.6, 3.6}},
        {{-4.2, -4.2}, {0, 0}, {4.2, 4.2}},
        {{-3.6, -3.6}, {3.6, -3.6}, {-3.6, 3.6}, {3.6, 3.6}},
        {{-4.2, -4.2}, {4.2, -4.2}, {0, 0}, {-4.2, 4.2}, {4.2, 4.2}},
        {{-3.4, -4.6}, {-3.4, 0}, {-3.4, 4.6}, {3.4, -4.6}, {3.4, 0}, {3.4, 4.6}},
        {{0, 0}, {0, -5}, {4.33, -2.5}, {4.33, 2.5}, {0, 5}, {-4.33, 2.5}, {-4.33, -2.5}},
    };
    QImage image = transparent(24, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = chip >= 6 ? 1.75 : 2.1;
    for (const QPointF& d : layouts[chip - 1]) {
        const QPointF c = QPointF(12, 12) + d;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawEllipse(c + QPointF(0.4, 0.5), r + 0.5, r + 0.5);
        QRadialGradient g(c - QPointF(0.6, 0.6), r * 1.4);
        g.setColorAt(0, QColor(255, 255, 248));
        g.setColorAt(1, QColor(222, 210, 178));
        p.setBrush(g);
        p.setPen(QPen(QColor(40, 24, 8, 200), 0.6));
        p.drawEllipse(c, r, r);
    }
    return image;
}

QImage die(int face) {
    QImage image = transparent(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF top(24, 4), left(3.5, 42), right(44.5, 42), apex(24, 29);
    QPolygonF outline{top, right, left};
    if (face == 2) {
        // An empty place in the dice tray: only a worn outline in the felt.
        p.setPen(QPen(QColor(0, 0, 0, 70), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawPolygon(outline.translated(0.5, 1));
        p.setPen(QPen(QColor(255, 220, 200, 28), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(outline.translated(1, 2));
        return image;
    }
    // Shadow on the felt.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawPolygon(outline.translated(1.5 + i * 0.5, 2 + i * 0.5));
    }
    const QColor bone(236, 224, 190);
    auto face3 = [&](QPointF a, QPointF b, double light) {
        QLinearGradient g(a, apex);
        g.setColorAt(0, bone.darker(int(100 + (1 - light) * 90)));
        g.setColorAt(1, bone.lighter(int(100 + light * 12)));
        p.setPen(QPen(QColor(90, 70, 40), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPolygon(QPolygonF{a, b, apex});
    };
    face3(left, top, 1.0); // lit from the upper left
    face3(top, right, 0.62);
    face3(right, left, 0.25);
    // Rounded edges catch a highlight.
    p.setPen(QPen(QColor(255, 255, 250, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(top + QPointF(0, 1.5), apex - QPointF(0, 1.5));
    p.setPen(QPen(QColor(60, 40, 16, 120), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(apex, right - QPointF(2, 1));
    p.setPen(QPen(QColor(50, 32, 12), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
    if (face == 1) {
        // The marked tip: a lapis inlay ringed in gold.
        QRadialGradient g(apex - QPointF(1.2, 1.2), 6);
        g.setColorAt(0, QColor(90, 130, 230));
        g.setColorAt(1, QColor(14, 30, 96));
        p.setPen(QPen(QColor(236, 196, 96), 1.6));
        p.setBrush(g);
        p.drawEllipse(apex, 5.2, 5.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(apex - QPointF(1.6, 1.8), 1.4, 1.1);
    } else {
        // A plain tip is simply the bare bone point.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 245, 120));
        p.drawEllipse(apex - QPointF(0.5, 0.8), 2.2, 1.6);
    }
    return image;
}

QImage turnMarker() {
    QImage image = transparent(12, 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow{{1.5, 1.5}, {11, 6}, {1.5, 10.5}, {4, 6}};
    QLinearGradient g(0, 0, 0, 12);
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(1, QColor(200, 140, 30));
    p.setPen(QPen(QColor(70, 40, 0), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(arrow);
    return image;
}

QImage watchEyes() {
    QImage image = transparent(24, 10);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (double cx : {6.0, 18.0}) {
        QPainterPath lid;
        lid.moveTo(cx - 5.5, 5);
        lid.quadTo(cx, -1.5, cx + 5.5, 5);
        lid.quadTo(cx, 11.5, cx - 5.5, 5);
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(250, 250, 245));
        p.drawPath(lid);
        p.setClipPath(lid);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 150, 200));
        p.drawEllipse(QPointF(cx + 0.5, 5), 2.8, 2.8);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(cx + 0.5, 5), 1.4, 1.4);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx - 0.3, 4.1), 0.7, 0.7);
        p.setClipping(false);
    }
    return image;
}

} // namespace art
