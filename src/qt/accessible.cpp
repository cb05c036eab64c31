#include "qt/accessible.h"

#include <QAccessibleWidget>

#include "qt/main_window.h"
#include "qt/widgets.h"

namespace quorbel::qt {

namespace {

// A die reads as a check box, checked while it is held; toggling it presses it.
class DieAccessible : public QAccessibleWidget {
  public:
    explicit DieAccessible(DieFace* die) : QAccessibleWidget(die, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = die()->held();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) return die()->activate();
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == toggleAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    DieFace* die() const { return static_cast<DieFace*>(widget()); }
};

// A category reads as a button; pressing it claims the category, as a click does.
class CategoryAccessible : public QAccessibleWidget {
  public:
    explicit CategoryAccessible(CategoryLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled()) emit static_cast<CategoryLabel*>(widget())->clicked();
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
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
    if (auto* die = qobject_cast<DieFace*>(object)) return new DieAccessible(die);
    if (auto* label = qobject_cast<CategoryLabel*>(object)) return new CategoryAccessible(label);
    if (auto* window = qobject_cast<MainWindow*>(object)) return new WindowAccessible(window);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

}  // namespace quorbel::qt
