// A shown game window with scripted dice, and the ways a player touches it.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "harness.h"
#include "qt/main_window.h"
#include "qt_probe.h"

namespace quorbel::qt {

using namespace quorbel::test;

inline ControlId id(ControlName name, int index = 0) {
    return {name, index};
}

inline const QColor kBlueText(0, 0, 255);

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }

    // A new window, as the program opens it, on scripted dice or on `dice` where given;
    // the old one goes. Its ratings and exits are recorded, unless `services` says otherwise,
    // or the real message box shows them.
    enum class Ratings { Recorded, InTheMessageBox };
    void open(RandomSource* dice = nullptr, Services services = {},
              Ratings ratings = Ratings::Recorded) {
        window.reset();
        h = std::make_unique<Harness>(Harness::Start::ByTheWindow, dice);
        if (!services.showMessage && ratings == Ratings::Recorded)
            services.showMessage = h->recorder().showMessage;
        if (!services.exitProgram) services.exitProgram = h->recorder().exitProgram;
        window = std::make_unique<MainWindow>(h->game, std::move(services));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    Quorbel& game() const { return h->game; }
    QWidget* widget(ControlId control) const {
        QWidget* found = window->widgetFor(control);
        EXPECT_NE(found, nullptr) << nameOf(control);
        return found;
    }
    QPushButton* button(ControlName name) const {
        return qobject_cast<QPushButton*>(widget(id(name)));
    }
    const std::string& caption(ControlId control) const {
        return game().form.find(control).caption;
    }

    void click(ControlId control) { QTest::mouseClick(widget(control), Qt::LeftButton); }
    void roll(const std::vector<int>& faces) {
        h->random.queueFaces(faces);
        QTest::mouseClick(button(ControlName::press), Qt::LeftButton);
        EXPECT_EQ(h->random.left(), 0u) << "every die that is not held takes one draw";
    }

    // A die is checked while it is held.
    bool held(int die) const {
        return qobject_cast<QAbstractButton*>(widget(id(ControlName::Rect, die)))->isChecked();
    }
    std::vector<int> heldDice() const {
        std::vector<int> out;
        for (int die = 1; die <= 6; ++die)
            if (held(die)) out.push_back(die);
        return out;
    }
    // The pip places that die 1..6 paints, read off its pixels: a red pip centre.
    std::vector<int> paintedPips(int die) const {
        const QImage shot = widget(id(ControlName::Rect, die))->grab().toImage();
        std::vector<int> places;
        for (int p = 1; p <= kPipsPerDie; ++p) {
            const QPoint centre(kPipLeft[p - 1] + 6, kPipTop[p - 1] + 6);
            if (shot.pixelColor(centre * shot.devicePixelRatio()) == QColor(Qt::red))
                places.push_back(p);
        }
        return places;
    }
    int paintedPipCount() const {
        int n = 0;
        for (int die = 1; die <= 6; ++die) n += static_cast<int>(paintedPips(die).size());
        return n;
    }

    std::unique_ptr<Harness> h;
    std::unique_ptr<MainWindow> window;
};

}  // namespace quorbel::qt
