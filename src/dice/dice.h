// Six dice on the form: where they stand, how each shows its value with seven pip places,
// rolling them, holding them, and finding one under the mouse.
#pragma once

#include <array>
#include <span>

#include "dice/random_source.h"
#include "ui/form.h"

namespace quorbel {

using Dice = std::array<int, 7>;  // die 1..6; 0 while a die has never been rolled

inline constexpr int kDieCount = 6;
inline constexpr int kDieSize = 60;
inline constexpr int kDicePitch = 64;  // leaves a 4-pixel gap between squares
inline constexpr int kDiceLeft = 264;
inline constexpr int kDiceTop = 8;
inline constexpr int kHoldWidth = 54;  // the HOLD picture's natural size
inline constexpr int kHoldHeight = 12;

// The square of die 1..6, numbered row by row: 1 and 2 on top, 5 and 6 at the bottom.
constexpr Geometry dieSquare(int die) {
    const int row = (die - 1) / 2;
    const int column = (die - 1) % 2;
    return {kDiceLeft + kDicePitch * column, kDiceTop + kDicePitch * row, kDieSize, kDieSize};
}

// Creates the dice's squares, HOLD pictures and pips.
void loadimages(Form& form);

// The offsets q handed to pv for each value, in drawing order (value 0 draws nothing).
std::span<const int> faceOffsets(int value);

// Shows pip kPipsPerDie * i - q: pip place 7 - q of die i.
void pv(Form& form, int i, int q);

// The die whose square holds a window point, or 0 for none. Edges and gaps hit nothing.
int dieAt(double x, double y);

void toggleHold(Form& form, int die);  // dice outside 1..6 are left alone

// Draws every die that is not held, then shows all six faces afresh. The HOLD
// pictures take clicks again.
void rollDice(Form& form, Dice& dice, RandomSource& random);

// Takes every pip and HOLD picture off the dice; the pictures stop taking clicks.
void clearDice(Form& form);

}  // namespace quorbel
