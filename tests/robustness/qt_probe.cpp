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

#include "qt/look.h"
#include "walk.h"

namespace quorbel::robustness {

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
        const QWidget* widget = widgets_[i++].second;
        const auto differs = [&](const std::string& what) {
            found = "mirror: " + nameOf(control.id) + " " + what;
        };
        const Geometry& g = control.geometry;
        if (widget->geometry() != QRect(g.left, g.top, g.width, g.height))
            return differs("is not where its record puts it");
        if (widget->isHidden() == control.visible)
            return differs(control.visible ? "is hidden" : "is shown");
        if (widget->testAttribute(Qt::WA_Disabled) == control.enabled)
            return differs(control.enabled ? "is disabled" : "is enabled");
        const QString caption = QString::fromStdString(control.caption);
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            if (button->text() != caption) return differs("reads " + button->text().toStdString());
        } else if (control.kind == ControlKind::Label) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            if (label->text() != caption) return differs("reads " + label->text().toStdString());
            if (label->palette().color(QPalette::WindowText) != qt::toQColor(control.foreColor))
                return differs("has the wrong text colour");
        }
    });
    return found;
}

void pressAt(QWidget& window, QPoint at, Qt::MouseButton button, bool release) {
    QWidget* target = window.childAt(at);
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

}  // namespace quorbel::robustness
