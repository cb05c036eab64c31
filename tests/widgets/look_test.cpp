// The real widgets show what the records say: places, captions, colours and fonts.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <algorithm>
#include <array>

#include "qt/look.h"
#include "qt/widgets.h"
#include "window_fixture.h"

namespace quorbel::qt {
namespace {

using enum ControlName;

// Design points at 96 dpi, as whole pixels.
struct PixelFont {
    double points;
    int pixels;
};
constexpr std::array kPixelFonts = {PixelFont{12, 16}, PixelFont{14.25, 19}, PixelFont{15.75, 21}};

class LookTest : public WindowTest {
  protected:
    // A row of the sheet paints its caption exactly as a label with its record would.
    static QImage asLabel(const Control& record) {
        QLabel label(QString::fromStdString(record.caption));
        label.setFont(toQFont(record.font));
        QPalette palette = label.palette();
        palette.setColor(QPalette::Window, toQColor(record.backColor.value()));
        palette.setColor(QPalette::WindowText, toQColor(record.foreColor));
        label.setPalette(palette);
        label.setAutoFillBackground(true);
        label.resize(record.geometry.width, record.geometry.height);
        return label.grab().toImage();
    }

    void expectWidgetsMatchRecords() {
        game().form.forEachControl([&](const Control& control) {
            SCOPED_TRACE(nameOf(control.id));
            QWidget* w = window->widgetFor(control.id);
            if (control.kind == ControlKind::Picture || control.kind == ControlKind::Pip) {
                EXPECT_EQ(w, nullptr) << "painted by its die";
                return;
            }
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(differenceFrom(control, *w), "");
            if (qobject_cast<SheetButton*>(w)) {
                EXPECT_EQ(w->grab().toImage(), asLabel(control));
            }
            if (control.font.family.empty()) return;
            const auto* px = std::find_if(kPixelFonts.begin(), kPixelFonts.end(), [&](PixelFont f) {
                return f.points == control.font.points;
            });
            ASSERT_NE(px, kPixelFonts.end()) << control.font.points << " pt";
            const QFontInfo drawn(w->font());
            EXPECT_EQ(w->font().pixelSize(), px->pixels);
            EXPECT_EQ(drawn.pixelSize(), px->pixels);
            EXPECT_EQ(drawn.bold(), control.font.bold);
            // Impact where installed; elsewhere the Anton that the program carries.
            if (control.font.family == "Impact") {
                EXPECT_TRUE(drawn.family() == "Impact" || drawn.family() == "Anton")
                    << drawn.family().toStdString();
            }
        });
    }
};

// Through a turn and into the next. A die paints its square, then its HOLD picture, then its
// pips: the centre pip of a held 5 lies over the picture's letters.
TEST_F(LookTest, WidgetsFollowTheRecordsThroughATurn) {
    const auto expectAll = [&](const char* when) {
        SCOPED_TRACE(when);
        expectWidgetsMatchRecords();
    };
    const auto ink = [&](int die) {  // black pixels where the HOLD picture stands
        const QImage shot = widget(id(Rect, die))->grab().toImage();
        int black = 0;
        for (int x = 3; x < 57; ++x)
            for (int y = 25; y < 37; ++y) black += shot.pixelColor(x, y) == QColor(Qt::black);
        return black;
    };
    expectAll("at start-up");
    roll({1, 2, 3, 4, 5, 6});
    pressAt(*window, centreOf(2));
    pressAt(*window, centreOf(5));
    expectAll("after a roll, dice 2 and 5 held");
    for (int n = 2; n <= 5; ++n) roll({6, 6, 6, 6});
    EXPECT_FALSE(button(press)->isEnabled()) << "after the fifth roll";
    expectAll("after the fifth roll");
    click(id(numbers, 6));
    expectAll("after claiming Sixes");
    pressAt(*window, centreOf(5));
    EXPECT_GT(ink(5), 30) << "a held die between turns shows HOLD unfaded";
    EXPECT_EQ(ink(3), 0);
    roll({1, 1, 1, 1, 1});
    EXPECT_EQ(paintedPips(5), pipsOfFace(5)) << "the centre pip over the picture";
    EXPECT_GT(ink(5), 30);
}

TEST_F(LookTest, WindowIsFixedYellowAndCaptioned) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorbel!"));
    EXPECT_EQ(window->size(), QSize(395, 385));
    EXPECT_EQ(window->minimumSize(), QSize(395, 385));
    EXPECT_EQ(window->maximumSize(), QSize(395, 385));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(255, 255, 0));

