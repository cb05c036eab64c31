#include "qt/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolTip>

#include "qt/look.h"

namespace quorbel::qt {

namespace {

bool keyboardMode = false;

bool marked(const QWidget* widget) {
    return keyboardMode && widget->hasFocus();
}

constexpr int kMarkWidth = 2;

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A black frame two pixels wide inside the widget: it shows on yellow, green, red,
// white and grey alike.
void drawMark(QPainter& painter, const QRect& area) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QRect r = area;
    painter.drawRect(r.left(), r.top(), r.width(), kMarkWidth);
    painter.drawRect(r.left(), r.bottom() - kMarkWidth + 1, r.width(), kMarkWidth);
    painter.drawRect(r.left(), r.top(), kMarkWidth, r.height());
    painter.drawRect(r.right() - kMarkWidth + 1, r.top(), kMarkWidth, r.height());
}

}  // namespace

void KeyboardMode::watch() {
    static KeyboardMode* watcher = nullptr;
    if (watcher) return;
    watcher = new KeyboardMode;
    watcher->setParent(qApp);
    qApp->installEventFilter(watcher);
}

bool KeyboardMode::eventFilter(QObject* watched, QEvent* event) {
    // A key that a shortcut takes reaches no widget: its override request still passes here.
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    const bool mouse =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if ((key && !keyboardMode) || (mouse && keyboardMode)) {
        keyboardMode = key;
        if (QWidget* focused = QApplication::focusWidget()) focused->update();
    }
    return QObject::eventFilter(watched, event);
}

void KeyButton::keyPressEvent(QKeyEvent* event) {
    if (!isEnter(event)) return QAbstractButton::keyPressEvent(event);
    if (!event->isAutoRepeat()) click();
}

SheetButton::SheetButton(QWidget* parent, bool category) : KeyButton(parent), category_(category) {
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void SheetButton::setClaimable(bool claimable) {
    claimable_ = claimable;
    setFocusPolicy(claimable ? Qt::TabFocus : Qt::NoFocus);
}

void SheetButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

// Qt paints a button at once as it goes down and up; a category looks the same either way,
// and is painted with the rest of the window once the click is done.
bool SheetButton::event(QEvent* event) {
    const auto type = event->type();
    // A mouse player gets a reader's words on what entering would bring, as a tool tip.
    if (type == QEvent::ToolTip) {
        if (description.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), description, this);
        }
        return true;
    }
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease;
    if (mouse) setUpdatesEnabled(false);
    const bool done = KeyButton::event(event);
    if (mouse) setUpdatesEnabled(true);
    return done;
}

// Drawn as a plain label draws its text. While marked, the caption moves clear of the
// frame; it still fits the widest label.
void SheetButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool mark = marked(this);
    const int inset = mark ? kMarkWidth + 1 : 0;
    const auto flags = static_cast<int>(
        QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter) |
        Qt::TextHideMnemonic);
    style()->drawItemText(&painter, rect().adjusted(inset, 0, -inset, 0), flags, palette(),
                          isEnabled(), caption_, foregroundRole());
    if (mark) drawMark(painter, rect());
}

void Button::keyPressEvent(QKeyEvent* event) {
    // A held-down Enter clicks once, as Space does: Roll is not spent by one long press.
    if (isEnter(event) && event->isAutoRepeat()) return;
    QPushButton::keyPressEvent(event);
}

void Button::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!marked(this)) return;
    QPainter painter(this);
    drawMark(painter, rect());
}

DieButton::DieButton(QWidget* parent, QPixmap holdPicture)
    : KeyButton(parent), holdPicture_(std::move(holdPicture)) {
    setFocusPolicy(Qt::TabFocus);
    setCheckable(true);
}

void DieButton::paintFrom(const Form& form, int die) {
    Records now{form.hold(die), {}};
    for (int place = 1; place <= kPipsPerDie; ++place)
        now.pips[static_cast<std::size_t>(place - 1)] = form.pip(pipOf(die, place));
    const QSignalBlocker quiet(this);  // the records say it is held; no one pressed it
    setChecked(now.hold.visible);
    if (now == records_) return;
    records_ = std::move(now);
    update();
}

QRect DieButton::inside(const Control& part) const {
    const Geometry& g = part.geometry;
    return {g.left - x(), g.top - y(), g.width, g.height};
}

bool DieButton::onHoldPicture(const QMouseEvent* event) const {
    const Control& hold = records_.hold;
    return hold.visible && hold.enabled && inside(hold).contains(event->position().toPoint());
}

void DieButton::mousePressEvent(QMouseEvent* event) {
    if (!onHoldPicture(event)) return event->ignore();
    pressedOnHold_ = event->button() == Qt::LeftButton;
}

void DieButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = std::exchange(pressedOnHold_, false) && event->button() == Qt::LeftButton &&
                       onHoldPicture(event);
    if (click) emit holdClicked();
}

// A held die between turns shows the same black HOLD as during a turn, never a faded one.
void DieButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    if (marked(this)) {
        painter.setPen(QPen(Qt::black, kMarkWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    }
    if (records_.hold.visible) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawPixmap(inside(records_.hold).topLeft(), holdPicture_);
        painter.setRenderHint(QPainter::Antialiasing);
    }
    painter.setPen(Qt::NoPen);
    for (const Control& pip : records_.pips) {
        if (!pip.visible) continue;
        painter.setBrush(toQColor(pip.backColor.value()));
        painter.drawEllipse(QRectF(inside(pip)));
    }
}

Notice::Notice(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(0, 0);
    hide();
}

// A reader hears a notification when it is shown: hidden first, it is shown anew each time.
// Qt 6.8 can announce the words outright, which Orca reads without a role's name before them.
void Notice::say(const QString& words) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), words);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    setAccessibleName(words);
    show();
#endif
}

}  // namespace quorbel::qt
