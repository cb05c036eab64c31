// Random walks over the game: events a player (or anything else) could send, a session
// that plays them on the core and checks every invariant after each one, and the
// shrinking of a failing walk to the fewest events that still fail.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/quorbel.h"
#include "harness.h"
#include "invariants.h"

namespace quorbel::robustness {

// One event, with the draws the dice take if it happens to roll them, so that a walk
// replays the same without its generator.
struct Event {
    enum class Kind : std::uint8_t { Click, MouseDown };
    Kind kind = Kind::Click;
    ControlId target{};  // Click
    int button = 0;      // MouseDown
    int shift = 0;
    float x = 0;
    float y = 0;
    std::array<double, 6> draws{};
};

std::string describe(const Event& event);

// The rule a violation names: "claimed" of "claimed: ...".
std::string ruleOf(const std::string& violation);

// Every control of a started game, headings, pips and the hidden template included.
const std::vector<ControlId>& allControls();

// A program running the game: events go in, invariants are checked after each one.
// Exit ends the program; the next event goes to a newly started one.
class Session {
  public:
    Session() { start(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The first rule the event broke, or empty.
    std::string apply(const Event& event);

    const Quorbel& game() const { return program_->game; }
    Quorbel& game() { return program_->game; }  // for tests that break it on purpose
    long events() const { return events_; }
    int gamesCompleted() const { return finishedGames_ + checker_->gamesCompleted(); }
    int restarts() const { return restarts_ + checker_->restarts(); }
    int sixOfAKindScores() const { return sixes_ + checker_->sixOfAKindScores(); }
    int exits() const { return exits_; }
    int messages() const { return messages_; }

  private:
    void start();

    std::unique_ptr<test::Harness> program_;  // its dice draw the current event's draws
    std::unique_ptr<InvariantChecker> checker_;
    long events_ = 0;
    int exits_ = 0;
    int messages_ = 0;
    int finishedGames_ = 0;  // counts of the programs that have exited
    int restarts_ = 0;
    int sixes_ = 0;
};

struct Failure {
    std::size_t index;  // of the event that broke a rule
    std::string rule;
};

// Plays the events on a new session; the first failure, if any.
std::optional<Failure> replay(const std::vector<Event>& events);

// Delta debugging: a shortest list (no single event can be left out) that still fails.
std::vector<Event> shrink(std::vector<Event> events,
                          const std::function<bool(const std::vector<Event>&)>& fails);

// The shortest list that still breaks the same rule as the whole walk.
std::vector<Event> shrinkFailure(const std::vector<Event>& events, const Failure& failure);

// Picks events at random, weighted towards playing games to their end but aimed at
// every control, in every state, and at every kind of point on the window.
class EventGenerator {
  public:
    explicit EventGenerator(std::uint64_t seed) : engine_(seed) {}
    Event next(const Quorbel& game);

  private:
    std::array<double, 6> draws();
    float coordinate(bool horizontal);
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }

    std::mt19937_64 engine_;
};

// A draw that gives the face (1..6): somewhere inside its sixth of [0, 1), edges included.
double drawFor(int face, double within);

}  // namespace quorbel::robustness
