// Where the six dice stand on the window: two columns of three squares.
#pragma once

#include "ui/controls.h"

namespace quorbel {

inline constexpr int kDieCount = 6;
inline constexpr int kDieSize = 60;
inline constexpr int kDicePitch = 64;  // leaves a 4-pixel gap between squares
inline constexpr int kDiceLeft = 264;
inline constexpr int kDiceTop = 8;

// The square of die 1..6, numbered row by row: 1 and 2 on top, 5 and 6 at the bottom.
constexpr Geometry dieSquare(int die) {
    const int row = (die - 1) / 2;
    const int column = (die - 1) % 2;
    return {kDiceLeft + kDicePitch * column, kDiceTop + kDicePitch * row, kDieSize, kDieSize};
}

}  // namespace quorbel
