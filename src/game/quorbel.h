// The main window's behaviour: its game state, its controls as records, and the
// event handlers that work on both. Nothing here knows which toolkit draws it.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "dice/random_source.h"
#include "game/categories.h"
#include "game/game_state.h"
#include "ui/form.h"

namespace quorbel {

// What the window needs from the toolkit beyond its controls. A missing one does nothing.
struct Services {
    std::function<void(const std::string& text)> showMessage;  // modal, one OK button
    std::function<void()> exitProgram;
};

class Quorbel {
  public:
    explicit Quorbel(RandomSource& random, Services services = {});

    GameState state;
    Form form = Form::design();
    Services services;

    // Events.
    void Form_Load();
    void Form_MouseDown(int button, int shift, float x, float y);
    void press_Click();
    void hold_Click(int index) { toggleHold(form, index); }
    // A category's label enters the dice there (game/claims.cpp).
    void numbers_Click(int index) { claim({ControlName::numbers, index}); }
    void thpair_Click() { claim({ControlName::thpair}); }
    void thrkind_Click() { claim({ControlName::thrkind}); }
    void ttkind_Click() { claim({ControlName::ttkind}); }
    void frkind_Click() { claim({ControlName::frkind}); }
    void fvkind_Click() { claim({ControlName::fvkind}); }
    void sstr_Click() { claim({ControlName::sstr}); }
    void lstr_Click() { claim({ControlName::lstr}); }
    void gstr_Click() { claim({ControlName::gstr}); }
    void sxkind_Click() { claim({ControlName::sxkind}); }
    void chance_Click() { claim({ControlName::chance}); }
    void restart_Click();
    void exitgame_Click() const;

    // A click on any control, routed to its handler; controls without one ignore it.
    void click(ControlId id);

    // What a press anywhere in die 1..6's square does: holds or releases it.
    void pressDie(int die) { toggleHold(form, die); }

    // Keys that act wherever the focus is. A die's key presses that die and says what it
    // did; the others only say something again.
    void dieKey(int die);
    void sayAgain() { news = lastResult_; }  // the last roll, claim, rating or restart
    void sayDice();                          // the faces on view and the rolls used
    void sayTotals();                        // the three totals and the way to the bonus

    // The window's own procedures.
    void endturn();
    void endgame();

    bool isOver() const { return form.restart.visible; }

    // Where keyboard focus should go after the last event, if anywhere new: Roll at the
    // start of a game and of every turn, die 1 once Roll is spent, Restart at the end.
    std::optional<ControlId> focusRequest;

    // What a screen reader should say of the last event's result, beyond where focus goes.
    std::optional<std::string> news;

  private:
    void claim(ControlId id);      // for a category label
    void tell(std::string words);  // news that the repeat key says again

    std::string lastResult_;
    RandomSource& random_;
};

}  // namespace quorbel
