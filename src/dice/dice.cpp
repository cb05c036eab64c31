#include "dice/dice.h"

#include <array>

namespace quorbel {

namespace {

// Face v's offsets are the first v of row v.
constexpr std::array<std::array<int, 6>, 7> kOffsets = {
    {{}, {3}, {0, 6}, {0, 3, 6}, {0, 1, 5, 6}, {0, 1, 3, 5, 6}, {0, 1, 2, 4, 5, 6}}};

// Pip places 1..7 as (column, row) of the die's 3 x 3 grid.
constexpr std::array<std::array<int, 2>, 8> kPlaceCell = {
    {{0, 0}, {0, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {2, 2}}};

constexpr int kPipInset = 8;   // from the square's corner to the first pip
constexpr int kPipPitch = 16;  // between neighbouring pip places

bool inside(double at, int from, int length) {
    return at > from && at < from + length;
}

// Top-left corner of pip place p (1..7) of die d (1..6), in window pixels.
Geometry pipPlace(int die, int place) {
    const Geometry square = dieSquare(die);
    const auto [cellX, cellY] = kPlaceCell[static_cast<std::size_t>(place)];
    return {square.left + kPipInset + kPipPitch * cellX,
            square.top + kPipInset + kPipPitch * cellY};
}

}  // namespace

std::span<const int> faceOffsets(int value) {
    if (value < 1 || value > 6) return {};
    return std::span(kOffsets[static_cast<std::size_t>(value)])
        .first(static_cast<std::size_t>(value));
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
            const Geometry place = pipPlace(d, p);
            pip.geometry.left = place.left;
            pip.geometry.top = place.top;
        }
    }
}

void pv(Form& form, int i, int q) {
    form.pip(kPipsPerDie * i - q).visible = true;
}

int dieAt(double x, double y) {
    for (int die = 1; die <= kDieCount; ++die) {
        const Geometry g = dieSquare(die);
        if (inside(x, g.left, g.width) && inside(y, g.top, g.height)) return die;
    }
    return 0;
}

void toggleHold(Form& form, int die) {
    if (die >= 1 && die <= kDieCount) form.hold(die).visible = !form.hold(die).visible;
}

void rollDice(Form& form, Dice& dice, RandomSource& random) {
    for (int k = 1; k <= form.pip.upper(); ++k) form.pip(k).visible = false;
    for (int i = 1; i <= kDieCount; ++i) {
        Control& picture = form.hold(i);
        picture.enabled = true;
        if (!picture.visible) dice[i] = faceFromDraw(random.next());
        // A held die is redrawn too; one still blank draws nothing.
        for (int q : faceOffsets(dice[i])) pv(form, i, q);
    }
}

void clearDice(Form& form) {
    for (Control& picture : form.hold) {
        picture.visible = false;
        picture.enabled = false;
    }
    for (int k = 1; k <= form.pip.upper(); ++k) form.pip(k).visible = false;
}

}  // namespace quorbel
