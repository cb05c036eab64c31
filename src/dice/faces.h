// How a die shows its value: seven pip positions and the faces drawn from them.
#pragma once

#include <array>
#include <span>

#include "ui/controls.h"

namespace quorbel {

inline constexpr int kPipsPerDie = 7;
inline constexpr int kHoldWidth = 54;  // the HOLD picture's natural size
inline constexpr int kHoldHeight = 12;

// The offsets q handed to pv for each value, in drawing order (value 0 draws nothing).
std::span<const int> faceOffsets(int value);

// Top-left corner of pip position p (1..7) of die d (1..6), in window pixels.
struct PipPlace {
    int left;
    int top;
};
PipPlace pipPlace(int die, int position);

// The die square under a window point, or 0 for none. Edges and gaps hit nothing.
int dieAt(double x, double y);

}  // namespace quorbel
