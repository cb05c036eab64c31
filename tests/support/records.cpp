#include "records.h"

#include <stdexcept>

namespace quorbel::test {

std::string_view controlName(ControlName name) {
    static constexpr std::array<std::string_view, 22> kNames = {
        "upscores", "lwscores", "numbers",  "thpair", "thrkind", "ttkind", "frkind", "fvkind",
        "sstr",     "lstr",     "gstr",     "sxkind", "chance",  "totu",   "totl",   "tott",
        "press",    "restart",  "exitgame", "Rect",   "hold",    "pip"};
    return kNames.at(static_cast<std::size_t>(name));
}

std::string nameOf(ControlId id) {
    std::string name(controlName(id.name));
    switch (id.name) {
        case ControlName::numbers:
        case ControlName::Rect:
        case ControlName::hold:
        case ControlName::pip:
            return name + "(" + std::to_string(id.index) + ")";
        default:
            return name;
    }
}

const Control& recordOf(const Form& form, ControlId id) {
    const Control* found = nullptr;
    form.forEachControl([&](const Control& control) {
        if (control.id == id) found = &control;
    });
    if (!found) throw std::out_of_range("no such control: " + nameOf(id));
    return *found;
}

}  // namespace quorbel::test
