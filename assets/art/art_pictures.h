#pragma once
// Every picture of the board panel, each drawn at its final size.
#include <QImage>

namespace art {

QImage boardPicture();                                // 358 x 294
QImage chipDisc(int seat);                            // 24 x 24, seat 1 green, seat 2 orange
QImage chipDots(int chip);                            // 24 x 24, 'chip' dots on transparency
QImage die(int face);                                 // 48 x 48: 0 plain tip, 1 marked tip, 2 empty
QImage routePicture(int seat);                        // 308 x 125 (seat 1), 286 x 113 (seat 2)
QImage turnMarker();                                  // 12 x 12
QImage watchEyes();                                   // 24 x 10
QImage pictureButton(const QString& text, int width); // width x 26
QImage routeButton(int seat);                         // 33 x 26
QImage logo();                                        // 318 x 36, the game's name in gold

} // namespace art
