// What must hold of a game at every moment, and across every single event.
#pragma once

#include <string>
#include "game/game_state.h"
#include "game/quorbel.h"
#include "ui/form.h"

namespace quorbel::robustness {

// The first rule that the game's state and window break, or empty when all of them hold.
// Each description starts with a short tag naming the rule ("claimed: ...").
std::string firstViolation(const Quorbel& game);

// Everything an event can change: the game's variables and every control record.
struct Snapshot {
    GameState state;
    Form form;

    static Snapshot of(const Quorbel& game) { return {game.state, game.form}; }
    bool operator==(const Snapshot& other) const;
};

// The rules on one game, given as its variables and its window.
std::string firstViolation(const GameState& state, const Form& form);

// A game just after start-up, as every Restart must leave it.
const Snapshot& freshGame();

// Watches a game event by event: each call to observe() checks the game on its own
// and against what the previous call saw, then remembers it.
class InvariantChecker {
  public:
    explicit InvariantChecker(const Quorbel& game) : previous_(Snapshot::of(game)) {}

    // The first rule broken, or empty. Call it after every event.
    std::string observe(const Quorbel& game);

    // Starts watching a different game (a new program after Exit).
    void reset(const Quorbel& game) { previous_ = Snapshot::of(game); }

    int gamesCompleted() const { return gamesCompleted_; }
    int restarts() const { return restarts_; }
    int sixOfAKindScores() const { return sixOfAKindScores_; }

  private:
    std::string compare(const Snapshot& before, const Snapshot& after);

    Snapshot previous_;
    int gamesCompleted_ = 0;
    int restarts_ = 0;
    int sixOfAKindScores_ = 0;
};

}  // namespace quorbel::robustness
