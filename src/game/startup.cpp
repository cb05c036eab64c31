// Start-up, restart and exit of a game.
#include "dice/faces.h"
#include "game/quorbel.h"

namespace quorbel {

namespace {
constexpr std::string_view kNewGame = "A new game has begun";
}  // namespace

Quorbel::Quorbel(RandomSource& random, Services services)
    : random_(random), services_(std::move(services)) {}

void Quorbel::Form_Load() {
    state.claimed = 0;
    random_.seedFromClock();
    state.rolls = 0;
    for (const Category& category : kCategories) slotOf(state, category) = 0;
    for (int face = 1; face <= 6; ++face) state.facecount[static_cast<std::size_t>(face)] = 0;
    state.lowertotal = 0;
    state.uppertotal = 0;
    state.grandtotal = 0;
    loadlabels(form);
    loadimages(form);
    focusRequest = form.press.id;
    lastResult_ = kNewGame;
}

// A new game is a new window: nothing of the old one survives.
void Quorbel::restart_Click() {
    state = GameState{};
    form = Form::design();
    Form_Load();
    tell(std::string(kNewGame));
}

void Quorbel::exitgame_Click() {
    if (services_.exitProgram) services_.exitProgram();
}

}  // namespace quorbel
