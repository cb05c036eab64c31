// Entering the dice in a category: the claim protocol shared by all sixteen labels.
#include "game/categories.h"
#include "game/quorbel.h"
#include "game/rating.h"
#include "game/score_text.h"
#include "game/spoken.h"

namespace quorbel {

void Quorbel::claim(const Category& category) {
    Control& label = form.find(category.label);
    if (category.recount == Recount::BeforeGuard) state.facecount = countFaces(state.dice);
    if (isClosed(label)) return;  // the click changes nothing
    if (category.recount == Recount::AfterGuard) state.facecount = countFaces(state.dice);

    const Outcome outcome = outcomeOf(state, category);
    int& slot = slotOf(state, category);
    if (outcome.qualifies) {
        slot = outcome.score;
        label.caption = category.fixedCaption.empty()
                            ? std::string(category.claimedPrefix) + formatScore(outcome.score)
                            : std::string(category.fixedCaption);
    } else if (!category.scoresWithoutClosing) {
        slot = 0;  // closed with no points; the caption keeps its initial text
    }
    if (!(outcome.qualifies && category.scoresWithoutClosing)) {
        ++state.claimed;
        label.foreColor = kBlue;
    }
    endturn();
    tell(claimedNews(*this, label));
    // The last claim ends the game: its rating is the last word.
    if (const auto rating = ratingMessage(state.grandtotal); rating && isOver())
        lastResult_ = *rating;
}

}  // namespace quorbel
