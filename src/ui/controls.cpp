#include "ui/controls.h"

#include <array>

namespace quorbel {

std::string_view nameOf(ControlName name) {
    static constexpr std::array<std::string_view, 22> kNames = {
        "upscores", "lwscores", "numbers",  "thpair", "thrkind", "ttkind", "frkind", "fvkind",
        "sstr",     "lstr",     "gstr",     "sxkind", "chance",  "totu",   "totl",   "tott",
        "press",    "restart",  "exitgame", "Rect",   "hold",    "pip"};
    const auto i = static_cast<std::size_t>(name);
    return i < kNames.size() ? kNames[i] : "control";
}

}  // namespace quorbel
