#include "walk.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace quorbel::robustness {

namespace {

std::string number(double value, int digits) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

}  // namespace

std::string ruleOf(const std::string& violation) {
    return violation.substr(0, violation.find(':'));
}

std::string describe(const Event& event) {
    if (event.kind == Event::Kind::MouseDown)
        return "mouse down, button " + std::to_string(event.button) + ", shift " +
               std::to_string(event.shift) + ", at (" + number(event.x, 9) + ", " +
               number(event.y, 9) + ")";
    std::string text = "click " + test::nameOf(event.target);
    if (event.target.name == ControlName::press) {
        text += ", draws";
        for (double r : event.draws) text += " " + number(r, 17);
    }
    return text;
}

const std::vector<ControlId>& allControls() {
    static const std::vector<ControlId> ids = [] {
        std::vector<ControlId> all;
        freshGame().form.forEachControl([&](const Control& c) { all.push_back(c.id); });
        return all;
    }();
    return ids;
}

double drawFor(int face, double within) {
    const double r = (face - 1 + std::clamp(within, 0.0, 1.0)) / 6.0;
    if (static_cast<int>(r * 6) + 1 == face && r < 1.0) return r;
    return std::nextafter(face / 6.0, 0.0);  // the last draw that still gives the face
}

void Session::start() {
    program_ = std::make_unique<test::Harness>();
    if (checker_) {
        finishedGames_ += checker_->gamesCompleted();
        restarts_ += checker_->restarts();
        sixes_ += checker_->sixOfAKindScores();
    }
    checker_ = std::make_unique<InvariantChecker>(program_->game);
}

std::string Session::apply(const Event& event) {
    ++events_;
    program_->random.restart(event.draws);
    Quorbel& game = program_->game;
    if (event.kind == Event::Kind::Click)
        game.click(event.target);
    else
        game.Form_MouseDown(event.button, event.shift, event.x, event.y);
    // A rating is the event's last act: the sheet is final, and only Restart and Exit are left.
    std::string broken;
    if (!program_->messages.empty()) {
        ++messages_;
        program_->messages.clear();
        if (!game.isOver())
            broken = "message: rating shown while the game goes on";
        else if (auto wrong = firstViolation(game); !wrong.empty())
            broken = "message: rating shown over a broken sheet: " + wrong;
    }
    if (broken.empty()) broken = checker_->observe(game);
    if (program_->exits > 0) {
        ++exits_;
        start();
        if (broken.empty()) broken = firstViolation(program_->game);
    }
    return broken;
}

std::optional<Failure> replay(const std::vector<Event>& events) {
    Session session;
    for (std::size_t i = 0; i < events.size(); ++i)
        if (std::string broken = session.apply(events[i]); !broken.empty())
            return Failure{i, broken};
    return std::nullopt;
}

std::vector<Event> shrink(std::vector<Event> events,
                          const std::function<bool(const std::vector<Event>&)>& fails) {
    std::size_t parts = 2;
    while (events.size() >= 2) {
        const std::size_t size = events.size();
        const std::size_t chunk = (size + parts - 1) / parts;
        bool reduced = false;
        // First try each part alone, then the walk without each part.
        for (int pass = 0; pass < 2 && !reduced; ++pass) {
            for (std::size_t start = 0; start < size && !reduced; start += chunk) {
                const std::size_t end = std::min(size, start + chunk);
                std::vector<Event> candidate;
                if (pass == 0) {
                    candidate.assign(events.begin() + static_cast<std::ptrdiff_t>(start),
                                     events.begin() + static_cast<std::ptrdiff_t>(end));
                } else {
                    candidate.assign(events.begin(),
                                     events.begin() + static_cast<std::ptrdiff_t>(start));
                    candidate.insert(candidate.end(),
                                     events.begin() + static_cast<std::ptrdiff_t>(end),
                                     events.end());
                }
                if (candidate.size() < size && !candidate.empty() && fails(candidate)) {
                    events = std::move(candidate);
                    parts = pass == 0 ? 2 : std::max<std::size_t>(parts - 1, 2);
                    reduced = true;
                }
            }
        }
        if (!reduced) {
            if (parts >= size) break;
            parts = std::min(parts * 2, size);
        }
    }
    return events;
}

std::vector<Event> shrinkFailure(const std::vector<Event>& events, const Failure& failure) {
    const std::string rule = ruleOf(failure.rule);
    std::vector<Event> prefix(events.begin(),
                              events.begin() + static_cast<std::ptrdiff_t>(failure.index + 1));
    return shrink(std::move(prefix), [&](const std::vector<Event>& candidate) {
        const auto again = replay(candidate);
        return again && ruleOf(again->rule) == rule;
    });
}

