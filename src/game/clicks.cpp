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
    claim({ControlName::numbers, index});
}
void Quorbel::thpair_Click() {
    claim({ControlName::thpair});
}
void Quorbel::thrkind_Click() {
    claim({ControlName::thrkind});
}
void Quorbel::ttkind_Click() {
    claim({ControlName::ttkind});
}
void Quorbel::frkind_Click() {
    claim({ControlName::frkind});
}
void Quorbel::fvkind_Click() {
    claim({ControlName::fvkind});
}
void Quorbel::sstr_Click() {
    claim({ControlName::sstr});
}
void Quorbel::lstr_Click() {
    claim({ControlName::lstr});
}
void Quorbel::gstr_Click() {
    claim({ControlName::gstr});
}
void Quorbel::sxkind_Click() {
    claim({ControlName::sxkind});
}
void Quorbel::chance_Click() {
    claim({ControlName::chance});
}

}  // namespace quorbel
