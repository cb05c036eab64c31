#include "qt/widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace quorbel::qt {

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

// A disabled picture keeps its look: a die held between turns shows the same black
// HOLD as during a turn, not the faded one Qt draws for disabled labels.
void ClickableLabel::paintEvent(QPaintEvent* event) {
    const QPixmap picture = pixmap();
    if (picture.isNull() || isEnabled()) return QLabel::paintEvent(event);
    QPainter painter(this);
    style()->drawItemPixmap(&painter, contentsRect(), static_cast<int>(alignment()), picture);
}

Shape::Shape(Form form, QWidget* parent) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (form_ == Form::Circle) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Window));
        painter.drawEllipse(QRectF(rect()));
    } else {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
}

}  // namespace quorbel::qt
