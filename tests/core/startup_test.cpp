// A new game: the state, the window's controls and their stacking; restart and exit.
#include <gtest/gtest.h>

#include "harness.h"

namespace quorbel::test {
namespace {

using enum ControlName;

constexpr Font kImpact{"Impact", 14.25, false};
constexpr Font kSheet{"Times New Roman", 12, true};
constexpr Font kBig{"Times New Roman", 15.75, true};
constexpr Font kButton{"Times New Roman", 14.25, true};

// Labels: all shown, none blue; the category labels wait for the first roll.
struct DesignedLabel {
    ControlId id;
    const char* caption;
    Geometry at;
    Color back;
    Font font;
    bool enabled;
};

const DesignedLabel kLabels[] = {
    {{numbers, 1}, "Aces: 0", {8, 32, 88, 23}, 0x0000FF00, kSheet, false},
    {{numbers, 2}, "Twos: 0", {8, 64, 88, 23}, 0x0000FF00, kSheet, false},
    {{numbers, 3}, "Threes: 0", {8, 96, 88, 23}, 0x0000FF00, kSheet, false},
    {{numbers, 4}, "Fours: 0", {8, 128, 88, 23}, 0x0000FF00, kSheet, false},
    {{numbers, 5}, "Fives: 0", {8, 160, 88, 23}, 0x0000FF00, kSheet, false},
    {{numbers, 6}, "Sixes: 0", {8, 192, 88, 23}, 0x0000FF00, kSheet, false},
    {{upscores}, "Upper Scores", {0, 0, 109, 27}, 0x0000C000, kImpact, true},
    {{lwscores}, "Lower Scores", {128, 0, 109, 27}, 0x000000C0, kImpact, true},
    {{thpair}, "3 Pairs: 0", {136, 32, 93, 23}, 0x000000FF, kSheet, false},
    {{thrkind}, "3 of a Kind: 0", {120, 64, 125, 23}, 0x000000FF, kSheet, false},
    {{ttkind}, "2 3-of-a-Kinds: 0", {112, 96, 141, 23}, 0x000000FF, kSheet, false},
    {{frkind}, "4 of a Kind: 0", {120, 128, 125, 23}, 0x000000FF, kSheet, false},
    {{fvkind}, "5 of a Kind: 0", {120, 160, 125, 23}, 0x000000FF, kSheet, false},
    {{sstr}, "Small Straight: 0", {112, 192, 141, 23}, 0x000000FF, kSheet, false},
    {{lstr}, "Large Straight: 0", {112, 224, 141, 23}, 0x000000FF, kSheet, false},
    {{gstr}, "Giant Straight: 0", {112, 256, 141, 23}, 0x000000FF, kSheet, false},
    {{sxkind}, "Quorbel: 0", {120, 288, 125, 23}, 0x000000FF, kSheet, false},
    {{chance}, "Chance: 0", {120, 320, 125, 23}, 0x000000FF, kSheet, false},
    {{totu}, "Total: 0", {8, 224, 89, 25}, 0x0080FF80, kSheet, true},
    {{totl}, "Total: 0", {120, 352, 121, 25}, 0x008080FF, kSheet, true},
    {{tott}, "Total: 0", {0, 320, 113, 33}, 0x00FFFF80, kBig, true},
};

// Push buttons: only Roll is shown until the game ends.
const struct {
    ControlName name;
    const char* caption;
    int top;
    bool visible;
} kButtons[] = {
    {press, "Roll", 224, true}, {restart, "Restart", 272, false}, {exitgame, "Exit", 320, false}};

TEST(StartUp, EveryScoreTotalAndCounterIsZeroAndTheDiceAreSeededOnce) {
    Harness h;
    const GameState& s = h.game.state;
    for (const auto& array : {s.dice, s.facescore})
        for (int v : array) EXPECT_EQ(v, 0);
    for (int v : {s.rolls, s.thrkindscore, s.frkindscore, s.fvkindscore, s.sxkindscore,
                  s.ttkindscore, s.sstrscore, s.lstrscore, s.gstrscore, s.thpairscore,
                  s.chancescore, s.lowertotal, s.uppertotal, s.grandtotal, s.claimed})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(h.random.seeds, 1);
    EXPECT_EQ(h.random.taken, 0);
}

TEST(StartUp, TheWindowIsBuiltAsDesigned) {
    Harness h;
    ASSERT_EQ(h.game.form.numbers.upper(), 6);
    EXPECT_THROW(h.game.form.find({numbers, 0}), std::out_of_range);
    for (const DesignedLabel& d : kLabels) {
        const Control& c = h.game.form.find(d.id);
        SCOPED_TRACE(d.caption);
        EXPECT_EQ(c.id, d.id);
        EXPECT_EQ(c.kind, ControlKind::Label);
        EXPECT_EQ(c.caption, d.caption);
        EXPECT_EQ(c.geometry, d.at);
        EXPECT_EQ(c.backColor, std::optional<Color>(d.back));
        EXPECT_EQ(c.foreColor, kBlack);
        EXPECT_EQ(c.font, d.font);
        EXPECT_TRUE(c.visible);
        EXPECT_EQ(c.enabled, d.enabled);
    }
    for (const auto& b : kButtons) {
        const Control& c = h.game.form.find({b.name, 0});
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(c.kind, ControlKind::PushButton);
        EXPECT_EQ(c.caption, b.caption);
        EXPECT_EQ(c.geometry, (Geometry{280, b.top, 97, 33}));
        EXPECT_EQ(c.font, kButton);
        EXPECT_EQ(c.visible, b.visible);
        EXPECT_TRUE(c.enabled);
    }
    for (const Control& c : snapshot(h.game.form)) EXPECT_NE(c.foreColor, kBlue);
}

TEST(StartUp, DiceSquaresHoldPicturesAndPips) {
    Harness h;
    const Form& f = h.game.form;
    ASSERT_EQ(f.Rect.upper(), 6);
    ASSERT_EQ(f.hold.upper(), 6);
    ASSERT_EQ(f.pip.upper(), 42);
    for (int die = 1; die <= 6; ++die) {
        SCOPED_TRACE(die);
        const int left = die % 2 ? 264 : 328;
        const int top = 8 + 64 * ((die - 1) / 2);
        EXPECT_EQ(f.Rect(die).geometry, (Geometry{left, top, 60, 60}));
        EXPECT_EQ(f.Rect(die).kind, ControlKind::DieSquare);
        EXPECT_TRUE(f.Rect(die).visible);
        EXPECT_EQ(f.hold(die).geometry, (Geometry{left + 3, top + 25, 54, 12}));
        EXPECT_EQ(f.hold(die).kind, ControlKind::Picture);
        EXPECT_FALSE(f.hold(die).visible);
        for (int p = 1; p <= 7; ++p) {
            const Control& pip = f.pip(pipOf(die, p));
            EXPECT_EQ(pip.geometry,
                      (Geometry{left + kPipLeft[p - 1], top + kPipTop[p - 1], 13, 13}));
            EXPECT_EQ(pip.kind, ControlKind::Pip);
            EXPECT_EQ(pip.backColor, std::optional<Color>(kRed));
            EXPECT_FALSE(pip.visible);
        }
    }
    EXPECT_FALSE(f.pip(0).visible);
}

TEST(StartUp, ClicksOnHiddenOrDisabledControlsAreIgnored) {
    Harness h;
    const auto before = snapshot(h.game.form);
    std::vector<ControlId> ids = categoryLabels();  // no category before the first roll
    ids.insert(ids.end(), {{hold, 2}, {restart, 0}, {exitgame, 0}});
    for (ControlId id : ids) h.game.click(id);
    EXPECT_EQ(snapshot(h.game.form), before);
    EXPECT_EQ(h.game.state, GameState{});
    EXPECT_EQ(h.random.seeds, 1);
    EXPECT_EQ(h.exits, 0);

    for (int roll = 1; roll <= 5; ++roll) h.rollTo({1, 2, 3, 4, 5, 6});
    const int taken = h.random.taken;
    h.game.click({press, 0});  // disabled after the fifth roll
    EXPECT_EQ(h.random.taken, taken);
    EXPECT_EQ(h.game.state.rolls, 5);
}

// Closes every category, each with the same dice, and returns the grand total.
void playOut(Harness& h, const Faces& faces) {
    for (ControlId id : categoryLabels()) h.enter(faces, id);
}

TEST(Restart, AfterAFinishedGameEqualsAFreshStart) {
    Harness fresh;
    Harness h;
    playOut(h, {1, 2, 3, 4, 5, 5});
    ASSERT_TRUE(h.game.isOver());
    h.press(2);  // leave a die held, too
    h.game.click({restart, 0});
    EXPECT_EQ(snapshot(h.game.form), snapshot(fresh.game.form));
    EXPECT_EQ(h.game.state, fresh.game.state);
    EXPECT_EQ(h.random.seeds, 2);
    EXPECT_EQ(h.exits, 0);
}

TEST(Restart, ExitEndsTheProgramOnce) {
    Harness h;
    playOut(h, {6, 6, 5, 5, 1, 2});
    h.game.click({exitgame, 0});
    EXPECT_EQ(h.exits, 1);
}

}  // namespace
}  // namespace quorbel::test
