// The end of a turn and of the game.
#include "dice/dice.h"
#include "game/quorbel.h"
#include "game/score_text.h"

namespace quorbel {

void Quorbel::endturn() {
    GameState& s = state;
    s.uppertotal = 0;
    s.lowertotal = 0;
    for (const Category& category : kCategories)
        (category.face > 0 ? s.uppertotal : s.lowertotal) += slotOf(s, category);
    if (s.uppertotal > kBonusThreshold) s.uppertotal += kBonus;
    s.grandtotal = s.lowertotal + s.uppertotal;
    form.totu.caption = "Total:" + formatScore(s.uppertotal);
    form.totl.caption = "Total:" + formatScore(s.lowertotal);
    form.tott.caption = "Total:" + formatScore(s.grandtotal);

    s.rolls = 0;
    form.press.enabled = true;
    clearDice(form);
    for (const Category& category : kCategories) form.find(category.label).enabled = false;
    focusRequest = form.press.id;

    if (s.claimed == kCategoryCount) endgame();
}

void Quorbel::endgame() {
    form.exitgame.visible = true;
    form.restart.visible = true;
    form.press.visible = false;
    focusRequest = form.restart.id;
    if (const auto message = ratingMessage(state.grandtotal); message && services.showMessage)
        services.showMessage(*message);
}

}  // namespace quorbel
