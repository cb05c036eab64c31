#include "qt/accessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QPushButton>

#include "qt/main_window.h"
#include "qt/widgets.h"

namespace quorbel::qt {

namespace {

// Roll, a die or a row of the sheet: a push button, a check box (checked while held) or,
// for a total, a label. Its words come from the window (Spoken); a closed category, or one
// between turns, reads as disabled and has nothing to press.
class ControlAccessible : public QAccessibleWidget {
  public:
    ControlAccessible(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role) {}

    QString text(QAccessible::Text t) const override {
        const auto* spoken = dynamic_cast<const Spoken*>(widget());
        if (t == QAccessible::Name) return spoken->name;
        if (t == QAccessible::Description) return spoken->description;
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        if (const auto* push = qobject_cast<const QPushButton*>(button()))
            s.defaultButton = push->isDefault();
        if (const auto* row = qobject_cast<const SheetButton*>(button())) {
            s.focusable = true;  // by the arrow keys
            s.disabled = row->category() && !row->claimable();
        }
        return s;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (acts()) names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction() && action != toggleAction())
            return QAccessibleWidget::doAction(action);
        if (acts()) button()->click();
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    bool acts() const {
        const auto* row = qobject_cast<const SheetButton*>(button());
        return button()->isEnabled() && (!row || row->claimable());
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
    if (auto* row = qobject_cast<SheetButton*>(object))
        return new ControlAccessible(
            row, row->category() ? QAccessible::Button : QAccessible::StaticText);
    if (auto* die = qobject_cast<DieButton*>(object))
        return new ControlAccessible(die, QAccessible::CheckBox);
    if (auto* button = qobject_cast<Button*>(object))
        return new ControlAccessible(button, QAccessible::Button);
    if (auto* notice = qobject_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    if (auto* window = qobject_cast<MainWindow*>(object)) return new WindowAccessible(window);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);  // Qt keeps one of each
}

}  // namespace quorbel::qt
