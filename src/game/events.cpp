// The window's events: a click routed to its control's handler, Roll and the dice, and the
// game's own keys, which act wherever the focus is.
#include "game/quorbel.h"
#include "game/spoken.h"

namespace quorbel {

void Quorbel::click(ControlId id) {
    // Hidden and disabled controls take no clicks.
    const Control& control = form.find(id);
    if (!control.visible || !control.enabled) return;
    switch (id.name) {
        using enum ControlName;
        case numbers:
            return numbers_Click(id.index);
        case thpair:
            return thpair_Click();
        case thrkind:
            return thrkind_Click();
        case ttkind:
            return ttkind_Click();
        case frkind:
            return frkind_Click();
        case fvkind:
            return fvkind_Click();
        case sstr:
            return sstr_Click();
        case lstr:
            return lstr_Click();
        case gstr:
            return gstr_Click();
        case sxkind:
            return sxkind_Click();
        case chance:
            return chance_Click();
        case press:
            return press_Click();
        case restart:
            return restart_Click();
        case exitgame:
            return exitgame_Click();
        case hold:
            return hold_Click(id.index);
        default:
            return;  // headings, totals and the dice themselves take no clicks
    }
}

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

void Quorbel::dieKey(int die) {
    if (die < 1 || die > kDieCount) return;
    pressDie(die);
    news = heldNews(*this, die);
}

void Quorbel::sayDice() {
    news = diceNews(*this);
}

void Quorbel::sayTotals() {
    news = totalsNews(*this);
}

void Quorbel::tell(std::string words) {
    lastResult_ = words;
    news = std::move(words);
}

}  // namespace quorbel
