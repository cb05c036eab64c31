// Helpers for driving the real window: checking that its widgets show what the records
// say, pressing at a window point, and answering message boxes.
#pragma once

#include <QObject>
#include <QPoint>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "qt/main_window.h"

class QMessageBox;
class QWidget;

namespace quorbel::test {

// The middle of die 1..6's square, in window pixels.
QPoint centreOf(int die);

// How a widget fails to show its control's record ("is hidden", "reads Aces: 3"), or empty.
// A row of the sheet paints its caption: the look tests compare what it paints.
std::string differenceFrom(const Control& record, const QWidget& widget);

// The widget of every control that has one, found once: the window keeps the same widgets
// for its whole life. The HOLD pictures and pips are painted by their dice.
class WidgetMap {
  public:
    WidgetMap(const qt::MainWindow& window, const Quorbel& game);
    QWidget* operator[](ControlId id) const;

    // The first control whose widget does not show its record, or empty.
    std::string mismatch() const;

  private:
    const Quorbel& game_;
    std::vector<std::pair<ControlId, QWidget*>> widgets_;  // in stacking order
};

// Where a press at a window point goes: to the window itself; to the topmost widget there
// (an event it does not take passes on up to the window), as the window system sends it; to
// the widget `through`, which passes it on; or through the platform window, so that Qt
// itself picks the widget under the point.
enum class Route { Window, Topmost, Widget, Screen };

// A press at a window point, then, if asked, the release to the same place.
void pressAt(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton,
             Route route = Route::Window, QWidget* through = nullptr, bool release = true);

// Calls whileOpen inside every message box that opens, then closes the box.
class MessageBoxWatcher : public QObject {
  public:
    explicit MessageBoxWatcher(std::function<void(QMessageBox&)> whileOpen = {});
    ~MessageBoxWatcher() override;
    int seen() const { return seen_; }
    std::string lastText() const { return lastText_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(QMessageBox&)> whileOpen_;
    int seen_ = 0;
    std::string lastText_;
};

// Bytes the program holds on the heap now.
std::size_t memoryInUse();

}  // namespace quorbel::test
