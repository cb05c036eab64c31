#include "qt/accessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

#include "qt/main_window.h"
#include "qt/widgets.h"

namespace quorbel::qt {

namespace {

// A category reads as a button. One that takes no focus (closed, or between turns)
// takes clicks that change nothing: it reads as disabled, though it can still be pressed.
class CategoryAccessible : public QAccessibleWidget {
  public:
    explicit CategoryAccessible(QWidget* category)
        : QAccessibleWidget(category, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = !s.focusable;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled()) static_cast<QAbstractButton*>(widget())->click();
    }
};

// The window, as a frame whose children are the controls a player acts on or reads:
// the pips and HOLD pictures are told through the dice's names instead.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(spoken().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = spoken();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        return static_cast<int>(spoken().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QWidgetList spoken() const {
        QWidgetList out;
        for (QObject* object : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(object);
            if (!w || w->isWindow() || qobject_cast<Pip*>(w) || qobject_cast<HoldPicture*>(w))
                continue;
            out.append(w);
        }
        return out;
    }
};

QAccessibleInterface* factory(const QString& /*className*/, QObject* object) {
    if (auto* category = qobject_cast<CategoryButton*>(object))
        return new CategoryAccessible(category);
    if (auto* window = qobject_cast<MainWindow*>(object)) return new WindowAccessible(window);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);  // Qt keeps one of each
}

}  // namespace quorbel::qt
