// Roll and the dice: the game's side of rolling and holding.
#include "dice/dice.h"
#include "game/quorbel.h"
#include "game/spoken.h"

namespace quorbel {

void Quorbel::press_Click() {
    rollDice(form, state.dice, random_);
    ++state.rolls;
    if (state.rolls >= kRollsPerTurn) {
        form.press.enabled = false;
        focusRequest = form.Rect(1).id;  // the next stop after Roll, where a key does no harm
    }
    for (const Category& category : kCategories) form.find(category.label).enabled = true;
    tell(rolledNews(*this));
}

// Any mouse button over a die square holds or releases it, at any time.
void Quorbel::Form_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
    pressDie(dieAt(x, y));
}

void Quorbel::pressDie(int die) {
    toggleHold(form, die);
}

void Quorbel::hold_Click(int index) {
    toggleHold(form, index);
}

}  // namespace quorbel
