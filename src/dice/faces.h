// How a die shows its value: seven pip places and the faces drawn from them.
#pragma once

#include <span>

#include "ui/form.h"

namespace quorbel {

inline constexpr int kHoldWidth = 54;  // the HOLD picture's natural size
inline constexpr int kHoldHeight = 12;

// The offsets q handed to pv for each value, in drawing order (value 0 draws nothing).
std::span<const int> faceOffsets(int value);

// Creates the dice's squares, HOLD pictures and pips.
void loadimages(Form& form);

// Shows pip kPipsPerDie * i - q: pip place 7 - q of die i.
void pv(Form& form, int i, int q);

}  // namespace quorbel
