// Draws the eighteen chat smileys, 17 by 16 pixels each: round yellow faces
// with a dark grey outline. Each is painted four times larger and scaled down
// so the small faces keep smooth edges.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {
constexpr int W = 17, H = 16, S = 4;
const QColor Outline(64, 64, 64), Yellow(255, 214, 40), Shade(235, 170, 20), Ink(40, 30, 20),
    White(255, 255, 255), Red(200, 30, 30), Pink(245, 120, 120), Tongue(230, 90, 110);

QPen pen(const QColor& c, double w) {
    return QPen(c, w * S, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
QPointF pt(double x, double y) {
    return {x * S, y * S};
}
QRectF box(double x, double y, double w, double h) {
    return {x * S, y * S, w * S, h * S};
}

void face(QPainter& p, const QColor& fill = Yellow) {
    QRadialGradient g(pt(6.5, 5.5), 9 * S);
    g.setColorAt(0, fill.lighter(118));
    g.setColorAt(1, fill == Yellow ? Shade : fill.darker(120));
    p.setBrush(g);
    p.setPen(pen(Outline, 1.0));
    p.drawEllipse(box(1, 0.5, 15, 15));
}
void dots(QPainter& p, double y = 5.5) {
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(box(5, y, 2, 2.6));
    p.drawEllipse(box(10, y, 2, 2.6));
}
void arc(QPainter& p, double x, double y, double w, double h, int from, int span,
         double width = 1.1) {
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(Ink, width));
    p.drawArc(box(x, y, w, h), from * 16, span * 16);
}
void smile(QPainter& p) {
    arc(p, 4.5, 4, 8, 7.5, 200, 140);
}
void frown(QPainter& p) {
    arc(p, 5, 10.5, 7, 5, 30, 120);
}
void line(QPainter& p, QPointF a, QPointF b, double w = 1.0, QColor c = Ink) {
    p.setPen(pen(c, w));
    p.drawLine(a * S, b * S);
}
void closedEyes(QPainter& p) {
    arc(p, 4.5, 5, 3, 3, 20, 140, 1.0);
    arc(p, 9.5, 5, 3, 3, 20, 140, 1.0);
}
void teeth(QPainter& p, QRectF r, bool gritted) {
    p.setPen(pen(Ink, 0.8));
    p.setBrush(White);
    p.drawRoundedRect(box(r.x(), r.y(), r.width(), r.height()), S, S);
    const double mid = r.y() + r.height() / 2;
    line(p, {r.x() + 0.3, mid}, {r.right() - 0.3, mid}, 0.5);
    if (gritted)
        for (double x = r.x() + 2; x < r.right() - 0.5; x += 2)
            line(p, {x, r.y() + 0.3}, {x, r.bottom() - 0.3}, 0.5);
}
void grinMouth(QPainter& p, double top, double width) {
    QPainterPath m;
    const double l = 8.5 - width / 2, r = 8.5 + width / 2;
    m.moveTo(pt(l, top));
    m.lineTo(pt(r, top));
    m.cubicTo(pt(r, top + 4), pt(l, top + 4), pt(l, top));
    p.setPen(pen(Ink, 0.9));
    p.setBrush(White);
    p.drawPath(m);
    line(p, {l + 0.6, top + 1.1}, {r - 0.6, top + 1.1}, 0.5);
}
void openMouth(QPainter& p, QRectF r) {
    p.setPen(pen(Ink, 0.9));
    p.setBrush(QColor(110, 20, 20));
    p.drawEllipse(box(r.x(), r.y(), r.width(), r.height()));
}
void glassesDark(QPainter& p) {
    p.setPen(pen(Ink, 0.8));
    p.setBrush(QColor(20, 20, 30));
    p.drawRoundedRect(box(3.5, 4.5, 4.5, 3.2), S, S);
    p.drawRoundedRect(box(9, 4.5, 4.5, 3.2), S, S);
    line(p, {8, 5.4}, {9, 5.4}, 0.8);
    line(p, {4.3, 5.2}, {5.3, 5.2}, 0.5, QColor(200, 200, 230));
}
void blush(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 90, 170));
    p.drawEllipse(box(2.8, 8.2, 3, 2));
    p.drawEllipse(box(11.2, 8.2, 3, 2));
}
void brows(QPainter& p, double in, double out) {
    line(p, {4.3, out}, {7.6, in}, 1.0);
    line(p, {12.7, out}, {9.4, in}, 1.0);
}

