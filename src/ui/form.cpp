#include "ui/form.h"

namespace quorbel {

namespace {

constexpr Font kHeadingFont{"Impact", 14.25, false};
constexpr Font kSheetFont{"Times New Roman", 12, true};
constexpr Font kGrandTotalFont{"Times New Roman", 15.75, true};
constexpr Font kButtonFont{"Times New Roman", 14.25, true};

Control control(ControlId id, ControlKind kind, Geometry at, std::string caption = {}) {
    Control c;
    c.id = id;
    c.kind = kind;
    c.geometry = at;
    c.caption = std::move(caption);
    return c;
}

Control label(ControlName name, std::string caption, Geometry at, Color back, Font font) {
    Control c = control({name}, ControlKind::Label, at, std::move(caption));
    c.backColor = back;
    c.font = font;
    return c;
}

// Category labels take no clicks until the first roll of a turn.
Control category(ControlId id, Geometry at, Color back = kRed) {
    Control c = label(id.name, {}, at, back, kSheetFont);
    c.id = id;
    c.enabled = false;
    return c;
}

Control button(ControlName name, std::string caption, Geometry at, bool visible) {
    Control c = control({name}, ControlKind::PushButton, at, std::move(caption));
    c.font = kButtonFont;
    c.visible = visible;
    return c;
}

// A control that is not in an array has only index 0.
Control& single(Control& control, int index) {
    if (index != 0) throw std::out_of_range("no such control");
    return control;
}

}  // namespace

Form Form::design() {
    using enum ControlName;
    Control pipTemplate = control({pip, 0}, ControlKind::Pip, {368, 32, 13, 13});
    pipTemplate.backColor = kRed;
    pipTemplate.visible = false;
    return Form{
        .upscores = label(upscores, "Upper Scores", {0, 0, 109, 27}, kDarkGreen, kHeadingFont),
        .lwscores = label(lwscores, "Lower Scores", {128, 0, 109, 27}, kDarkRed, kHeadingFont),
        .numbers = ControlArray(category({numbers, 1}, {8, 32, 88, 23}, kGreen)),
        .thpair = category({thpair}, {136, 32, 93, 23}),
        .thrkind = category({thrkind}, {120, 64, 125, 23}),
        .ttkind = category({ttkind}, {112, 96, 141, 23}),
        .frkind = category({frkind}, {120, 128, 125, 23}),
        .fvkind = category({fvkind}, {120, 160, 125, 23}),
        .sstr = category({sstr}, {112, 192, 141, 23}),
        .lstr = category({lstr}, {112, 224, 141, 23}),
        .gstr = category({gstr}, {112, 256, 141, 23}),
        .sxkind = category({sxkind}, {120, 288, 125, 23}),
        .chance = category({chance}, {120, 320, 125, 23}),
        .totu = label(totu, "Total: 0", {8, 224, 89, 25}, kLightGreen, kSheetFont),
        .totl = label(totl, "Total: 0", {120, 352, 121, 25}, kLightRed, kSheetFont),
        .tott = label(tott, "Total: 0", {0, 320, 113, 33}, kLightCyan, kGrandTotalFont),
        .press = button(press, "Roll", {280, 224, 97, 33}, true),
        .restart = button(restart, "Restart", {280, 272, 97, 33}, false),
        .exitgame = button(exitgame, "Exit", {280, 320, 97, 33}, false),
        .Rect = ControlArray(control({Rect, 1}, ControlKind::DieSquare, {264, 8, 60, 60})),
        .hold = ControlArray(control({hold, 1}, ControlKind::Picture, {272, 168, 81, 33})),
        .pip = ControlArray(pipTemplate),
    };
}

Control& Form::find(ControlId id) {
    switch (id.name) {
        // NOLINTBEGIN(bugprone-macro-parentheses): a control's name, not an expression
#define QUORBEL_ONE(name)   \
    case ControlName::name: \
        return single(name, id.index);
#define QUORBEL_MANY(name)  \
    case ControlName::name: \
        return name(id.index);
        QUORBEL_CONTROLS(QUORBEL_ONE, QUORBEL_MANY)
#undef QUORBEL_ONE
#undef QUORBEL_MANY
        // NOLINTEND(bugprone-macro-parentheses)
    }
    throw std::out_of_range("no such control");
}

void loadlabels(Form& form) {
    for (int i = 1; i <= 6; ++i) {
        Control& label = i > 1 ? form.numbers.create() : form.numbers(i);
        label.geometry.left = 8;
        label.geometry.top = 32 * i;
        label.visible = true;
        label.backColor = kGreen;
        label.foreColor = kBlack;
    }
}

}  // namespace quorbel
