// The main window's controls, as the window holds them while a game runs.
#pragma once

#include "ui/controls.h"

namespace quorbel {

inline constexpr int kWindowWidth = 395;
inline constexpr int kWindowHeight = 385;
inline constexpr Color kWindowColor = kYellow;
inline constexpr std::string_view kWindowCaption = "Quorbel!";

// Each die has seven pip places; pip k (1..42) is place (k - 1) % 7 + 1 of die (k - 1) / 7 + 1.
inline constexpr int kPipsPerDie = 7;
constexpr int pipOf(int die, int place) {
    return kPipsPerDie * (die - 1) + place;
}

// NOLINTBEGIN(bugprone-macro-parentheses): each macro's argument is a control's name
struct Form {
#define QUORBEL_ONE(name) Control name;
#define QUORBEL_MANY(name) ControlArray name;
    QUORBEL_CONTROLS(QUORBEL_ONE, QUORBEL_MANY)
#undef QUORBEL_ONE
#undef QUORBEL_MANY

    // The window as designed, before start-up creates its run-time controls. The category
    // labels get their captions from the game's score sheet at start-up.
    static Form design();

    Control& find(ControlId id);
    const Control& find(ControlId id) const {
        return const_cast<Form*>(this)->find(id);
    }

    // Visits every control, from the bottom of the stacking order to the top.
    template <class Visit>
    void forEachControl(Visit&& visit) const {
#define QUORBEL_ONE(name) visit(name);
#define QUORBEL_MANY(name) \
    for (const Control& element : name) visit(element);
        QUORBEL_CONTROLS(QUORBEL_ONE, QUORBEL_MANY)
#undef QUORBEL_ONE
#undef QUORBEL_MANY
    }
};

// NOLINTEND(bugprone-macro-parentheses)

// Creates the upper score labels Twos..Sixes as copies of Aces, one row apart.
void loadlabels(Form& form);

}  // namespace quorbel
