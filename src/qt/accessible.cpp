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
    if (auto* window = qobject_cast<MainWindow*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);  // Qt keeps one of each
}

}  // namespace quorbel::qt