std::array<double, 6> EventGenerator::draws() {
    std::array<double, 6> r{};
    const double kind = test::uniform01(engine_);
    if (kind < 0.55) {
        for (double& d : r) d = test::uniform01(engine_);
    } else if (kind < 0.70) {  // six of a kind, if nothing is held
        const int face = pick(6) + 1;
        for (double& d : r) d = drawFor(face, test::uniform01(engine_));
    } else if (kind < 0.80) {  // a giant straight in some order
        std::array<int, 6> faces = {1, 2, 3, 4, 5, 6};
        std::shuffle(faces.begin(), faces.end(), engine_);
        for (std::size_t i = 0; i < 6; ++i) r[i] = drawFor(faces[i], test::uniform01(engine_));
    } else if (kind < 0.90) {  // few faces: pairs, triples, fours
        const int kinds = pick(2) + 2;
        std::array<int, 3> faces = {pick(6) + 1, pick(6) + 1, pick(6) + 1};
        for (double& d : r)
            d = drawFor(faces[static_cast<std::size_t>(pick(kinds))], test::uniform01(engine_));
    } else {  // the very edges of each face's share of [0, 1)
        for (double& d : r) {
            const int k = pick(6);
            d = chance(0.5) ? k / 6.0 : std::nextafter((k + 1) / 6.0, 0.0);
        }
    }
    return r;
}

float EventGenerator::coordinate(bool horizontal) {
    static constexpr std::array<float, 4> kColumnEdges = {264, 324, 328, 388};
    static constexpr std::array<float, 6> kRowEdges = {8, 68, 72, 132, 136, 196};
    const double kind = test::uniform01(engine_);
    if (kind < 0.30)  // anywhere on the window, a little beyond it too
        return static_cast<float>(-20 + test::uniform01(engine_) * (horizontal ? 435 : 425));
    if (kind < 0.60)  // a whole pixel in or around the dice
        return horizontal ? static_cast<float>(258 + pick(136)) : static_cast<float>(2 + pick(200));
    if (kind < 0.90) {  // on a square's edge, or a hair either side of it
        const float edge =
            horizontal ? test::oneOf(kColumnEdges, engine_) : test::oneOf(kRowEdges, engine_);
        switch (pick(6)) {
            case 0:
                return std::nextafter(edge, -1e9f);
            case 1:
                return std::nextafter(edge, 1e9f);
            case 2:
                return edge + 0.5f;
            case 3:
                return edge - 0.5f;
            default:
                return edge;
        }
    }
    if (kind < 0.97)  // in a gap between squares
        return horizontal ? static_cast<float>(325 + pick(3))
                          : static_cast<float>((pick(2) == 0 ? 69 : 133) + pick(3));
    static constexpr std::array<float, 7> kOdd = {
        std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::max(),
        -std::numeric_limits<float>::max(),      -0.0f,
        std::numeric_limits<float>::denorm_min()};
    return test::oneOf(kOdd, engine_);
}

Event EventGenerator::next(const Quorbel& game) {
    Event event;
    event.draws = draws();
    const double kind = test::uniform01(engine_);
    const auto click = [&](ControlId id) {
        event.kind = Event::Kind::Click;
        event.target = id;
    };
    if (kind < 0.27) {
        click({ControlName::press, 0});
    } else if (kind < 0.52) {
        // Half the time an open category, so that games get to their end.
        const std::vector<ControlId> open =
            chance(0.5) ? test::openCategories(game.form) : std::vector<ControlId>{};
        click(open.empty() ? test::oneOf(test::categoryLabels(), engine_)
                           : test::oneOf(open, engine_));
    } else if (kind < 0.72) {
        event.kind = Event::Kind::MouseDown;
        static constexpr std::array<int, 8> kButtons = {1, 1, 2, 4, 8, 16, 0, -1};
        event.button = chance(0.9) ? test::oneOf(kButtons, engine_) : static_cast<int>(engine_());
        event.shift = chance(0.8) ? pick(8) : static_cast<int>(engine_());
        event.x = coordinate(true);
        event.y = coordinate(false);
    } else if (kind < 0.77) {
        click({ControlName::hold, pick(6) + 1});
    } else if (kind < 0.81) {
        click({ControlName::restart, 0});
    } else if (kind < 0.815) {
        click({ControlName::exitgame, 0});
    } else {
        click(test::oneOf(allControls(), engine_));
    }
    return event;
}

}  // namespace quorbel::robustness
