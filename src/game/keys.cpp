// What the game's own keys do, wherever the focus is.
#include "dice/geometry.h"
#include "game/quorbel.h"
#include "game/spoken.h"

namespace quorbel {

void Quorbel::dieKey(int die) {
    if (die < 1 || die > kDieCount) return;
    pressDie(die);
    news = heldNews(*this, die);
}

void Quorbel::sayAgain() {
    news = lastResult_;
}

void Quorbel::sayDice() {
    news = diceNews(*this);
}

void Quorbel::sayTotals() {
    news = totalsNews(*this);
}

void Quorbel::tell(std::string words) {
    lastResult_ = words;
    news = std::move(words);
}

}  // namespace quorbel
