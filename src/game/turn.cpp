// The end of a turn and of the game.
#include "game/quorbel.h"
#include "game/rating.h"
#include "game/score_text.h"

namespace quorbel {

namespace {
constexpr int kBonusThreshold = 75;  // the upper scores must add up to more than this
constexpr int kBonus = 42;
constexpr int kCategoriesToClose = 16;
}  // namespace

void Quorbel::endturn() {
    GameState& s = state;
    s.uppertotal = 0;
    for (int face = 1; face <= 6; ++face) s.uppertotal += s.facescore[face];
    if (s.uppertotal > kBonusThreshold) s.uppertotal += kBonus;
    s.lowertotal = s.thpairscore + s.thrkindscore + s.ttkindscore + s.frkindscore + s.fvkindscore +
                   s.sxkindscore + s.sstrscore + s.lstrscore + s.gstrscore + s.chancescore;
    s.grandtotal = s.lowertotal + s.uppertotal;
    form.totu.caption = "Total:" + formatScore(s.uppertotal);
    form.totl.caption = "Total:" + formatScore(s.lowertotal);
    form.tott.caption = "Total:" + formatScore(s.grandtotal);

    s.rolls = 0;
    form.press.enabled = true;
    for (Control& picture : form.hold) {
        picture.visible = false;
        picture.enabled = false;
    }
    for (int k = 1; k <= form.pip.upper(); ++k) form.pip(k).visible = false;
    form.forEachCategoryLabel([](Control& label) { label.enabled = false; });

    if (s.claimed == kCategoriesToClose) endgame();
}

void Quorbel::endgame() {
    form.exitgame.visible = true;
    form.restart.visible = true;
    form.press.visible = false;
    if (const auto message = ratingMessage(state.grandtotal); message && services_.showMessage)
        services_.showMessage(*message);
}

}  // namespace quorbel
