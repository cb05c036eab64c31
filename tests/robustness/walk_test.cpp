// Long random walks over the game core, every rule checked after every event, and the
// checker and shrinker themselves held to account.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>

#include "invariants.h"
#include "walk.h"

namespace quorbel::robustness {
namespace {

long fromEnvironment(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

Event clickOn(ControlName name, int index = 0) {
    Event e;
    e.target = {name, index};
    return e;
}

// A roll whose fresh dice show these faces, die 1 first.
Event roll(std::array<int, 6> faces) {
    Event e = clickOn(ControlName::press);
    for (std::size_t i = 0; i < 6; ++i) e.draws[i] = drawFor(faces[i], 0.5);
    return e;
}

// A mouse press in the middle of a die.
Event pressOn(int die, int button = 1) {
    Event e;
    e.kind = Event::Kind::MouseDown;
    e.button = button;
    e.x = test::dieCentre(die).x;
    e.y = test::dieCentre(die).y;
    return e;
}

TEST(RandomWalk, NoEventBreaksAnyRule) {
    // QUORBEL_WALK_SEEDS=20000 makes a soak run; QUORBEL_WALK_FIRST_SEED picks up a report.
    const long seeds = fromEnvironment("QUORBEL_WALK_SEEDS", 250);
    const long firstSeed = fromEnvironment("QUORBEL_WALK_FIRST_SEED", 1);
    constexpr int kEventsPerSeed = 2000;

    long events = 0, games = 0, restarts = 0, exits = 0, sixes = 0, messages = 0;
    const auto started = std::chrono::steady_clock::now();
    for (long seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        Session session;
        EventGenerator generator(static_cast<std::uint64_t>(seed));
        std::vector<Event> walk;
        walk.reserve(kEventsPerSeed);
        for (int i = 0; i < kEventsPerSeed; ++i) {
            walk.push_back(generator.next(session.game()));
            const std::string broken = session.apply(walk.back());
            if (broken.empty()) continue;
            const auto shortest = shrinkFailure(walk, {walk.size() - 1, broken});
            std::string steps;
            for (const Event& e : shortest) steps += "\n  " + describe(e);
            const auto again = replay(shortest);
            ADD_FAILURE() << "seed " << seed << ", event " << i << ": " << broken << "\n"
                          << shortest.size() << " events still fail ("
                          << (again ? again->rule : "no longer fails") << "):" << steps;
            break;
        }
        events += session.events();
        games += session.gamesCompleted();
        restarts += session.restarts();
        exits += session.exits();
        sixes += session.sixOfAKindScores();
        messages += session.messages();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "random walk: " << seeds << " seeds, " << events << " events, " << games
              << " games completed, " << restarts << " restarts, " << exits << " exits, " << sixes
              << " six-of-a-kind scores, " << messages << " ratings, " << seconds << " s\n";
    // The walk has to reach every corner it is meant to: whole games, restarts, exits.
    EXPECT_GE(games, seeds * 4);
    EXPECT_GE(restarts, seeds * 2);
    EXPECT_GE(exits, seeds / 10);
    EXPECT_GE(sixes, seeds / 2);
}

// A game in mid-turn: two categories closed with points, one with none, six of a kind
// scored once, the dice rolled once and die 1 held.
struct MidGame {
    Session session;
    MidGame() {
        // clang-format off
        const Event events[] = {roll({2, 2, 5, 5, 6, 6}), clickOn(ControlName::thpair),
                                roll({6, 6, 6, 6, 6, 6}), clickOn(ControlName::sxkind),
                                roll({1, 2, 3, 4, 5, 6}), clickOn(ControlName::gstr),
                                roll({1, 1, 2, 2, 3, 3}), clickOn(ControlName::lstr),
                                roll({3, 3, 3, 3, 1, 2}), pressOn(1)};
        // clang-format on
        for (const Event& e : events)
            if (std::string broken = session.apply(e); !broken.empty())
                throw std::logic_error("the set-up broke a rule: " + broken);
    }
    Quorbel& game() { return session.game(); }
};

void redraw(Quorbel& game, int die, int value) {
    game.state.dice[die] = value;
    for (int p = 1; p <= 7; ++p) game.form.pip(pipOf(die, p)).visible = false;
    for (int p : test::pipsOfFace(value)) game.form.pip(pipOf(die, p)).visible = true;
}

// Closes upper categories with scores (face, score), as claims would, but without ending
// the turn; the upper total is set to `upper` and the grand total follows.
void closeUpper(Quorbel& g, std::initializer_list<std::pair<int, int>> scores, int upper) {
    for (auto [face, score] : scores) {
        g.state.facescore[face] = score;
        g.form.numbers(face).caption =
            claimedCaption(*categoryLabelled({ControlName::numbers, face}), score);
        g.form.numbers(face).foreColor = kBlue;
        ++g.state.claimed;
    }
    g.state.uppertotal = upper;
    g.state.grandtotal = g.state.uppertotal + g.state.lowertotal;
    g.form.totu.caption = "Total: " + std::to_string(upper);
    g.form.tott.caption = "Total: " + std::to_string(g.state.grandtotal);
}

struct Fault {
    const char* what;
    const char* rule;
    std::function<void(Quorbel&)> apply;
};

TEST(Invariants, HoldInAGameInMidTurn) {
    MidGame mid;
    EXPECT_EQ(firstViolation(mid.game()), "");
    EXPECT_EQ(mid.game().state.claimed, 3);
    EXPECT_TRUE(mid.game().form.hold(1).visible);
}

TEST(Invariants, CatchEachKindOfBrokenGame) {
    const std::vector<Fault> faults = {
        {"a claim not counted", "claimed", [](Quorbel& g) { --g.state.claimed; }},
        {"a label blue without a claim", "claimed",
         [](Quorbel& g) { g.form.chance.foreColor = kBlue; }},
        {"a sixth roll", "rolls", [](Quorbel& g) { g.state.rolls = 6; }},
        {"Roll disabled after one roll", "rolls", [](Quorbel& g) { g.form.press.enabled = false; }},
        {"Restart shown in mid-game", "buttons", [](Quorbel& g) { g.form.restart.visible = true; }},
        {"Roll hidden in mid-game", "buttons", [](Quorbel& g) { g.form.press.visible = false; }},
        {"a category disabled after a roll", "labels-enabled",
         [](Quorbel& g) { g.form.numbers(3).enabled = false; }},
        {"an upper total off by one", "totals", [](Quorbel& g) { ++g.state.uppertotal; }},
        {"a grand total without six of a kind", "totals",
         [](Quorbel& g) { g.state.grandtotal -= 100; }},
        {"a bonus at 75", "totals",
         [](Quorbel& g) {
             closeUpper(g, {{6, 36}, {5, 25}, {2, 12}, {1, 2}}, 75 + 42);
         }},
        {"no bonus at 76", "totals",
         [](Quorbel& g) {
             closeUpper(g, {{6, 36}, {5, 25}, {3, 15}}, 76);
         }},
        {"a total caption with two blanks", "totals",
         [](Quorbel& g) { g.form.totl.caption = "Total:  " + std::to_string(g.state.lowertotal); }},
        {"the claimed prefix in the initial case", "caption",
         [](Quorbel& g) { g.form.thpair.caption = "3 Pairs:  25"; }},
        {"a score on an open label", "caption",
         [](Quorbel& g) { g.form.numbers(2).caption = "Twos: 4"; }},
        {"an upper score the dice cannot make", "caption",
         [](Quorbel& g) {
             g.form.numbers(2).caption = "Twos: 3";
             g.form.numbers(2).foreColor = kBlue;
             ++g.state.claimed;
         }},
        {"a straight's slot apart from its caption", "caption",
         [](Quorbel& g) { g.state.gstrscore = 30; }},
        {"a six-of-a-kind score out of its series", "caption",
         [](Quorbel& g) {
             g.form.sxkind.caption = "Quorbel:  150";
             g.state.sxkindscore = 150;
         }},
        {"chance closed with its initial caption", "caption",
         [](Quorbel& g) {
             g.form.chance.foreColor = kBlue;
             ++g.state.claimed;
         }},
        {"a pip missing", "pips", [](Quorbel& g) { g.form.pip(4).visible = false; }},
        {"the template pip shown", "pips", [](Quorbel& g) { g.form.pip(0).visible = true; }},
        {"a die of seven", "dice", [](Quorbel& g) { g.state.dice[3] = 7; }},
        {"a seventh upper label", "structure", [](Quorbel& g) { g.form.numbers.create(); }},
    };
    for (const Fault& fault : faults) {
        MidGame mid;
        fault.apply(mid.game());
        EXPECT_EQ(ruleOf(firstViolation(mid.game())), fault.rule) << fault.what;
    }
}

TEST(Invariants, CatchEachKindOfBrokenEvent) {
    const std::vector<Fault> faults = {
        {"a held die rerolled", "holds", [](Quorbel& g) { redraw(g, 1, 5); }},
        {"a die changed without a roll", "dice", [](Quorbel& g) { redraw(g, 2, 5); }},
        {"a HOLD left over a new turn", "holds",
         [](Quorbel& g) {
             g.chance_Click();
             g.form.hold(4).visible = true;
         }},
        {"a closed category reopened", "claimed",
         [](Quorbel& g) {
             g.form.lstr.foreColor = kBlack;
             --g.state.claimed;
         }},
        {"two claims in one event", "claimed",
         [](Quorbel& g) {
             g.form.numbers(1).foreColor = kBlue;
             g.form.numbers(2).caption = "Twos: 0";
             g.form.numbers(2).foreColor = kBlue;
             g.state.claimed += 2;
         }},
    };
    for (const Fault& fault : faults) {
        MidGame mid;
        InvariantChecker checker(mid.game());
        fault.apply(mid.game());
        EXPECT_EQ(ruleOf(checker.observe(mid.game())), fault.rule) << fault.what;
    }
}

// Plays every open category in turn until the game ends.
void finish(Session& session) {
    for (int turn = 0; turn < 40 && !session.game().isOver(); ++turn) {
        ASSERT_EQ(session.apply(roll({1, 1, 2, 3, 5, 6})), "");
        const std::vector<ControlId> open = test::openCategories(session.game().form);
        ASSERT_FALSE(open.empty());
        Event claim;
        claim.target = open.front();
        ASSERT_EQ(session.apply(claim), "");
    }
    ASSERT_TRUE(session.game().isOver());
}

TEST(Invariants, AFinishedGameChangesOnlyThroughRestart) {
    Session session;
    finish(session);
    Quorbel& game = session.game();
    InvariantChecker checker(game);
    const Snapshot finished = Snapshot::of(game);
    const int face = game.state.dice[1];
    game.state.dice[1] = face % 6 + 1;
    EXPECT_EQ(ruleOf(checker.observe(game)), "over");
    game.state.dice[1] = face;
    checker.reset(game);
    EXPECT_EQ(checker.observe(game), "");  // an event that changes nothing
    game.restart_Click();
    EXPECT_EQ(checker.observe(game), "");
    EXPECT_EQ(checker.restarts(), 1);
    EXPECT_FALSE(Snapshot::of(game) == finished);
}

// A finished game still holds and releases dice, as at any other time, and nothing
// else of it changes.
TEST(Regression, AFinishedGameTogglesHoldsOnly) {
    Session session;
    finish(session);
    const GameState before = session.game().state;
    for (int die = 1; die <= 6; ++die) {
        for (int button : {1, 2, 4}) {
            const bool held = session.game().form.hold(die).visible;
            EXPECT_EQ(session.apply(pressOn(die, button)), "") << "die " << die;
            EXPECT_NE(session.game().form.hold(die).visible, held) << "die " << die;
        }
        session.game().hold_Click(die);
        EXPECT_FALSE(session.game().form.hold(die).visible) << "die " << die;
    }
    EXPECT_EQ(session.game().state, before);
}

TEST(Shrink, LeavesOnlyTheEventsAFailureNeeds) {
    // A planted failure: three categories closed in one game. Six events do it (three rolls,
    // three claims); the shrunk walk must keep exactly those and nothing else.
    const auto threeClosed = [](const std::vector<Event>& events) {
        Session session;
        for (const Event& e : events) {
            session.apply(e);
            if (session.game().state.claimed >= 3) return true;
        }
        return false;
    };
    EventGenerator generator(7);
    Session session;
    std::vector<Event> walk;
    while (!threeClosed(walk)) {
        ASSERT_LT(walk.size(), 1000u) << session.game().state.claimed << " closed";
        walk.push_back(generator.next(session.game()));
        session.apply(walk.back());
    }
    ASSERT_GT(walk.size(), 6u);
    const std::vector<Event> shortest = shrink(walk, threeClosed);
    ASSERT_EQ(shortest.size(), 6u);
    for (std::size_t leftOut = 0; leftOut < shortest.size(); ++leftOut) {
        std::vector<Event> fewer = shortest;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(leftOut));
        EXPECT_FALSE(threeClosed(fewer)) << "event " << leftOut << " is not needed";
    }
}

TEST(Session, ExitStartsAFreshProgram) {
    Session session;
    finish(session);
    ASSERT_EQ(session.apply(clickOn(ControlName::exitgame)), "");
    EXPECT_EQ(session.exits(), 1);
    EXPECT_TRUE(Snapshot::of(session.game()) == freshGame());
    EXPECT_EQ(session.gamesCompleted(), 1);
}

}  // namespace
}  // namespace quorbel::robustness
