// The window's controls as plain data: what each one shows, where, and whether it
// is visible and enabled. The game changes these records; the toolkit layer only
// mirrors them onto real widgets.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorbel {

// Colours are kept as 0x00BBGGRR, the way the design tables write them.
using Color = std::uint32_t;

inline constexpr Color kBlack = 0x00000000;
inline constexpr Color kBlue = 0x00FF0000;  // the text colour of a closed category
inline constexpr Color kRed = 0x000000FF;
inline constexpr Color kYellow = 0x0000FFFF;
inline constexpr Color kGreen = 0x0000FF00;
inline constexpr Color kDarkGreen = 0x0000C000;
inline constexpr Color kDarkRed = 0x000000C0;
inline constexpr Color kLightGreen = 0x0080FF80;
inline constexpr Color kLightRed = 0x008080FF;
inline constexpr Color kLightCyan = 0x00FFFF80;

struct Font {
    std::string_view family;
    double points = 0;  // design points at 96 dpi
    bool bold = false;
    bool operator==(const Font&) const = default;
};

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Geometry&) const = default;
};

enum class ControlKind { Label, PushButton, Picture, DieSquare, Pip };

// Every control of the window by the name its handlers use, in the order the window stacks
// them, bottom first. ONE names a single control, MANY an array addressed by index:
// numbers(1..6), Rect(1..6), hold(1..6) and pip(0..42). This one list gives the names, the
// form's members, the look-up by name and the order of a visit.
// clang-format off
#define QUORBEL_CONTROLS(ONE, MANY)                                                            \
    ONE(upscores) ONE(lwscores) MANY(numbers) ONE(thpair) ONE(thrkind) ONE(ttkind) ONE(frkind) \
    ONE(fvkind) ONE(sstr) ONE(lstr) ONE(gstr) ONE(sxkind) ONE(chance) ONE(totu) ONE(totl)      \
    ONE(tott) ONE(press) ONE(restart) ONE(exitgame) MANY(Rect) MANY(hold) MANY(pip)
// clang-format on

#define QUORBEL_NAME(name) name,
enum class ControlName { QUORBEL_CONTROLS(QUORBEL_NAME, QUORBEL_NAME) };
#undef QUORBEL_NAME

struct ControlId {
    ControlName name{};
    int index = 0;  // 0 for a control that is not in an array
    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 reads the 0 of a defaulted <=>
    auto operator<=>(const ControlId&) const = default;
};

struct Control {
    ControlId id;
    ControlKind kind = ControlKind::Label;
    std::string caption;
    Color foreColor = kBlack;
    std::optional<Color> backColor;  // none: the toolkit's own
    Font font;
    Geometry geometry;
    bool visible = true;
    bool enabled = true;
    bool operator==(const Control&) const = default;
};

// A category whose label shows blue is closed: it scores no more.
inline bool isClosed(const Control& label) {
    return label.foreColor == kBlue;
}

// A control array indexed from its lowest element, as the handlers address it:
// numbers(3), pip(42). New elements are copies of the lowest one and start hidden.
class ControlArray {
  public:
    explicit ControlArray(Control lowest) : lowest_(lowest.id.index) {
        items_.push_back(std::move(lowest));
    }

    Control& operator()(int index) { return items_.at(offset(index)); }
    const Control& operator()(int index) const { return items_.at(offset(index)); }

    // Elements are created in index order, each one past the last.
    Control& create() {
        Control copy = items_.front();
        copy.id.index = upper() + 1;
        copy.visible = false;
        items_.push_back(std::move(copy));
        return items_.back();
    }

    int upper() const { return lowest_ + static_cast<int>(items_.size()) - 1; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    std::size_t offset(int index) const {
        if (index < lowest_) throw std::out_of_range("no such control");
        return static_cast<std::size_t>(index - lowest_);
    }

    int lowest_;
    std::vector<Control> items_;
};

}  // namespace quorbel
