#include "game/focus.h"

#include <algorithm>

#include "dice/geometry.h"
#include "game/categories.h"

namespace quorbel {

namespace {

ControlId dieNeighbour(int die, Arrow arrow) {
    const int column = (die - 1) % 2;
    const int row = (die - 1) / 2;
    int to = die;
    switch (arrow) {
        case Arrow::Left:
            to = column > 0 ? die - 1 : die;
            break;
        case Arrow::Right:
            to = column < 1 ? die + 1 : die;
            break;
        case Arrow::Up:
            to = row > 0 ? die - 2 : die;
            break;
        case Arrow::Down:
            to = row < kDieCount / 2 - 1 ? die + 2 : die;
            break;
    }
    return {ControlName::Rect, to};
}

}  // namespace

const std::vector<ControlId>& focusChain() {
    static const std::vector<ControlId> chain = [] {
        std::vector<ControlId> ids{{ControlName::press, 0}};
        for (int die = 1; die <= kDieCount; ++die) ids.push_back({ControlName::Rect, die});
        const auto& sheet = categoryLabelIds();
        ids.insert(ids.end(), sheet.begin(), sheet.end());
        ids.push_back({ControlName::restart, 0});
        ids.push_back({ControlName::exitgame, 0});
        return ids;
    }();
    return chain;
}

ControlId arrowNeighbour(ControlId from, Arrow arrow) {
    if (from.name == ControlName::Rect && from.index >= 1 && from.index <= kDieCount)
        return dieNeighbour(from.index, arrow);
    const auto& sheet = categoryLabelIds();
    const auto at = std::find(sheet.begin(), sheet.end(), from);
    if (at == sheet.end()) return from;
    const bool back = arrow == Arrow::Left || arrow == Arrow::Up;
    if (back) return at == sheet.begin() ? from : *(at - 1);
    return at + 1 == sheet.end() ? from : *(at + 1);
}

}  // namespace quorbel
