#include "dice/dice.h"

#include "dice/faces.h"
#include "dice/geometry.h"

namespace quorbel {

namespace {

bool inside(double at, int from, int length) {
    return at > from && at < from + length;
}

}  // namespace

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
