#include "art_common.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace art {

static double lattice(int x, int y, int seed) {
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xffffff) / double(0xffffff);
}

static double smooth(double t) {
    return t * t * (3 - 2 * t);
}

double noise(double x, double y, int seed) {
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    const double tx = smooth(x - xi), ty = smooth(y - yi);
    const double a = lattice(xi, yi, seed), b = lattice(xi + 1, yi, seed);
    const double c = lattice(xi, yi + 1, seed), d = lattice(xi + 1, yi + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, int seed, int octaves) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x, y, seed + i * 31);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

QImage transparent(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void paintWood(QImage& image, const WoodTone& tone, const QPainterPath& clip) {
    QImage wood(image.size(), QImage::Format_ARGB32_Premultiplied);
    const double h = image.height();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(wood.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // Growth rings bent by low-frequency noise, plus fine fibres.
            const double warp = fbm(x / (40.0 * tone.stretch), y / 40.0, tone.seed) * 6.0;
            const double ring = std::sin((y / h * tone.rings + warp) * 6.2832);
            const double fibre = fbm(x / (18.0 * tone.stretch), y / 1.6, tone.seed + 7, 3);
            double t = 0.5 + 0.28 * ring + 0.45 * (fibre - 0.5);
            t += 0.08 * (noise(x / 3.0, y / 0.7, tone.seed + 99) - 0.5);
            line[x] = mix(tone.dark, tone.light, t).rgba();
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!clip.isEmpty()) p.setClipPath(clip);
    p.drawImage(0, 0, wood);
}

void paintShadow(QImage& image, const QPainterPath& shape, QPointF offset, int spread, int alpha) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(offset);
    p.setBrush(Qt::NoBrush);
    for (int i = spread; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, alpha / spread), 2.0 * i, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.fillPath(shape, QColor(0, 0, 0, alpha));
}

void paintTray(QImage& image, const QRectF& rect, const QColor& felt, int seed) {
    QPainterPath outer;
    outer.addRoundedRect(rect, 7, 7);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Raised brass lip, light from the top left.
    QLinearGradient lip(rect.topLeft(), rect.bottomRight());
    lip.setColorAt(0, QColor(226, 190, 120));
    lip.setColorAt(0.5, QColor(150, 108, 52));
    lip.setColorAt(1, QColor(84, 56, 24));
    p.fillPath(outer, lip);
    p.setPen(QPen(QColor(30, 16, 6), 1));
    p.drawPath(outer);
    const QRectF inner = rect.adjusted(2.5, 2.5, -2.5, -2.5);
    QPainterPath in;
    in.addRoundedRect(inner, 5, 5);
    // Felt with a little nap.
    QImage nap(image.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < nap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(nap.scanLine(y));
        for (int x = 0; x < nap.width(); ++x) {
            const double n = fbm(x / 2.5, y / 2.5, seed, 2) - 0.5;
            line[x] = mix(felt.darker(130), felt.lighter(125), 0.5 + n * 0.9).rgba();
        }
    }
    p.save();
    p.setClipPath(in);
    p.drawImage(0, 0, nap);
    // Inner shadow: the lip throws shade onto the felt at the top and left.
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 46 - i * 7), 1));
        p.drawRoundedRect(inner.adjusted(i + 0.5, i + 0.5, 1.5, 1.5), 5, 5);
    }
    p.restore();
    p.setPen(QPen(QColor(20, 10, 4, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(in);
}

void paintPlaque(QImage& image, const QRectF& rect, double radius) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, QColor(246, 222, 150));
    g.setColorAt(0.45, QColor(214, 170, 86));
    g.setColorAt(0.55, QColor(190, 142, 60));
    g.setColorAt(1, QColor(128, 86, 30));
    p.fillPath(body, g);
    // Hammered metal: faint mottling.
    p.save();
    p.setClipPath(body);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double n = fbm(x / 3.0, y / 3.0, 4242, 2) - 0.5;
            p.setPen(n > 0 ? QColor(255, 255, 255, int(n * 60)) : QColor(60, 30, 0, int(-n * 70)));
            p.drawPoint(x, y);
        }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 246, 210, 170), 1));
    p.drawRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
    p.setPen(QPen(QColor(58, 34, 8), 1));
    p.drawPath(body);
}

} // namespace art
