#include "ui/labels.h"

#include <array>
#include <string_view>

namespace quorbel {

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
