#include "qt_probe.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#if defined(__SANITIZE_ADDRESS__)
#define QUORBEL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORBEL_ASAN 1
#endif
#endif
#ifdef QUORBEL_ASAN
// AddressSanitizer keeps its own heap, which glibc's figures do not see.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

#include "harness.h"
#include "qt/look.h"
#include "qt/widgets.h"

namespace quorbel::test {

QPoint centreOf(int die) {
    return QPointF(dieCentre(die).x, dieCentre(die).y).toPoint();
}

std::string differenceFrom(const Control& record, const QWidget& widget) {
    const Geometry& g = record.geometry;
    if (widget.geometry() != QRect(g.left, g.top, g.width, g.height))
        return "is not where its record puts it";
    if (widget.isHidden() == record.visible) return record.visible ? "is hidden" : "is shown";
    // A row of the sheet stays enabled for the arrow keys; a category mirrors its record
    // as whether it can be claimed.
    const auto* row = qobject_cast<const qt::SheetButton*>(&widget);
    if (row && row->category() && row->claimable() != (record.enabled && !isClosed(record)))
        return row->claimable() ? "can be claimed" : "cannot be claimed";
    if (widget.testAttribute(Qt::WA_Disabled) == (record.enabled || row))
        return record.enabled ? "is disabled" : "is enabled";
    const QPalette& palette = widget.palette();
    if (record.kind == ControlKind::Label) {
        if (palette.color(QPalette::Window) != qt::toQColor(record.backColor.value()))
            return "has the wrong background";
        if (palette.color(QPalette::WindowText) != qt::toQColor(record.foreColor))
            return "has the wrong text colour";
    }
    const QString caption = QString::fromStdString(record.caption);
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->text() != caption)
        return "reads " + label->text().toStdString();
    if (const auto* button = qobject_cast<const QPushButton*>(&widget);
        button && button->text() != caption)
        return "reads " + button->text().toStdString();
    return {};
}

WidgetMap::WidgetMap(const qt::MainWindow& window, const Quorbel& game) : game_(game) {
    game.form.forEachControl([&](const Control& control) {
        if (QWidget* widget = window.widgetFor(control.id))
            widgets_.emplace_back(control.id, widget);
    });
}

QWidget* WidgetMap::operator[](ControlId id) const {
    for (const auto& [known, widget] : widgets_)
        if (known == id) return widget;
    return nullptr;
}

std::string WidgetMap::mismatch() const {
    for (const auto& [id, widget] : widgets_) {
        std::string difference = differenceFrom(game_.form.find(id), *widget);
        // A die is checked exactly while its HOLD picture is shown.
        if (const auto* die = qobject_cast<const qt::DieButton*>(widget);
            die && die->isChecked() != game_.form.hold(id.index).visible)
            difference = die->isChecked() ? "is checked" : "is not checked";
        if (!difference.empty()) return "mirror: " + nameOf(id) + " " + difference;
    }
    return {};
}

void pressAt(QWidget& window, QPoint at, Qt::MouseButton button, Route route, QWidget* through,
             bool release) {
    if (route == Route::Screen) {
        QTest::mousePress(window.windowHandle(), button, {}, at);
        if (release) QTest::mouseRelease(window.windowHandle(), button, {}, at);
        return;
    }
    QWidget* target = route == Route::Widget    ? through
                      : route == Route::Topmost ? window.childAt(at)
                                                : &window;
    if (!target) target = &window;
    // Sent as they are: QTest would take a press at a widget's corner, (0, 0), for one at
    // its middle.
    const QPointF local = target->mapFrom(&window, at);
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
        QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, {});
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, button);
    if (release) send(QEvent::MouseButtonRelease, Qt::NoButton);
}

MessageBoxWatcher::MessageBoxWatcher(std::function<void(QMessageBox&)> whileOpen)
    : whileOpen_(std::move(whileOpen)) {
    qApp->installEventFilter(this);
}

MessageBoxWatcher::~MessageBoxWatcher() {
    qApp->removeEventFilter(this);
}

bool MessageBoxWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            ++seen_;
            lastText_ = box->text().toStdString();
            QPointer<QMessageBox> open(box);
            // Runs inside the box's own event loop, once it is up.
            QTimer::singleShot(0, box, [this, open] {
                if (open && whileOpen_) whileOpen_(*open);
                if (open) open->done(QMessageBox::Ok);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

std::size_t memoryInUse() {
#ifdef QUORBEL_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

}  // namespace quorbel::test
