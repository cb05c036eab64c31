#include "game/score_text.h"

#include <array>
#include <string_view>

namespace quorbel {

namespace {

struct Band {
    int lowest;  // inclusive; each band reaches up to the next one's lowest
    std::string_view before;
    std::string_view after;
};

constexpr std::array kBands = {
    Band{1201, "You have finished the game with an almost impossible score of ",
         " points! How'd you do it?"},
    Band{901, "You have gotten an amazing score of ", " points! Yippee!"},
    Band{601, "You have somehow gotten an astonishing score of ", " points!"},
    Band{401, "A wonderful score of ", " points has found its way into your hands. Cool!"},
    Band{281, "You must have been lucky to get ", " points."},
    Band{151, "Next time, try to get a higher score - beat ", " points!"},
    Band{81, "Figure out a strategy and come back next time. ", " points is not very good."},
    Band{7, "You must have rushed through the game to get ", " points..."},
};

}  // namespace

std::optional<std::string> ratingMessage(int grandTotal) {
    for (const Band& band : kBands)
        if (grandTotal >= band.lowest)
            return std::string(band.before) + formatScore(grandTotal) + std::string(band.after);
    if (grandTotal == 6) return "You realize you can't get worse than this, right?";
    return std::nullopt;
}

}  // namespace quorbel
