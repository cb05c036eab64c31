// The game's one window: a widget for every control a player acts on or reads, kept in
// step with its record.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/quorbel.h"

namespace quorbel::qt {

class Notice;

// One row of the key list: the keys as a player reads them, and what they do.
struct KeyRow {
    QString keys, does;
};

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows the game, and gives it the toolkit's services: a service left empty gets the
    // real one, the message box or quitting the application.
    explicit MainWindow(Quorbel& game, Services services = {});

    QWidget* widgetFor(ControlId id) const;

    // Every event comes in here: the handler works on the game, then the widgets
    // follow the records once.
    template <class Handler>
    void dispatch(Handler&& handler) {
        handler(game_);
        mirror();
    }

    // Brings every widget in line with its record, touching only what changed, then
    // shows the message the game left, if any.
    void mirror();

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Binding {
        QWidget* widget = nullptr;
        std::optional<Control> shown;  // what the widget shows now; none before the first mirror
    };

    void addKeys();
    void build();
    void moveFocus(ControlId to) const;
    bool takesFocus(ControlId id) const;
    ControlId idOf(const QWidget* widget) const;

    Services services_;
    std::optional<std::string> message_;  // left by the game, shown once the window is in step
    Quorbel& game_;
    std::map<ControlId, Binding> bindings_;
    std::vector<KeyRow> keys_;
    Notice* notice_ = nullptr;  // speaks each event's result
};

}  // namespace quorbel::qt
