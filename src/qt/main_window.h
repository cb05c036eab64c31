// The game's one window: a widget for every control record, kept in step with it.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "game/quorbel.h"

namespace quorbel::qt {

class MainWindow : public QWidget {
  public:
    // onExit ends the program; by default it quits the application.
    explicit MainWindow(RandomSource& random, std::function<void()> onExit = {});

    Quorbel& game() { return game_; }
    QWidget* widgetFor(ControlId id) const;

    // Brings every widget in line with its record, touching only what changed.
    void mirror();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Binding {
        QWidget* widget;
        std::optional<Control> shown;  // what the widget shows now; none before the first mirror
    };

    void build();
    void showMessage(const std::string& text);
    void handle(ControlId id);

    Quorbel game_;
    QPixmap holdPicture_;
    std::vector<Binding> bindings_;  // in stacking order, like the records
};

}  // namespace quorbel::qt
