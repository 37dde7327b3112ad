#pragma once
// Shared drawing helpers for the board artwork generator: value noise, wood
// grain, recessed trays and soft shadows. Everything is deterministic so that
// regenerating the pictures gives the same files.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

namespace art {

// Smooth value noise in [0,1] and its fractal sum.
double noise(double x, double y, int seed);
double fbm(double x, double y, int seed, int octaves = 4);

QColor mix(const QColor& a, const QColor& b, double t);

// A fully transparent picture to draw on.
QImage transparent(int w, int h);

// Fills 'image' (inside 'clip' when given) with wood whose fibres run along x.
struct WoodTone {
    QColor dark, light;
    double stretch; // fibre length: larger gives longer streaks
    double rings;   // how many growth rings across the height
    int seed;
};
void paintWood(QImage& image, const WoodTone& tone, const QPainterPath& clip = {});

// A soft shadow of 'shape', drawn by stacking translucent dilations.
void paintShadow(QImage& image, const QPainterPath& shape, QPointF offset, int spread, int alpha);

// A recessed tray: dark rim, inner shadow and a brass hairline.
void paintTray(QImage& image, const QRectF& rect, const QColor& felt, int seed);

// Picture buttons and route buttons share one bronze plaque.
void paintPlaque(QImage& image, const QRectF& rect, double radius);

} // namespace art
