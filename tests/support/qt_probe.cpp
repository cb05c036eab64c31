#include "qt_probe.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
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

#include "dice/geometry.h"
#include "qt/widgets.h"
#include "records.h"

namespace quorbel::test {

QColor rgb(Color color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QPoint centreOf(int die) {
    const Point centre = dieCentre(die);
    return QPointF(centre.x, centre.y).toPoint();
}

QString captionOf(const QWidget& widget) {
    const auto* row = qobject_cast<const qt::SheetButton*>(&widget);
    return row ? row->caption() : widget.property("text").toString();
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
    const QString caption = QString::fromStdString(record.caption);
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const QPalette& palette = widget.palette();
    const bool filled = record.kind == ControlKind::Label || record.kind == ControlKind::Pip;
    if (filled && record.backColor && palette.color(QPalette::Window) != rgb(*record.backColor))
        return "has the wrong background";
    switch (record.kind) {
        case ControlKind::Label:
            if (captionOf(widget) != caption) return "reads " + captionOf(widget).toStdString();
            if (palette.color(QPalette::WindowText) != rgb(record.foreColor))
                return "has the wrong text colour";
            break;
        case ControlKind::PushButton: {
            const auto* button = qobject_cast<const QPushButton*>(&widget);
            if (!button) return "is not a button";
            if (button->text() != caption) return "reads " + button->text().toStdString();
            break;
        }
        case ControlKind::Picture:
            if (!label || label->pixmap().deviceIndependentSize() != QSizeF(54, 12))
                return "does not show the HOLD picture";
            break;
        default:
            break;
    }
    return {};
}

WidgetMap::WidgetMap(qt::MainWindow& window) : window_(window) {
    window.game().form.forEachControl([&](const Control& control) {
        widgets_.emplace_back(control.id, window.widgetFor(control.id));
    });
}

QWidget* WidgetMap::operator[](ControlId id) const {
    for (const auto& [known, widget] : widgets_)
        if (known == id) return widget;
    return nullptr;
}

std::string WidgetMap::mismatch() const {
    std::size_t i = 0;
    std::string found;
    window_.game().form.forEachControl([&](const Control& control) {
        if (!found.empty()) return;
        if (i >= widgets_.size() || !(widgets_[i].first == control.id)) {
            found = "mirror: the window has controls its widgets do not match";
            return;
        }
        const std::string difference = differenceFrom(control, *widgets_[i++].second);
        if (!difference.empty()) found = "mirror: " + nameOf(control.id) + " " + difference;
    });
    return found;
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
    const QPoint local = target->mapFrom(&window, at);
    QTest::mousePress(target, button, {}, local);
    if (release) QTest::mouseRelease(target, button, {}, local);
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
