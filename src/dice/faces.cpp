#include "dice/faces.h"

#include <array>

#include "dice/geometry.h"

namespace quorbel {

namespace {

constexpr std::array<int, 1> kOne = {3};
constexpr std::array<int, 2> kTwo = {0, 6};
constexpr std::array<int, 3> kThree = {0, 3, 6};
constexpr std::array<int, 4> kFour = {0, 1, 5, 6};
constexpr std::array<int, 5> kFive = {0, 1, 3, 5, 6};
constexpr std::array<int, 6> kSix = {0, 1, 2, 4, 5, 6};

// Pip places 1..7 as (column, row) of the die's 3 x 3 grid.
constexpr std::array<std::array<int, 2>, 8> kPlaceCell = {
    {{0, 0}, {0, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {2, 2}}};

constexpr int kPipInset = 8;   // from the square's corner to the first pip
constexpr int kPipPitch = 16;  // between neighbouring pip places

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

PipPlace pipPlace(int die, int place) {
    const Geometry square = dieSquare(die);
    const auto [cellX, cellY] = kPlaceCell[static_cast<std::size_t>(place)];
    return {square.left + kPipInset + kPipPitch * cellX,
            square.top + kPipInset + kPipPitch * cellY};
}

// Squares and HOLD pictures first, each picture over its square; then the pips over all.
void loadimages(Form& form) {
    for (int n = 1; n <= kDieCount; ++n) {
        if (n > 1) {
            form.hold.create();
            form.Rect.create();
        }
        Control& square = form.Rect(n);
        square.geometry = dieSquare(n);
        square.visible = true;

        // The picture sits across the middle of its square, a little left of centre.
        Control& picture = form.hold(n);
        picture.geometry = {square.geometry.left + 3, square.geometry.top + 25, kHoldWidth,
                            kHoldHeight};
        picture.visible = false;
    }
    for (int d = 1; d <= kDieCount; ++d) {
        for (int p = 1; p <= kPipsPerDie; ++p) {
            Control& pip = form.pip.create();
            const PipPlace place = pipPlace(d, p);
            pip.geometry.left = place.left;
            pip.geometry.top = place.top;
        }
    }
}

void pv(Form& form, int i, int q) {
    form.pip(kPipsPerDie * i - q).visible = true;
}

}  // namespace quorbel
