#include "ui/accessibility.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace quorbel {

namespace {

constexpr std::array<std::string_view, kPipsPerDie> kPipPlaces = {
    "upper left",   "upper right", "middle left", "centre",
    "middle right", "lower left",  "lower right"};

// Captions pad their numbers with a blank ("Chance:  21"); a reader needs only one.
std::string spoken(std::string_view caption) {
    std::string words;
    for (char c : caption) {
        if (c == ' ' && (words.empty() || words.back() == ' ')) continue;
        words += c;
    }
    if (!words.empty() && words.back() == ' ') words.pop_back();
    return words;
}

std::string categoryName(const Control& label) {
    return spoken(label.caption) + (label.foreColor == kBlue ? ", closed" : ", open");
}

// All three totals read "Total: n"; the name says which one.
std::string totalName(std::string_view which, const Control& label) {
    std::string words = spoken(label.caption);
    if (!words.empty())
        words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
    return std::string(which) + " " + words;
}

bool held(const Form& form, int die) {
    return die >= form.hold.lower() && die <= form.hold.upper() && form.hold(die).visible;
}

// A face of value v shows v pips, so the pips on view are the value a player reads.
int pipsShown(const Form& form, int die) {
    int shown = 0;
    for (int p = 1; p <= kPipsPerDie; ++p) {
        const int k = kPipsPerDie * (die - 1) + p;
        if (k <= form.pip.upper() && form.pip(k).visible) ++shown;
    }
    return shown;
}

std::string dieName(const Form& form, int n) {
    std::string name = "Die " + std::to_string(n);
    const int pips = pipsShown(form, n);
    name += pips > 0 ? " shows " + std::to_string(pips) : ", blank";
    if (held(form, n)) name += ", held";
    return name;
}

// "Dice: 3, 5 held, 1, 6, 2, 4", or nothing while no die shows a face.
std::string diceDescription(const Form& form) {
    std::string words = "Dice:";
    bool anyShown = false;
    for (int die = form.Rect.lower(); die <= form.Rect.upper(); ++die) {
        const int pips = pipsShown(form, die);
        anyShown = anyShown || pips > 0;
        words += die > form.Rect.lower() ? ", " : " ";
        words += pips > 0 ? std::to_string(pips) : "blank";
        if (held(form, die)) words += " held";
    }
    return anyShown ? words : std::string();
}

std::string pipName(int k) {
    if (k < 1) return "Pip";  // the template, never on view
    const auto place = kPipPlaces[static_cast<std::size_t>((k - 1) % kPipsPerDie)];
    return "Die " + std::to_string((k - 1) / kPipsPerDie + 1) + ", " + std::string(place) + " pip";
}

}  // namespace

std::string accessibleName(const Control& control, const Form& form, const SpokenFacts& facts) {
    const ControlId id = control.id;
    if (std::find(facts.categories.begin(), facts.categories.end(), id) != facts.categories.end())
        return categoryName(control);
    switch (id.name) {
        using enum ControlName;
        case totu:
            return totalName("Upper", control);
        case totl:
            return totalName("Lower", control);
        case tott:
            return totalName("Grand", control);
        case press:
            return spoken(control.caption) + ", " + std::to_string(facts.rollsUsed) + " of " +
                   std::to_string(facts.rollsPerTurn) + " rolls used";
        case Rect:
            return dieName(form, id.index);
        case hold:
            return "HOLD on die " + std::to_string(id.index);
        case pip:
            return pipName(id.index);
        default:
            return spoken(control.caption);
    }
}

std::string accessibleDescription(const Control& control, const Form& form) {
    return control.id.name == ControlName::press ? diceDescription(form) : std::string();
}

std::array<ControlId, 2> spokenBy(ControlId changed) {
    const ControlId roll{ControlName::press, 0};
    switch (changed.name) {
        case ControlName::hold:
            return {ControlId{ControlName::Rect, changed.index}, roll};
        case ControlName::pip:
            if (changed.index < 1) return {changed, changed};  // the template is never on view
            return {ControlId{ControlName::Rect, (changed.index - 1) / kPipsPerDie + 1}, roll};
        default:
            return {changed, changed};
    }
}

}  // namespace quorbel
