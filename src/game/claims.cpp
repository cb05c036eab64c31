// Entering the dice in a category: the claim protocol shared by all sixteen labels.
#include "game/quorbel.h"
#include "game/score_text.h"
#include "game/spoken.h"

namespace quorbel {

void Quorbel::claim(ControlId id) {
    const Category* category = categoryLabelled(id);
    if (!category) return;
    Control& label = form.find(id);
    if (isClosed(label)) return;  // the click changes nothing

    const Outcome outcome = outcomeOf(state, *category);
    int& slot = slotOf(state, *category);
    if (outcome.qualifies) {
        slot = outcome.score;
        label.caption = claimedCaption(*category, outcome.score);
    } else if (!category->scoresWithoutClosing) {
        slot = 0;  // closed with no points; the caption keeps its initial text
    }
    if (!(outcome.qualifies && category->scoresWithoutClosing)) {
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
