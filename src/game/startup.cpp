// Start-up, restart and exit of a game.
#include "dice/dice.h"
#include "game/quorbel.h"

namespace quorbel {

namespace {
constexpr std::string_view kNewGame = "A new game has begun";
}  // namespace

Quorbel::Quorbel(RandomSource& random, Services services)
    : services(std::move(services)), random_(random) {}

// The state starts at its zeros, with the window: here the dice get their luck and the
// window its run-time controls.
void Quorbel::Form_Load() {
    random_.seedFromClock();
    loadlabels(form);
    for (const Category& category : kCategories)
        form.find(category.label).caption = std::string(category.name) + ": 0";
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

void Quorbel::exitgame_Click() const {
    if (services.exitProgram) services.exitProgram();
}

}  // namespace quorbel
