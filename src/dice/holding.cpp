#include "dice/faces.h"
#include "game/quorbel.h"

namespace quorbel {

// Any mouse button over a die square holds or releases it, at any time.
void Quorbel::Form_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
    const int die = dieAt(x, y);
    if (die == 0) return;
    form.hold(die).visible = !form.hold(die).visible;
}

void Quorbel::hold_Click(int index) {
    if (index < 1 || index > form.hold.upper()) return;
    form.hold(index).visible = !form.hold(index).visible;
}

}  // namespace quorbel
