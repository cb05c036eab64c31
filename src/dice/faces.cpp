#include "dice/faces.h"

#include "game/quorbel.h"

namespace quorbel {

namespace {

constexpr int kDieSize = 60;
constexpr int kDicePitch = 64;  // leaves a 4-pixel gap between squares
constexpr int kDiceLeft = 264;
constexpr int kDiceTop = 8;

constexpr std::array<int, 1> kOne = {3};
constexpr std::array<int, 2> kTwo = {0, 6};
constexpr std::array<int, 3> kThree = {0, 3, 6};
constexpr std::array<int, 4> kFour = {0, 1, 5, 6};
constexpr std::array<int, 5> kFive = {0, 1, 3, 5, 6};
constexpr std::array<int, 6> kSix = {0, 1, 2, 4, 5, 6};

// Pip positions 1..7 as (column, row) of the die's 3 x 3 grid.
constexpr std::array<std::array<int, 2>, 8> kPositionCell = {
    {{0, 0}, {0, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {2, 2}}};

}  // namespace

std::span<const int> faceOffsets(int value) {
    switch (value) {
        case 1:
            return kOne;
        case 2:
            return kTwo;
        case 3:
            return kThree;
        case 4:
            return kFour;
        case 5:
            return kFive;
        case 6:
            return kSix;
        default:
            return {};
    }
}

PipPlace pipPlace(int die, int position) {
    const int row = (die - 1) / 2;
    const int column = (die - 1) % 2;
    const auto [cellX, cellY] = kPositionCell[static_cast<std::size_t>(position)];
    return {kDiceLeft + 8 + kDicePitch * column + 16 * cellX,
            kDiceTop + 8 + kDicePitch * row + 16 * cellY};
}

int dieAt(double x, double y) {
    int column = 0;
    int row = 0;
    for (int c = 0; c < 2; ++c)
        if (x > kDiceLeft + kDicePitch * c && x < kDiceLeft + kDicePitch * c + kDieSize)
            column = c + 1;
    for (int r = 0; r < 3; ++r)
        if (y > kDiceTop + kDicePitch * r && y < kDiceTop + kDicePitch * r + kDieSize) row = r + 1;
    if (column == 0 || row == 0) return 0;
    return 2 * row + column - 2;
}

// Squares and HOLD pictures first, each picture over its square; then the pips over all.
void Quorbel::loadimages() {
    for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 2; ++col) {
            const int n = 2 * row + col - 2;
            if (n > 1) {
                form.hold.create();
                form.Rect.create();
            }
            Control& square = form.Rect(n);
            square.geometry.left = 64 * col + 200;
            square.geometry.top = 64 * row - 56;
            square.visible = true;

            Control& picture = form.hold(n);
            picture.geometry = {64 * col + 203, 64 * row - 31, kHoldWidth, kHoldHeight};
            picture.visible = false;
        }
    }
    for (int d = 1; d <= 6; ++d) {
        for (int p = 1; p <= kPipsPerDie; ++p) {
            Control& pip = form.pip.create();
            const PipPlace place = pipPlace(d, p);
            pip.geometry.left = place.left;
            pip.geometry.top = place.top;
        }
    }
}

void Quorbel::pv(int i, int q) {
    form.pip(kPipsPerDie * i - q).visible = true;
}

}  // namespace quorbel
