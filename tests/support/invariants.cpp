#include "invariants.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "game/categories.h"
#include "harness.h"

namespace quorbel::robustness {

namespace {

constexpr int kMaxRolls = 5;

// The scores some dice can earn in each category, in the table's order: first, last, step.
// Blank dice (held before the first roll of a game) count as 0, so sums start low.
struct Scores {
    int first, last, step;
};
// clang-format off
constexpr std::array<Scores, kCategoryCount> kPossible = {{
    {0, 6, 1}, {0, 12, 2}, {0, 18, 3}, {0, 24, 4}, {0, 30, 5}, {0, 36, 6},
    {25, 25, 1}, {2, 24, 1}, {10, 10, 1}, {4, 36, 1}, {10, 60, 10},
    {20, 20, 1}, {30, 30, 1}, {50, 50, 1}, {100, std::numeric_limits<int>::max(), 150}, {0, 36, 1}}};
// clang-format on

// One category as its label may read. A score always reads prefix + " " + number.
struct Sheet {
    const Category* row = nullptr;
    std::string name;     // as a message names the label: "numbers(3)"
    std::string initial;  // at start, and after closing with no points
    std::string prefix;
    Scores possible{};
    bool closesWithInitial = true;  // Chance takes any dice, so it never closes with no points

    const Control& label(const Form& form) const { return form.find(row->label); }
    int slot(const GameState& state) const { return slotOf(state, *row); }
};

const std::array<Sheet, kCategoryCount>& sheets() {
    static const std::array<Sheet, kCategoryCount> all = [] {
        std::array<Sheet, kCategoryCount> rows;
        for (std::size_t c = 0; c < rows.size(); ++c) {
            const Category& row = kCategories[c];
            // The straights read their points after their name: "Small Straight: 20".
            const std::string prefix = row.claimedPrefix.empty() ? std::string(row.name) + ":"
                                                                 : std::string(row.claimedPrefix);
            rows[c] = {&row,
                       test::nameOf(row.label),
                       freshGame().form.find(row.label).caption,
                       prefix,
                       kPossible[c],
                       row.label.name != ControlName::chance};
        }
        return rows;
    }();
    return all;
}

// The score a caption shows as prefix + " " + number, if it has that form at all.
std::optional<int> scoreShown(const Sheet& sheet, std::string_view caption) {
    if (!caption.starts_with(sheet.prefix)) return std::nullopt;
    caption.remove_prefix(sheet.prefix.size());
    if (!caption.starts_with(' ')) return std::nullopt;
    caption.remove_prefix(1);
    if (caption.empty() || (caption.size() > 1 && caption[0] == '0')) return std::nullopt;
    int value = 0;
    const auto [end, error] =
        std::from_chars(caption.data(), caption.data() + caption.size(), value);
    if (error != std::errc() || end != caption.data() + caption.size()) return std::nullopt;
    const Scores& p = sheet.possible;
    if (value < p.first || value > p.last || (value - p.first) % p.step != 0) return std::nullopt;
    return value;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string checkCategory(const Sheet& sheet, const Control& label, int slot) {
    const bool closed = isClosed(label);
    const auto where = [&] {
        return sheet.name + " reads " + quoted(label.caption) + " with slot " +
               std::to_string(slot) + (closed ? " (closed)" : " (open)");
    };
    if (label.caption == sheet.initial && (!closed || sheet.closesWithInitial))
        return slot == 0 ? std::string() : "caption: " + where();
    const std::optional<int> scored = scoreShown(sheet, label.caption);
    if (scored && (closed || sheet.row->scoresWithoutClosing))
        return *scored == slot ? std::string() : "caption: " + where();
    return "caption: not a text the game can give: " + where();
}

std::string totalsViolation(const GameState& s, const Form& form) {
    int upperSum = 0;
    for (int face = 1; face <= 6; ++face) upperSum += s.facescore[face];
    const int upper = upperSum > 75 ? upperSum + 42 : upperSum;
    const int lower = s.thpairscore + s.thrkindscore + s.ttkindscore + s.frkindscore +
                      s.fvkindscore + s.sxkindscore + s.sstrscore + s.lstrscore + s.gstrscore +
                      s.chancescore;
    const struct {
        std::string_view name;
        int stored;
        int expected;
        const Control& label;
    } totals[] = {{"upper", s.uppertotal, upper, form.totu},
                  {"lower", s.lowertotal, lower, form.totl},
                  {"grand", s.grandtotal, upper + lower, form.tott}};
    for (const auto& total : totals) {
        if (total.stored != total.expected)
            return "totals: " + std::string(total.name) + " total is " +
                   std::to_string(total.stored) + ", the slots give " +
                   std::to_string(total.expected);
        const std::string caption = "Total: " + std::to_string(total.expected);
        if (total.label.caption != caption)
            return "totals: " + std::string(total.name) + " total reads " +
                   quoted(total.label.caption) + " instead of " + quoted(caption);
    }
    return {};
}

std::string structureViolation(const Form& form) {
    const auto wrong = [](const ControlArray& array, int lower, int upper) {
        return array.begin()->id.index != lower || array.upper() != upper;
    };
    if (wrong(form.numbers, 1, 6)) return "structure: upper labels are not numbers(1..6)";
    if (wrong(form.Rect, 1, 6)) return "structure: die squares are not Rect(1..6)";
    if (wrong(form.hold, 1, 6)) return "structure: HOLD pictures are not hold(1..6)";
    if (wrong(form.pip, 0, 42)) return "structure: pips are not pip(0..42)";
    return {};
}

// holdsMayDiffer: a finished game still lets the player hold and release dice, which
// changes nothing of the game.
bool sameForm(const Form& one, const Form& other, bool holdsMayDiffer = false) {
    std::vector<const Control*> mine;
    std::vector<const Control*> theirs;
    one.forEachControl([&](const Control& c) { mine.push_back(&c); });
    other.forEachControl([&](const Control& c) { theirs.push_back(&c); });
    if (mine.size() != theirs.size()) return false;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        if (holdsMayDiffer && mine[i]->id.name == ControlName::hold) {
            Control held = *mine[i];
            held.visible = theirs[i]->visible;
            if (!(held == *theirs[i])) return false;
        } else if (!(*mine[i] == *theirs[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool Snapshot::operator==(const Snapshot& other) const {
    return state == other.state && sameForm(form, other.form);
}

const Snapshot& freshGame() {
    static const Snapshot fresh = [] {
        const test::Harness started;  // start-up rolls no dice
        return Snapshot::of(started.game);
    }();
    return fresh;
}

std::string firstViolation(const GameState& s, const Form& form) {
    if (auto broken = structureViolation(form); !broken.empty()) return broken;

    int blue = 0;
    for (const Sheet& sheet : sheets()) blue += isClosed(sheet.label(form)) ? 1 : 0;
    if (s.claimed != blue)
        return "claimed: " + std::to_string(s.claimed) + " but " + std::to_string(blue) +
               " category labels are blue";
    if (s.claimed < 0 || s.claimed > kCategoryCount)
        return "claimed: " + std::to_string(s.claimed) + " is out of 0..16";
    const bool over = s.claimed == kCategoryCount;

    if (s.rolls < 0 || s.rolls > kMaxRolls)
        return "rolls: " + std::to_string(s.rolls) + " is out of 0..5";
    if (!over && form.press.enabled != (s.rolls < kMaxRolls))
        return "rolls: Roll is " + std::string(form.press.enabled ? "enabled" : "disabled") +
               " after " + std::to_string(s.rolls) + " rolls";
    if (form.press.visible == over || form.restart.visible != over || form.exitgame.visible != over)
        return std::string("buttons: Roll ") + (form.press.visible ? "shown" : "hidden") +
               ", Restart " + (form.restart.visible ? "shown" : "hidden") + ", Exit " +
               (form.exitgame.visible ? "shown" : "hidden") + " with " + std::to_string(s.claimed) +
               " categories closed";

    for (const Sheet& sheet : sheets()) {
        const Control& label = sheet.label(form);
        if (label.enabled != (s.rolls > 0))
            return "labels-enabled: " + sheet.name + " is " +
                   (label.enabled ? "enabled" : "disabled") + " after " + std::to_string(s.rolls) +
                   " rolls of the turn";
        if (auto wrong = checkCategory(sheet, label, sheet.slot(s)); !wrong.empty()) return wrong;
    }

    if (auto wrong = totalsViolation(s, form); !wrong.empty()) return wrong;

    if (form.pip(0).visible) return "pips: the template pip(0) is shown";
    for (int die = 1; die <= 6; ++die) {
        const int value = s.dice[die];
        if (value < 0 || value > 6)
            return "dice: die " + std::to_string(die) + " holds " + std::to_string(value);
        unsigned shown = 0;
        for (int position = 1; position <= 7; ++position)
            if (form.pip(pipOf(die, position)).visible) shown |= 1u << (position - 1);
        unsigned expected = 0;  // pip positions 1..7 as bits 0..6; none before the first roll
        if (s.rolls > 0)
            for (int position : test::pipsOfFace(value)) expected |= 1u << (position - 1);
        if (shown != expected)
            return "pips: die " + std::to_string(die) + " with value " + std::to_string(value) +
                   " after " + std::to_string(s.rolls) + " rolls shows pips " +
                   std::to_string(shown) + " instead of " + std::to_string(expected);
    }
    return {};
}

std::string InvariantChecker::observe(const Quorbel& game) {
    std::string broken = firstViolation(game.state, game.form);
    if (broken.empty()) broken = compare(game.state, game.form);
    remember(game);
    return broken;
}

void InvariantChecker::reset(const Quorbel& game) {
    before_.finished.reset();
    remember(game);
}

void InvariantChecker::remember(const Quorbel& game) {
    before_.state = game.state;
    for (int die = 1; die <= 6; ++die) before_.held[die] = game.form.hold(die).visible;
    for (std::size_t c = 0; c < sheets().size(); ++c) {
        const Control& label = sheets()[c].label(game.form);
        before_.closed[c] = isClosed(label);
        before_.captions[c] = label.caption;  // in place: a long walk reuses the storage
    }
    if (game.state.claimed != kCategoryCount)
        before_.finished.reset();
    else if (!before_.finished)
        before_.finished = Snapshot::of(game);
}

std::string InvariantChecker::compare(const GameState& a, const Form& form) {
    const GameState& b = before_.state;

    if (before_.finished) {
        // A finished game waits for Restart or Exit; only the HOLD markers may still move.
        if (a == b && sameForm(form, before_.finished->form, true)) return {};
        if (a == freshGame().state && sameForm(form, freshGame().form)) {
            ++restarts_;
            return {};
        }
        return "over: the finished game changed, and not into a new one";
    }

    if (a.claimed < b.claimed || a.claimed > b.claimed + 1)
        return "claimed: went from " + std::to_string(b.claimed) + " to " +
               std::to_string(a.claimed) + " in one event";
    for (int die = 1; die <= 6; ++die)
        if (before_.held[die] && a.dice[die] != b.dice[die])
            return "holds: held die " + std::to_string(die) + " changed from " +
                   std::to_string(b.dice[die]) + " to " + std::to_string(a.dice[die]);
    if (a.dice != b.dice && a.rolls <= b.rolls) return "dice: changed without a roll";

    const bool turnEnded =
        a.claimed > b.claimed || a.sxkindscore != b.sxkindscore || (b.rolls > 0 && a.rolls == 0);
    if (turnEnded)
        for (int die = 1; die <= 6; ++die)
            if (form.hold(die).visible)
                return "holds: die " + std::to_string(die) + " still held after the turn ended";

    for (std::size_t c = 0; c < sheets().size(); ++c) {
        const Sheet& sheet = sheets()[c];
        const Control& is = sheet.label(form);
        if (before_.closed[c] &&
            (!isClosed(is) || is.caption != before_.captions[c] || sheet.slot(a) != sheet.slot(b)))
            return "caption: closed " + sheet.name + " changed from " +
                   quoted(before_.captions[c]) + " to " + quoted(is.caption);
    }

    if (a.sxkindscore > b.sxkindscore) ++sixOfAKindScores_;
    if (a.claimed == kCategoryCount) ++gamesCompleted_;
    return {};
}

}  // namespace quorbel::robustness
