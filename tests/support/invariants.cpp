#include "invariants.h"

#include <array>
#include <charconv>
#include <optional>
#include <string_view>

#include "random_sources.h"
#include "records.h"

namespace quorbel::robustness {

namespace {

constexpr int kCategories = 16;
constexpr int kMaxRolls = 5;

// How one category's label may read. A score always reads prefix + " " + number.
struct Sheet {
    std::string_view name;
    const Control& (*label)(const Form&);
    int (*slot)(const GameState&);
    std::string_view initial;  // at start, and after closing with no points
    std::string_view prefix;
    bool (*possible)(int score);  // scores some dice can earn here
    bool closesWithInitial;       // closing with no points leaves the initial caption
    bool scoresWhileOpen;         // six of a kind scores again and again until closed
};

template <int Face>
constexpr Sheet upper(std::string_view name, std::string_view initial, std::string_view prefix) {
    return {name,
            [](const Form& f) -> const Control& { return f.numbers(Face); },
            [](const GameState& s) { return s.facescore[Face]; },
            initial,
            prefix,
            [](int n) { return n >= 0 && n <= 6 * Face && n % Face == 0; },
            true,
            false};
}

#define QUORBEL_SHEET(label_, slot_, initial_, prefix_, possible_, closes_)                       \
    Sheet {                                                                                       \
#label_,                                                                                  \
            [](const Form& f)                                                                     \
                 -> const Control& { return f.label_; }, [](const GameState&                      \
                                                                s) { return s.slot_; }, initial_, \
                                                                                     prefix_,     \
                                                                                     possible_,   \
                                                                                     closes_,     \
                                                                                     false        \
    }

// Blank dice (held before the first roll of a game) count as 0, so sums start low.
const std::array<Sheet, kCategories> kSheets = [] {
    std::array<Sheet, kCategories> sheets = {
        upper<1>("numbers(1)", "Aces: 0", "Aces:"),
        upper<2>("numbers(2)", "Twos: 0", "Twos:"),
        upper<3>("numbers(3)", "Threes: 0", "Threes:"),
        upper<4>("numbers(4)", "Fours: 0", "Fours:"),
        upper<5>("numbers(5)", "Fives: 0", "Fives:"),
        upper<6>("numbers(6)", "Sixes: 0", "Sixes:"),
        QUORBEL_SHEET(
            thpair, thpairscore, "3 Pairs: 0", "3 pairs: ", [](int n) { return n == 25; }, true),
        QUORBEL_SHEET(
            thrkind, thrkindscore, "3 of a Kind: 0",
            "3 of a kind: ", [](int n) { return n >= 2 && n <= 24; }, true),
        QUORBEL_SHEET(
            ttkind, ttkindscore, "2 3-of-a-Kinds: 0",
            "2 3-of-a-Kinds: ", [](int n) { return n == 10; }, true),
        QUORBEL_SHEET(
            frkind, frkindscore, "4 of a Kind: 0",
            "4 of a kind: ", [](int n) { return n >= 4 && n <= 36; }, true),
        QUORBEL_SHEET(
            fvkind, fvkindscore, "5 of a Kind: 0",
            "5 of a kind: ", [](int n) { return n >= 10 && n <= 60 && n % 10 == 0; }, true),
        QUORBEL_SHEET(
            sstr, sstrscore, "Small Straight: 0", "Small Straight:", [](int n) { return n == 20; },
            true),
        QUORBEL_SHEET(
            lstr, lstrscore, "Large Straight: 0", "Large Straight:", [](int n) { return n == 30; },
            true),
        QUORBEL_SHEET(
            gstr, gstrscore, "Giant Straight: 0", "Giant Straight:", [](int n) { return n == 50; },
            true),
        QUORBEL_SHEET(
            sxkind, sxkindscore, "Quorbel: 0",
            "Quorbel: ", [](int n) { return n >= 100 && (n - 100) % 150 == 0; }, true),
        // Chance takes any dice, so it never closes with its initial caption.
        QUORBEL_SHEET(
            chance, chancescore, "Chance: 0", "Chance: ", [](int n) { return n >= 0 && n <= 36; },
            false),
    };
    sheets[14].scoresWhileOpen = true;
    return sheets;
}();

#undef QUORBEL_SHEET

bool closed(const Control& label) {
    return label.foreColor == kBlue;
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
    if (!sheet.possible(value)) return std::nullopt;
    return value;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string checkCategory(const Sheet& sheet, const Control& label, int slot) {
    const bool isClosed = closed(label);
    const auto where = [&] {
        return std::string(sheet.name) + " reads " + quoted(label.caption) + " with slot " +
               std::to_string(slot) + (isClosed ? " (closed)" : " (open)");
    };
    if (label.caption == sheet.initial && (!isClosed || sheet.closesWithInitial))
        return slot == 0 ? std::string() : "caption: " + where();
    const std::optional<int> scored = scoreShown(sheet, label.caption);
    if (scored && (isClosed || sheet.scoresWhileOpen))
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
        return array.lower() != lower || array.upper() != upper;
    };
    if (wrong(form.numbers, 1, 6)) return "structure: upper labels are not numbers(1..6)";
    if (wrong(form.Rect, 1, 6)) return "structure: die squares are not Rect(1..6)";
    if (wrong(form.hold, 1, 6)) return "structure: HOLD pictures are not hold(1..6)";
    if (wrong(form.pip, 0, 42)) return "structure: pips are not pip(0..42)";
    return {};
}

}  // namespace

namespace {

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
        test::ScriptedRandom random;  // start-up rolls no dice
        Quorbel game(random, {});
        game.Form_Load();
        return Snapshot::of(game);
    }();
    return fresh;
}

std::string firstViolation(const Quorbel& game) {
    return firstViolation(game.state, game.form);
}

std::string firstViolation(const GameState& s, const Form& form) {
    if (auto broken = structureViolation(form); !broken.empty()) return broken;

    int blue = 0;
    for (const Sheet& sheet : kSheets) blue += closed(sheet.label(form)) ? 1 : 0;
    if (s.claimed != blue)
        return "claimed: " + std::to_string(s.claimed) + " but " + std::to_string(blue) +
               " category labels are blue";
    if (s.claimed < 0 || s.claimed > kCategories)
        return "claimed: " + std::to_string(s.claimed) + " is out of 0..16";
    const bool over = s.claimed == kCategories;

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

    for (const Sheet& sheet : kSheets) {
        const Control& label = sheet.label(form);
        if (label.enabled != (s.rolls > 0))
            return "labels-enabled: " + std::string(sheet.name) + " is " +
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
            if (form.pip(7 * (die - 1) + position).visible) shown |= 1u << (position - 1);
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
    for (std::size_t c = 0; c < kSheets.size(); ++c) {
        const Control& label = kSheets[c].label(game.form);
        before_.closed[c] = closed(label);
        before_.captions[c] = label.caption;  // in place: a long walk reuses the storage
    }
    if (game.state.claimed != kCategories)
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

    for (std::size_t c = 0; c < kSheets.size(); ++c) {
        const Sheet& sheet = kSheets[c];
        const Control& is = sheet.label(form);
        if (before_.closed[c] &&
            (!closed(is) || is.caption != before_.captions[c] || sheet.slot(a) != sheet.slot(b)))
            return "caption: closed " + std::string(sheet.name) + " changed from " +
                   quoted(before_.captions[c]) + " to " + quoted(is.caption);
    }

    if (a.sxkindscore > b.sxkindscore) ++sixOfAKindScores_;
    if (a.claimed == kCategories) ++gamesCompleted_;
    return {};
}

}  // namespace quorbel::robustness
