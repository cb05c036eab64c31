// The game without a toolkit: how long its handlers take, and what they allocate.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "allocations.h"
#include "game/rules.h"
#include "script.h"

namespace quorbel::bench {
namespace {

// Allocations per iteration, as a counter next to the time.
class AllocationCount {
  public:
    explicit AllocationCount(benchmark::State& state) : state_(state), start_(allocationCount()) {}
    ~AllocationCount() {
        state_.counters["allocs"] = benchmark::Counter(
            static_cast<double>(allocationCount() - start_), benchmark::Counter::kAvgIterations);
    }

  private:
    benchmark::State& state_;
    std::size_t start_;
};

// The core drives itself: the clicks the window would route, straight to the game.
struct CorePlayer {
    test::Harness& h;
    void roll() { h.game.click(kRoll); }
    void press(int die) { h.press(die); }
    void claim(ControlId id) { h.game.click(id); }
};

// A game on these dice whose ratings go nowhere, not even into a list; loaded or not.
struct Game {
    explicit Game(RandomSource& dice, bool loaded = true)
        : h(loaded ? test::Harness::Start::Loaded : test::Harness::Start::ByTheWindow, &dice),
          game(h.game) {
        game.services = {};
    }
    test::Harness h;
    Quorbel& game;
};

// Everything start-up does to the records once they exist. Timed by hand around the one
// call: pausing the benchmark's clock would cost more than Form_Load itself.
void FormLoad(benchmark::State& state) {
    RepeatableRandom random;
    Game g(random, false);
    Quorbel& game = g.game;
    std::size_t counted = 0;
    for (auto _ : state) {
        game.state = GameState{};
        game.form = Form::design();  // fresh records: no capacity left from the last pass
        const std::size_t before = allocationCount();
        const auto start = std::chrono::steady_clock::now();
        game.Form_Load();
        const auto end = std::chrono::steady_clock::now();
        counted += allocationCount() - before;
        benchmark::DoNotOptimize(game.form);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(counted), benchmark::Counter::kAvgIterations);
}

// A whole new game: the designed records built afresh, then Form_Load.
void Restart(benchmark::State& state) {
    RepeatableRandom random;
    Game g(random);
    Quorbel& game = g.game;
    AllocationCount count(state);
    for (auto _ : state) {
        game.restart_Click();
        benchmark::DoNotOptimize(game.form);
    }
}

// One roll with the real clock-seeded generator; only the roll count is put back. The
// handler itself, with one die held; or routed, a click on Roll as the window routes it:
// found by its id, then handled.
template <bool routed>
void Roll(benchmark::State& state) {
    ClockRandom random;
    Game g(random);
    Quorbel& game = g.game;
    if (!routed) {
        game.press_Click();
        game.hold_Click(2);  // one die held, the others rolled
    }
    AllocationCount count(state);
    for (auto _ : state) {
        game.state.rolls = 0;
        if constexpr (routed)
            game.click(kRoll);
        else
            game.press_Click();
        benchmark::DoNotOptimize(game.state.dice);
    }
}

// One click on a category label with the given dice, and the end of turn that follows.
// Each pass first puts back the state and the label that the previous pass changed.
void Claim(benchmark::State& state, ControlId id, Dice dice, bool fits, bool closed) {
    RepeatableRandom random;
    Game g(random);
    Quorbel& game = g.game;
    game.press_Click();  // the labels take clicks after a roll
    game.state.dice = dice;
    Control& label = game.form.find(id);
    if (closed) label.foreColor = kBlue;
    const GameState start = game.state;
    const Color startColor = label.foreColor;

    game.click(id);
    if ((game.state.grandtotal > 0) != fits) {
        state.SkipWithError("the dice do not do what this case is about");
        return;
    }
    AllocationCount count(state);
    for (auto _ : state) {
        game.state = start;
        label.foreColor = startColor;
        label.enabled = true;
        game.click(id);
        benchmark::DoNotOptimize(game.state);
    }
}

void EndTurn(benchmark::State& state) {
    RepeatableRandom random;
    Game g(random);
    Quorbel& game = g.game;
    game.press_Click();
    game.numbers_Click(3);
    AllocationCount count(state);
    for (auto _ : state) {
        game.endturn();
        benchmark::DoNotOptimize(game.state);
    }
}

// Restart, then sixteen or more scripted turns to the end of the game.
void WholeGame(benchmark::State& state) {
    RepeatableRandom random;
    Game g(random);
    Quorbel& game = g.game;
    CorePlayer player{g.h};
    int turns = 0;
    AllocationCount count(state);
    for (auto _ : state) {
        game.restart_Click();
        turns += playScriptedGame(player, game);
        if (!game.isOver()) {
            state.SkipWithError("the scripted game did not end");
            return;
        }
    }
    state.counters["turns"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
    state.counters["total"] = game.state.grandtotal;
}

struct ClaimCase {
    const char* name;
    ControlId id;
    Dice dice;
    bool fits = true;
    bool closed = false;
};

void registerAll() {
    using enum ControlName;
    benchmark::RegisterBenchmark("Form_Load", FormLoad)->UseManualTime();
    benchmark::RegisterBenchmark("Restart", Restart);
    benchmark::RegisterBenchmark("Roll", Roll<false>);
    benchmark::RegisterBenchmark("Roll/click", Roll<true>);
    static const ClaimCase cases[] = {
        {"Aces", {numbers, 1}, {0, 1, 1, 1, 2, 3, 4}},
        {"Twos", {numbers, 2}, {0, 2, 2, 1, 2, 3, 4}},
        {"Threes", {numbers, 3}, {0, 3, 3, 3, 2, 6, 4}},
        {"Fours", {numbers, 4}, {0, 4, 1, 4, 2, 3, 4}},
        {"Fives", {numbers, 5}, {0, 5, 5, 1, 2, 3, 4}},
        {"Sixes", {numbers, 6}, {0, 6, 6, 6, 6, 3, 4}},
        {"thpair", {thpair, 0}, {0, 2, 2, 4, 4, 6, 6}},
        {"thrkind", {thrkind, 0}, {0, 3, 3, 3, 1, 2, 5}},
        {"ttkind", {ttkind, 0}, {0, 2, 2, 2, 5, 5, 5}},
        {"frkind", {frkind, 0}, {0, 4, 4, 4, 4, 1, 2}},
        {"fvkind", {fvkind, 0}, {0, 5, 5, 5, 5, 5, 1}},
        {"sstr", {sstr, 0}, {0, 1, 2, 3, 4, 6, 6}},
        {"lstr", {lstr, 0}, {0, 1, 2, 3, 4, 5, 5}},
        {"gstr", {gstr, 0}, {0, 1, 2, 3, 4, 5, 6}},
        {"sxkind", {sxkind, 0}, {0, 6, 6, 6, 6, 6, 6}},
        {"chance", {chance, 0}, {0, 1, 2, 3, 4, 5, 6}},
        {"gstr/no fit, closed with 0", {gstr, 0}, {0, 1, 1, 3, 4, 5, 6}, false},
        {"thrkind/already closed", {thrkind, 0}, {0, 3, 3, 3, 1, 2, 5}, false, true},
    };
    for (const ClaimCase& c : cases)
        benchmark::RegisterBenchmark((std::string("Claim/") + c.name).c_str(), Claim, c.id, c.dice,
                                     c.fits, c.closed);
    benchmark::RegisterBenchmark("EndTurn", EndTurn);
    benchmark::RegisterBenchmark("WholeGame", WholeGame);
}

}  // namespace
}  // namespace quorbel::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    quorbel::bench::registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
