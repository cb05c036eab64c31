// Helpers for driving the real window: checking that its widgets show what the records
// say, pressing at a window point as the window system would, and answering message boxes.
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

namespace quorbel::robustness {

// Every control's widget, found once: the window keeps the same widgets for its whole life.
class WidgetMap {
  public:
    explicit WidgetMap(qt::MainWindow& window);
    QWidget* operator[](ControlId id) const;

    // The first control whose widget does not show its record, or empty.
    std::string mismatch() const;

  private:
    qt::MainWindow& window_;
    std::vector<std::pair<ControlId, QWidget*>> widgets_;  // in stacking order
};

// A press at a window point, delivered to the topmost widget there that takes the mouse (an
// event it does not take passes on up to the window), then the release to the same widget.
void pressAt(QWidget& window, QPoint at, Qt::MouseButton button, bool release = true);

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

}  // namespace quorbel::robustness