    // What is painted: the window between the sheet and the buttons, and each label's corner.
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.pixelColor(260, 300), QColor(255, 255, 0));
    game().form.forEachControl([&](const Control& control) {
        if (control.kind != ControlKind::Label) return;
        SCOPED_TRACE(nameOf(control.id));
        EXPECT_EQ(shot.pixelColor(control.geometry.left + 1, control.geometry.top + 1),
                  toQColor(control.backColor.value()));
    });
}

TEST_F(LookTest, EveryCaptionFitsItsLabel) {
    struct Case {
        ControlId label;
        QString caption;
    };
    std::vector<Case> cases;
    game().form.forEachControl([&](const Control& control) {
        if (control.kind == ControlKind::Label)
            cases.push_back({control.id, QString::fromStdString(control.caption)});
    });
    // The widest texts a game can bring to each label.
    // clang-format off
    const std::vector<Case> widest = {
        {id(upscores), "Upper Scores"}, {id(lwscores), "Lower Scores"},
        {id(ttkind), "2 3-of-a-Kinds:  10"}, {id(sxkind), "Quorbel:  250"},
        {id(sstr), "Small Straight: 20"}, {id(lstr), "Large Straight: 30"},
        {id(gstr), "Giant Straight: 50"}, {id(thrkind), "3 of a kind:  24"},
        {id(frkind), "4 of a kind:  36"}, {id(fvkind), "5 of a kind:  60"},
        {id(chance), "Chance:  36"}, {id(thpair), "3 pairs:  25"}, {id(numbers, 6), "Sixes: 36"},
        {id(numbers, 5), "Fives: 30"}, {id(numbers, 3), "Threes: 18"}, {id(totu), "Total: 999"},
        {id(totl), "Total: 999"}, {id(tott), "Total: 999"},
    };
    // clang-format on
    cases.insert(cases.end(), widest.begin(), widest.end());
    for (const Case& c : cases) {
        QWidget* l = widget(c.label);
        const QFontMetrics metrics(l->font());
        const QRect room = l->contentsRect();
        const int width = metrics.horizontalAdvance(c.caption);
        EXPECT_LE(width, room.width()) << nameOf(c.label) << " \"" << c.caption.toStdString()
                                       << "\" is " << width << " px wide";
        // Drawn, the text keeps off the label's edges: its top and bottom rows and its last
        // column show the label's colour alone. (A face's line may be taller than the label,
        // as the headings' is, while its letters fit.)
        if (auto* row = qobject_cast<SheetButton*>(l))
            row->setCaption(c.caption);
        else
            l->setProperty("text", c.caption);
        const QImage shot = l->grab().toImage();
        const QColor back = l->palette().color(QPalette::Window);
        int inked = 0;
        for (int x = 0; x < shot.width(); ++x)
            inked +=
                (shot.pixelColor(x, 0) != back) + (shot.pixelColor(x, shot.height() - 1) != back);
        for (int y = 0; y < shot.height(); ++y)
            inked += shot.pixelColor(shot.width() - 1, y) != back;
        EXPECT_EQ(inked, 0) << nameOf(c.label) << " \"" << c.caption.toStdString()
                            << "\" reaches the label's edge";
    }
}

}  // namespace
}  // namespace quorbel::qt
