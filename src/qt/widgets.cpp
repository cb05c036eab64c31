#include "qt/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace quorbel::qt {

namespace {

bool keyboardMode = false;

bool isActivation(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return !event->isAutoRepeat();
        default:
            return false;
    }
}

bool marked(const QWidget* widget) {
    return keyboardMode && widget->hasFocus();
}

// Tells a listening screen reader which of the widget's states changed.
void tellReaders(QWidget* widget, QAccessible::State changed) {
    if (!QAccessible::isActive()) return;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

constexpr int kMarkWidth = 2;

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

bool KeyboardMode::on() {
    return keyboardMode;
}

bool KeyboardMode::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress;
    const bool mouse =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if ((key && !keyboardMode) || (mouse && keyboardMode)) {
        keyboardMode = key;
        if (QWidget* focused = QApplication::focusWidget()) focused->update();
    }
    return QObject::eventFilter(watched, event);
}

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    pressed_ = true;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

void HoldPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) return ClickableLabel::mousePressEvent(event);
    event->accept();  // not a click, and not a press on the die under the picture either
}

// A disabled picture keeps its look: a die held between turns shows the same black
// HOLD as during a turn, not the faded one Qt draws for disabled labels.
void HoldPicture::paintEvent(QPaintEvent* event) {
    const QPixmap picture = pixmap();
    if (picture.isNull() || isEnabled()) return QLabel::paintEvent(event);
    QPainter painter(this);
    style()->drawItemPixmap(&painter, contentsRect(), static_cast<int>(alignment()), picture);
}

CategoryLabel::CategoryLabel(QWidget* parent) : ClickableLabel(parent) {}

void CategoryLabel::setClaimable(bool claimable) {
    if (claimable == this->claimable()) return;
    setFocusPolicy(claimable ? Qt::TabFocus : Qt::NoFocus);
    QAccessible::State changed;
    changed.disabled = true;
    changed.focusable = true;
    tellReaders(this, changed);
}

void CategoryLabel::keyPressEvent(QKeyEvent* event) {
    if (!isActivation(event)) return ClickableLabel::keyPressEvent(event);
    emit clicked();
}

// Drawn as a plain label draws its text: a label that takes focus would otherwise lay
// its caption out as a document, a pixel higher and grey while disabled. While
// marked, the caption moves clear of the frame; it still fits the widest label.
void CategoryLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool mark = marked(this);
    const int inset = mark ? kMarkWidth + 1 : 0;
    const int flags =
        QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextHideMnemonic;
    style()->drawItemText(&painter, contentsRect().adjusted(inset, 0, -inset, 0), flags, palette(),
                          isEnabled(), text(), foregroundRole());
    if (mark) drawMark(painter, rect());
}

Button::Button(QWidget* parent) : QPushButton(parent) {}

void Button::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!marked(this)) return;
    QPainter painter(this);
    drawMark(painter, rect());
}

DieFace::DieFace(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void DieFace::setHeld(bool held) {
    if (held_ == held) return;
    held_ = held;
    QAccessible::State changed;
    changed.checked = true;
    tellReaders(this, changed);
}

void DieFace::keyPressEvent(QKeyEvent* event) {
    if (!isActivation(event)) return QWidget::keyPressEvent(event);
    emit activated();
}

void DieFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    if (!marked(this)) return;
    painter.setPen(QPen(Qt::black, kMarkWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
}

Pip::Pip(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Pip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawEllipse(QRectF(rect()));
}

}  // namespace quorbel::qt
