// Clicks on the window's controls, each routed to its handler.
#include "game/quorbel.h"

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

void Quorbel::numbers_Click(int index) {
    if (index >= 1 && index <= 6) claim(kCategories[static_cast<std::size_t>(Aces + index - 1)]);
}
void Quorbel::thpair_Click() {
    claim(kCategories[ThreePairs]);
}
void Quorbel::thrkind_Click() {
    claim(kCategories[ThreeOfAKind]);
}
void Quorbel::ttkind_Click() {
    claim(kCategories[TwoTriples]);
}
void Quorbel::frkind_Click() {
    claim(kCategories[FourOfAKind]);
}
void Quorbel::fvkind_Click() {
    claim(kCategories[FiveOfAKind]);
}
void Quorbel::sstr_Click() {
    claim(kCategories[SmallStraight]);
}
void Quorbel::lstr_Click() {
    claim(kCategories[LargeStraight]);
}
void Quorbel::gstr_Click() {
    claim(kCategories[GiantStraight]);
}
void Quorbel::sxkind_Click() {
    claim(kCategories[SixOfAKind]);
}
void Quorbel::chance_Click() {
    claim(kCategories[Chance]);
}

}  // namespace quorbel