void draw(QPainter& p, int n) {
    face(p, n == 11 ? QColor(245, 120, 60) : Yellow);
    switch (n) {
    case 0: // grin showing teeth
        dots(p);
        grinMouth(p, 9.3, 8);
        break;
    case 1: // smile
        dots(p);
        smile(p);
        break;
    case 2: // wink
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawEllipse(box(5, 5.5, 2, 2.6));
        arc(p, 9.5, 5.5, 3, 3, 200, 140, 1.0);
        smile(p);
        break;
    case 3: // frown
        dots(p);
        frown(p);
        break;
    case 4: // shocked
        p.setPen(pen(Ink, 0.6));
        p.setBrush(White);
        p.drawEllipse(box(4.5, 3.8, 3, 3.4));
        p.drawEllipse(box(9.5, 3.8, 3, 3.4));
        p.setBrush(Ink);
        p.drawEllipse(box(5.6, 5, 1.2, 1.3));
        p.drawEllipse(box(10.6, 5, 1.2, 1.3));
        openMouth(p, {6.5, 9, 4, 4.5});
        break;
    case 5: { // queasy, wavy mouth
        dots(p);
        QPainterPath w;
        w.moveTo(pt(4.5, 11));
        w.cubicTo(pt(6, 9.5), pt(7, 9.5), pt(8.5, 11));
        w.cubicTo(pt(10, 12.5), pt(11, 12.5), pt(12.5, 11));
        p.setPen(pen(Ink, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(w);
        break;
    }
    case 6: // dark glasses
        glassesDark(p);
        smile(p);
        break;
    case 7: // laughing
        closedEyes(p);
        openMouth(p, {4.8, 8.5, 7.4, 4.8});
        break;
    case 8: // angry frown
        brows(p, 5.2, 3.8);
        dots(p, 6);
        frown(p);
        break;
    case 9: // tongue out
        dots(p);
        line(p, {5, 10}, {12, 10}, 1.0);
        p.setPen(pen(Ink, 0.6));
        p.setBrush(Tongue);
        p.drawChord(box(7, 8.3, 4, 5.5), 180 * 16, 180 * 16);
        break;
    case 10: // blushing, small round mouth
        dots(p);
        blush(p);
        openMouth(p, {7.6, 10, 1.8, 1.8});
        break;
    case 11: // furious, gritted teeth
        brows(p, 5.5, 3.5);
        dots(p, 6.2);
        teeth(p, {5, 9.5, 7, 3}, true);
        break;
    case 12: // sly grin with gritted teeth
        brows(p, 4.2, 4.2);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawRect(box(5, 6, 2.2, 1.2));
        p.drawRect(box(10, 6, 2.2, 1.2));
        teeth(p, {6, 9.5, 7, 2.6}, true);
        break;
    case 13: // eyes up, small mouth aside
        p.setPen(pen(Ink, 0.6));
        p.setBrush(White);
        p.drawEllipse(box(4.5, 3.8, 3, 3.4));
        p.drawEllipse(box(9.5, 3.8, 3, 3.4));
        p.setBrush(Ink);
        p.drawEllipse(box(5.4, 3.9, 1.3, 1.3));
        p.drawEllipse(box(10.4, 3.9, 1.3, 1.3));
        arc(p, 9, 9.5, 3, 2.5, 200, 140, 1.0);
        break;
    case 14: // broad toothy grin, eyes shut
        closedEyes(p);
        grinMouth(p, 8.8, 10);
        break;
    case 15: // glasses band, wide smile
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 60, 140));
        p.drawRoundedRect(box(2, 4.5, 13, 3), S, S);
        p.setBrush(QColor(120, 170, 240));
        p.drawRect(box(3.5, 5.2, 10, 1.2));
        arc(p, 3.5, 3.5, 10, 8.5, 200, 140, 1.2);
        break;
    case 16: // round glasses, smile
        dots(p);
        p.setPen(pen(Ink, 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(box(3.6, 4.2, 4, 4));
        p.drawEllipse(box(9.4, 4.2, 4, 4));
        line(p, {7.6, 6}, {9.4, 6}, 0.7);
        smile(p);
        break;
    case 17: // goofy, big eyes, open mouth
        p.setPen(pen(Ink, 0.6));
        p.setBrush(White);
        p.drawEllipse(box(3.5, 3, 4.5, 4.8));
        p.drawEllipse(box(9, 3.5, 4, 4.3));
        p.setBrush(Ink);
        p.drawEllipse(box(5.8, 5, 1.6, 1.6));
        p.drawEllipse(box(9.6, 5.3, 1.5, 1.5));
        openMouth(p, {6, 9.5, 5.5, 3.5});
        p.setPen(Qt::NoPen);
        p.setBrush(Tongue);
        p.drawEllipse(box(7.3, 11, 2.8, 1.8));
        break;
    }
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    for (int n = 0; n < 18; ++n) {
        QImage big(W * S, H * S, QImage::Format_ARGB32_Premultiplied);
        big.fill(Qt::transparent);
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, n);
        p.end();
        const QImage small = big.scaled(W, H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString path =
            QStringLiteral("%1/smiley%2.png").arg(out).arg(n, 2, 10, QLatin1Char('0'));
        if (!small.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
