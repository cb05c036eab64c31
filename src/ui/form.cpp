#include "ui/form.h"

#include <array>
#include <stdexcept>

namespace quorbel {

namespace {

constexpr Font kHeadingFont{"Impact", 14.25, false};
constexpr Font kSheetFont{"Times New Roman", 12, true};
constexpr Font kGrandTotalFont{"Times New Roman", 15.75, true};
constexpr Font kButtonFont{"Times New Roman", 14.25, true};

Control control(ControlId id, ControlKind kind, Geometry at) {
    Control c;
    c.id = id;
    c.kind = kind;
    c.geometry = at;
    return c;
}

Control label(ControlName name, std::string caption, Geometry at, Color back, Font font,
              bool enabled = true) {
    Control c = control({name, 0}, ControlKind::Label, at);
    c.caption = std::move(caption);
    c.backColor = back;
    c.font = font;
    c.enabled = enabled;
    return c;
}

// Category labels take no clicks until the first roll of a turn.
Control category(ControlName name, std::string caption, Geometry at, Color back = kRed) {
    return label(name, std::move(caption), at, back, kSheetFont, false);
}

Control button(ControlName name, std::string caption, Geometry at, bool visible) {
    Control c = control({name, 0}, ControlKind::PushButton, at);
    c.caption = std::move(caption);
    c.font = kButtonFont;
    c.visible = visible;
    return c;
}

Control arrayElement(ControlName name, int index, ControlKind kind, Geometry at, bool visible,
                     std::optional<Color> color = std::nullopt) {
    Control c = control({name, index}, kind, at);
    c.backColor = color;
    c.visible = visible;
    return c;
}

}  // namespace

Form Form::design() {
    using enum ControlName;
    Control aces = category(numbers, "Aces: 0", {8, 32, 88, 23}, kGreen);
    aces.id.index = 1;
    return Form{
        .upscores = label(upscores, "Upper Scores", {0, 0, 109, 27}, kDarkGreen, kHeadingFont),
        .lwscores = label(lwscores, "Lower Scores", {128, 0, 109, 27}, kDarkRed, kHeadingFont),
        .numbers = ControlArray(aces),
        .thpair = category(thpair, "3 Pairs: 0", {136, 32, 93, 23}),
        .thrkind = category(thrkind, "3 of a Kind: 0", {120, 64, 125, 23}),
        .ttkind = category(ttkind, "2 3-of-a-Kinds: 0", {112, 96, 141, 23}),
        .frkind = category(frkind, "4 of a Kind: 0", {120, 128, 125, 23}),
        .fvkind = category(fvkind, "5 of a Kind: 0", {120, 160, 125, 23}),
        .sstr = category(sstr, "Small Straight: 0", {112, 192, 141, 23}),
        .lstr = category(lstr, "Large Straight: 0", {112, 224, 141, 23}),
        .gstr = category(gstr, "Giant Straight: 0", {112, 256, 141, 23}),
        .sxkind = category(sxkind, "Quorbel: 0", {120, 288, 125, 23}),
        .chance = category(chance, "Chance: 0", {120, 320, 125, 23}),
        .totu = label(totu, "Total: 0", {8, 224, 89, 25}, kLightGreen, kSheetFont),
        .totl = label(totl, "Total: 0", {120, 352, 121, 25}, kLightRed, kSheetFont),
        .tott = label(tott, "Total: 0", {0, 320, 113, 33}, kLightCyan, kGrandTotalFont),
        .press = button(press, "Roll", {280, 224, 97, 33}, true),
        .restart = button(restart, "Restart", {280, 272, 97, 33}, false),
        .exitgame = button(exitgame, "Exit", {280, 320, 97, 33}, false),
        .Rect = ControlArray(arrayElement(Rect, 1, ControlKind::DieSquare, {264, 8, 60, 60}, true)),
        .hold = ControlArray(arrayElement(hold, 1, ControlKind::Picture, {272, 168, 81, 33}, true)),
        .pip = ControlArray(arrayElement(pip, 0, ControlKind::Pip, {368, 32, 13, 13}, false, kRed)),
    };
}

namespace {

// Each control by its name: a single control, or an array addressed by index.
struct Member {
    Control Form::*control = nullptr;
    ControlArray Form::*array = nullptr;
};
constexpr std::array<Member, 22> kMembers = {{
    {&Form::upscores},     {&Form::lwscores},      {nullptr, &Form::numbers},
    {&Form::thpair},       {&Form::thrkind},       {&Form::ttkind},
    {&Form::frkind},       {&Form::fvkind},        {&Form::sstr},
    {&Form::lstr},         {&Form::gstr},          {&Form::sxkind},
    {&Form::chance},       {&Form::totu},          {&Form::totl},
    {&Form::tott},         {&Form::press},         {&Form::restart},
    {&Form::exitgame},     {nullptr, &Form::Rect}, {nullptr, &Form::hold},
    {nullptr, &Form::pip},
}};

}  // namespace

Control& Form::find(ControlId id) {
    const Member member = kMembers.at(static_cast<std::size_t>(id.name));
    if (member.array) return (this->*member.array)(id.index);
    if (id.index != 0) throw std::out_of_range("no such control");
    return this->*member.control;
}

void loadlabels(Form& form) {
    static constexpr std::array<std::string_view, 7> kCaptions = {
        "", "Aces: 0", "Twos: 0", "Threes: 0", "Fours: 0", "Fives: 0", "Sixes: 0"};
    for (int i = 1; i <= 6; ++i) {
        Control& label = i > 1 ? form.numbers.create() : form.numbers(i);
        label.geometry.left = 8;
        label.geometry.top = 32 * i;
        label.visible = true;
        label.caption = kCaptions[static_cast<std::size_t>(i)];
        label.backColor = kGreen;
        label.foreColor = kBlack;
    }
}

}  // namespace quorbel
