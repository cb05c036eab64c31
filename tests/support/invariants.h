// What must hold of a game at every moment, and across every single event.
#pragma once

#include <array>
#include <optional>
#include <string>
#include "game/game_state.h"
#include "game/quorbel.h"
#include "ui/form.h"

namespace quorbel::robustness {

// Everything an event can change: the game's variables and every control record.
struct Snapshot {
    GameState state;
    Form form;

    static Snapshot of(const Quorbel& game) { return {game.state, game.form}; }
    bool operator==(const Snapshot& other) const;
};

// The first rule that the game's state and window break, or empty when all of them hold.
// Each description starts with a short tag naming the rule ("claimed: ...").
std::string firstViolation(const GameState& state, const Form& form);
inline std::string firstViolation(const Quorbel& game) {
    return firstViolation(game.state, game.form);
}

// A game just after start-up, as every Restart must leave it.
const Snapshot& freshGame();

// Watches a game event by event: each call to observe() checks the game on its own
// and against what the previous call saw, then remembers it.
class InvariantChecker {
  public:
    explicit InvariantChecker(const Quorbel& game) { reset(game); }

    // The first rule broken, or empty. Call it after every event.
    std::string observe(const Quorbel& game);

    // Starts watching a different game (a new program after Exit).
    void reset(const Quorbel& game);

    int gamesCompleted() const { return gamesCompleted_; }
    int restarts() const { return restarts_; }
    int sixOfAKindScores() const { return sixOfAKindScores_; }

  private:
    // What the rules across an event need of the game before it.
    struct Before {
        GameState state;
        std::array<bool, 7> held{};  // die 1..6
        std::array<bool, 16> closed{};
        std::array<std::string, 16> captions;
        std::optional<Snapshot> finished;  // all of it, while the game is over
    };

    std::string compare(const GameState& after, const Form& form);
    void remember(const Quorbel& game);

    Before before_;
    int gamesCompleted_ = 0;
    int restarts_ = 0;
    int sixOfAKindScores_ = 0;
};

}  // namespace quorbel::robustness
