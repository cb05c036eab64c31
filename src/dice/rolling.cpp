#include "dice/faces.h"
#include "game/quorbel.h"

namespace quorbel {

void Quorbel::press_Click() {
    for (int k = 1; k <= form.pip.upper(); ++k) form.pip(k).visible = false;
    for (int i = 1; i <= 6; ++i) {
        Control& picture = form.hold(i);
        picture.enabled = true;
        if (!picture.visible) state.dice[i] = faceFromDraw(random_.next());
        // A held die is redrawn too; one still blank draws nothing.
        for (int q : faceOffsets(state.dice[i])) pv(i, q);
    }
    ++state.rolls;
    if (state.rolls >= kRollsPerTurn) form.press.enabled = false;
    form.forEachCategoryLabel([](Control& label) { label.enabled = true; });
}

}  // namespace quorbel
