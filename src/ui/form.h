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

struct Form {
    Control upscores, lwscores;
    ControlArray numbers;  // Aces..Sixes; 2 to 6 are created at start-up
    Control thpair, thrkind, ttkind, frkind, fvkind, sstr, lstr, gstr, sxkind, chance;
    Control totu, totl, tott;
    Control press, restart, exitgame;
    ControlArray Rect;  // die squares 1..6
    ControlArray hold;  // HOLD pictures 1..6
    ControlArray pip;   // 0 is the hidden template, 1..42 are created at start-up

    // The window as designed, before start-up creates its run-time controls.
    static Form design();

    // Visits every control from the bottom of the stacking order to the top.
    template <class Visit>
    void forEachControl(Visit&& visit);
    template <class Visit>
    void forEachControl(Visit&& visit) const;

    Control& find(ControlId id);
    const Control& find(ControlId id) const { return const_cast<Form*>(this)->find(id); }
};

// Creates the upper score labels Twos..Sixes as copies of Aces, one row apart.
void loadlabels(Form& form);

template <class Self, class Visit>
void visitStacking(Self& form, Visit&& visit) {
    visit(form.upscores);
    visit(form.lwscores);
    for (auto& label : form.numbers) visit(label);
    for (auto* label : {&form.thpair, &form.thrkind, &form.ttkind, &form.frkind, &form.fvkind,
                        &form.sstr, &form.lstr, &form.gstr, &form.sxkind, &form.chance, &form.totu,
                        &form.totl, &form.tott, &form.press, &form.restart, &form.exitgame})
        visit(*label);
    visit(form.pip(0));
    // Each HOLD picture lies over its own square; every pip lies over every die.
    for (int die = form.Rect.lower(); die <= form.Rect.upper(); ++die) {
        visit(form.Rect(die));
        if (die <= form.hold.upper()) visit(form.hold(die));
    }
    for (int k = 1; k <= form.pip.upper(); ++k) visit(form.pip(k));
}

template <class Visit>
void Form::forEachControl(Visit&& visit) {
    visitStacking(*this, visit);
}

template <class Visit>
void Form::forEachControl(Visit&& visit) const {
    visitStacking(*this, visit);
}

}  // namespace quorbel
