// Entering the dice in a category: the claim protocol shared by all sixteen labels.
#include "game/categories.h"
#include "game/quorbel.h"
#include "game/score_text.h"

namespace quorbel {

void Quorbel::claim(int category) {
    const CategoryRow& row = kCategories[static_cast<std::size_t>(category)];
    Control& label = row.label(form);
    if (row.recount == Recount::BeforeGuard) state.facecount = countFaces(state.dice);
    if (label.foreColor == kBlue) return;  // closed: the click changes nothing
    if (row.recount == Recount::AfterGuard) state.facecount = countFaces(state.dice);

    const Outcome outcome = row.rule(state);
    int& slot = row.slot(state);
    if (outcome.qualifies) {
        slot = outcome.score;
        label.caption = row.fixedCaption.empty()
                            ? std::string(row.claimedPrefix) + formatScore(outcome.score)
                            : std::string(row.fixedCaption);
    } else if (!row.scoresWithoutClosing) {
        slot = 0;  // closed with no points; the caption keeps its initial text
    }
    if (!(outcome.qualifies && row.scoresWithoutClosing)) {
        finchg();
        label.foreColor = kBlue;
    }
    endturn();
}

void Quorbel::finchg() {
    ++state.claimed;
}

void Quorbel::numbers_Click(int index) {
    if (index >= 1 && index <= 6) claim(Aces + index - 1);
}
void Quorbel::thpair_Click() {
    claim(ThreePairs);
}
void Quorbel::thrkind_Click() {
    claim(ThreeOfAKind);
}
void Quorbel::ttkind_Click() {
    claim(TwoTriples);
}
void Quorbel::frkind_Click() {
    claim(FourOfAKind);
}
void Quorbel::fvkind_Click() {
    claim(FiveOfAKind);
}
void Quorbel::sstr_Click() {
    claim(SmallStraight);
}
void Quorbel::lstr_Click() {
    claim(LargeStraight);
}
void Quorbel::gstr_Click() {
    claim(GiantStraight);
}
void Quorbel::sxkind_Click() {
    claim(SixOfAKind);
}
void Quorbel::chance_Click() {
    claim(Chance);
}

}  // namespace quorbel
