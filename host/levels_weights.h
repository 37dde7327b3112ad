#pragma once
// The evaluation's weights, fitted by kelvoa-fit-strong (bench/levels) to the
// exact values of the table: constant (the throw), home, squares travelled
// (in sixteenths), chips on the board, chips where they can be sent back,
// chips on the middle rosette, chips on 13 to 15, and the squares at risk of
// a hit next throw (in sixteenths). Each is the mover's less the other's.
#include "levels.h"

namespace levels {
inline constexpr Features FittedWeights{0.3, 0.6, 0.5, 0.0, -0.1, 0.2, 0.0, -0.5};
} // namespace levels
