#include "game/focus.h"

#include <algorithm>

#include "dice/dice.h"
#include "game/categories.h"

namespace quorbel {

const std::vector<ControlId>& focusChain() {
    static const std::vector<ControlId> chain = [] {
        std::vector<ControlId> ids{{ControlName::press, 0}};
        for (int die = 1; die <= kDieCount; ++die) ids.push_back({ControlName::Rect, die});
        for (const Category& category : kCategories) ids.push_back(category.label);
        ids.push_back({ControlName::restart, 0});
        ids.push_back({ControlName::exitgame, 0});
        return ids;
    }();
    return chain;
}

namespace {

// The score sheet as the arrow keys walk it: Aces..Sixes, the upper total, the lower
// categories, the lower total and the grand total.
const std::vector<ControlId>& sheetOrder() {
    static const std::vector<ControlId> sheet = [] {
        std::vector<ControlId> ids;
        for (const Category& category : kCategories) {
            ids.push_back(category.label);
            if (category.face == 6) ids.push_back({ControlName::totu, 0});
        }
        ids.push_back({ControlName::totl, 0});
        ids.push_back({ControlName::tott, 0});
        return ids;
    }();
    return sheet;
}

}  // namespace

ControlId arrowNeighbour(ControlId from, Arrow arrow) {
    // The sheet lies left of the buttons and of the dice' left column: the arrows reach it
    // before any roll and after the game's end.
    const bool button = from.name == ControlName::press || from.name == ControlName::restart ||
                        from.name == ControlName::exitgame;
    if (arrow == Arrow::Left && (button || (from.name == ControlName::Rect && from.index % 2 == 1)))
        return sheetOrder().front();
    const bool sideways = arrow == Arrow::Left || arrow == Arrow::Right;
    const int step = arrow == Arrow::Left || arrow == Arrow::Up ? -1 : 1;
    if (from.name == ControlName::Rect && from.index >= 1 && from.index <= kDieCount) {
        // Two dice a row: left and right stay in the row, up and down in the column.
        const int die = from.index + (sideways ? step : 2 * step);
        const bool inGrid = die >= 1 && die <= kDieCount;
        if (!inGrid || (sideways && (die - 1) / 2 != (from.index - 1) / 2)) return from;
        return {ControlName::Rect, die};
    }
    const std::vector<ControlId>& sheet = sheetOrder();
    const auto at = std::find(sheet.begin(), sheet.end(), from) - sheet.begin();
    const auto next = at + step;
    if (at == std::ssize(sheet) || next < 0 || next == std::ssize(sheet)) return from;
    return sheet[static_cast<std::size_t>(next)];
}

ControlId categoryByKey(const Form& form, ControlId from, char key, bool backwards) {
    const Category* here = categoryLabelled(from);
    // Off the sheet, forwards starts before the first row and backwards after the last.
    const int count = kCategoryCount;
    const int at = here ? static_cast<int>(here - kCategories.data()) : backwards ? count : -1;
    for (int step = 1; step <= count; ++step) {
        const int row = ((at + (backwards ? -step : step)) % count + count) % count;
        const Category& category = kCategories[static_cast<std::size_t>(row)];
        if (category.key == key && !isClosed(form.find(category.label))) return category.label;
    }
    return from;
}

}  // namespace quorbel
