#pragma once
// The evaluation's weights, fitted by kelvoa-fit-strong (bench/levels) to the
// exact values of the table (200 000 positions, root mean square error
// 0.078): constant (the throw), chips at start, squares travelled with home
// as 16 (in sixteenths), chips on the board, chips where they can be sent
// back, chips on the middle rosette, chips on 13 to 15, and the squares at
// risk of a hit next throw (in sixteenths). Each is the mover's less the
// other's. Late in the game being on the board and out of reach counts more
// than squares travelled, as the fit shows.
#include "levels.h"

namespace levels {
inline constexpr Features FittedWeights{0.1399,  -0.1420, -0.0008, 0.1322,
                                        -0.0252, -0.0011, -0.0524, -0.5885};
} // namespace levels
