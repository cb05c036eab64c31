// Start-up, restart and exit of a game, and the routing of clicks to their handlers.
#include "game/quorbel.h"

namespace quorbel {

Quorbel::Quorbel(RandomSource& random, Services services)
    : random_(random), services_(std::move(services)) {}

void Quorbel::Form_Load() {
    state.claimed = 0;
    random_.seedFromClock();
    state.rolls = 0;
    for (int face = 1; face <= 6; ++face) {
        state.facescore[face] = 0;
        state.facecount[face] = 0;
    }
    for (int* slot : {&state.thrkindscore, &state.frkindscore, &state.fvkindscore,
                      &state.sxkindscore, &state.ttkindscore, &state.sstrscore, &state.lstrscore,
                      &state.gstrscore, &state.thpairscore, &state.chancescore, &state.lowertotal,
                      &state.uppertotal, &state.grandtotal})
        *slot = 0;
    loadlabels();
    loadimages();
}

// A new game is a new window: nothing of the old one survives.
void Quorbel::restart_Click() {
    state = GameState{};
    form = Form::design();
    Form_Load();
}

void Quorbel::exitgame_Click() {
    if (services_.exitProgram) services_.exitProgram();
}

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

}  // namespace quorbel
