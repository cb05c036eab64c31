// Keys that act wherever the focus is, and the list that tells them.
#include "game/keys.h"

#include <algorithm>

#include "dice/dice.h"
#include "dice/geometry.h"
#include "game/quorbel.h"
#include "game/spoken.h"

namespace quorbel {

void Quorbel::dieKey(int die) {
    if (die < 1 || die > kDieCount) return;
    const auto [x, y] = dieCentre(die);
    Form_MouseDown(1, 0, x, y);
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

const std::vector<KeyUse>& keyList() {
    static const std::vector<KeyUse> keys = [] {
        std::vector<KeyUse> out{{"1 to 6", "Hold or let go die 1 to 6"}, {"R", "Roll"}};
        // A letter for the rows whose names it starts: "T: Go to Twos or Threes".
        Form form = Form::design();
        loadlabels(form);
        const std::size_t letters = out.size();
        for (const Category& category : kCategories) {
            const std::string& caption = form.find(category.label).caption;
            const std::string name = caption.substr(0, caption.find(':'));
            const std::string key(1, category.key);
            auto row = std::find_if(out.begin() + letters, out.end(),
                                    [&](const KeyUse& use) { return use.keys == key; });
            if (row == out.end())
                out.push_back({key, "Go to " + name});
            else
                row->does += ", " + name;
        }
        // "Go to Twos, Threes" reads "Go to Twos or Threes".
        for (auto row = out.begin() + letters; row != out.end(); ++row)
            if (const auto last = row->does.rfind(", "); last != std::string::npos)
                row->does.replace(last, 2, " or ");
        out.insert(out.end(), {{"Shift with a letter", "Go back to the one before"},
                               {"Space or Enter",
                                "Press what has the focus: roll, hold a die, enter the dice"},
                               {"Tab, Shift+Tab", "Move between the controls you can use now"},
                               {"Arrow keys", "Move over the dice and along the whole sheet"},
                               {"W", "Say the last result again"},
                               {"D", "Say the dice"},
                               {"O", "Say the totals and the way to the bonus"},
                               {"F1", "Show this list; Escape closes it"},
                               {"Ctrl+Q", "Quit"}});
        return out;
    }();
    return keys;
}

}  // namespace quorbel
