#include "qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImageReader>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include "qt/look.h"
#include "qt/widgets.h"
#include "ui/accessibility.h"

namespace quorbel::qt {

namespace {

// The HOLD picture is a BMP, which Qt reads by itself. Left to guess the format, the
// reader would load every image plugin at start-up to ask each one about the file.
QPixmap loadHoldPicture() {
    QImageReader reader(QStringLiteral(":/hold.bmp"), "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void setColor(QWidget* widget, QPalette::ColorRole role, Color color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, role, toQColor(color));  // disabled labels keep their colours
    widget->setPalette(palette);
}

void setCaption(QWidget* widget, const std::string& caption) {
    const QString text = QString::fromStdString(caption);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setText(text);
}

void updateAccessibleName(QWidget* widget, const std::string& name) {
    const QString text = QString::fromStdString(name);
    if (widget->accessibleName() != text) widget->setAccessibleName(text);
}

}  // namespace

MainWindow::MainWindow(RandomSource& random, std::function<void()> onExit)
    : game_(random, Services{
                        .showMessage = [this](const std::string& text) { showMessage(text); },
                        .exitProgram = onExit ? std::move(onExit) : [] { QApplication::quit(); },
                    }),
      holdPicture_(loadHoldPicture()) {
    setWindowTitle(QString::fromUtf8(kWindowCaption.data(), kWindowCaption.size()));
    setFixedSize(kWindowWidth, kWindowHeight);
    setAutoFillBackground(true);
    setColor(this, QPalette::Window, kWindowColor);
    game_.Form_Load();
    build();
    mirror();
}

void MainWindow::build() {
    // The HOLD picture pixel for pixel at the screen's scale: blown up smoothly, as a
    // label would, its small serif letters blur.
    const qreal scale = devicePixelRatio();
    QPixmap picture = holdPicture_.scaled(holdPicture_.size() * scale, Qt::IgnoreAspectRatio,
                                          Qt::FastTransformation);
    picture.setDevicePixelRatio(scale);
    game_.form.forEachControl([this, &picture](const Control& control) {
        QWidget* widget = nullptr;
        const ControlId id = control.id;
        switch (control.kind) {
            case ControlKind::Label:
            case ControlKind::Picture: {
                auto* label = new ClickableLabel(this);
                if (control.kind == ControlKind::Picture) label->setPixmap(picture);
                connect(label, &ClickableLabel::clicked, this, [this, id] { handle(id); });
                widget = label;
                break;
            }
            case ControlKind::PushButton: {
                auto* button = new QPushButton(this);
                button->setAutoDefault(true);  // Enter, like Space, clicks the focused button
                connect(button, &QPushButton::clicked, this, [this, id] { handle(id); });
                widget = button;
                break;
            }
            case ControlKind::DieSquare:
                widget = new Shape(Shape::Form::RoundedSquare, this);
                break;
            case ControlKind::Pip:
                widget = new Shape(Shape::Form::Circle, this);
                break;
        }
        bindings_.push_back({widget, std::nullopt});
    });
}

void MainWindow::mirror() {
    std::size_t i = 0;
    game_.form.forEachControl([&](const Control& control) {
        Binding& binding = bindings_[i++];
        QWidget* widget = binding.widget;
        // Names depend on more than the control itself (pips, HOLD, rolls): check each time.
        updateAccessibleName(widget, quorbel::accessibleName(control, game_.form, game_.state));
        const bool fresh = !binding.shown;
        if (!fresh && *binding.shown == control) return;
        const auto changed = [&](auto field) {
            return fresh || (*binding.shown).*field != control.*field;
        };
        if (changed(&Control::geometry)) {
            const Geometry& g = control.geometry;
            widget->setGeometry(g.left, g.top, g.width, g.height);
        }
        if (changed(&Control::caption)) setCaption(widget, control.caption);
        if (changed(&Control::font) && !control.font.family.empty())
            widget->setFont(toQFont(control.font));
        // Buttons keep the toolkit's text colours, so a disabled Roll looks disabled.
        if (changed(&Control::foreColor) && control.kind != ControlKind::PushButton)
            setColor(widget, QPalette::WindowText, control.foreColor);
        if (changed(&Control::backColor) && control.backColor)
            setColor(widget, QPalette::Window, *control.backColor);
        if (changed(&Control::enabled)) widget->setEnabled(control.enabled);
        if (changed(&Control::visible)) widget->setVisible(control.visible);
        binding.shown = control;
    });
}

QWidget* MainWindow::widgetFor(ControlId id) const {
    std::size_t i = 0;
    QWidget* found = nullptr;
    game_.form.forEachControl([&](const Control& control) {
        if (control.id == id) found = bindings_[i].widget;
        ++i;
    });
    return found;
}

void MainWindow::handle(ControlId id) {
    game_.click(id);
    mirror();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    game_.Form_MouseDown(static_cast<int>(event->button()), static_cast<int>(event->modifiers()),
                         static_cast<float>(at.x()), static_cast<float>(at.y()));
    mirror();
}

// Closing the window by its frame ends the program, as Exit does.
void MainWindow::closeEvent(QCloseEvent* event) {
    game_.exitgame_Click();
    event->accept();
}

void MainWindow::showMessage(const std::string& text) {
    mirror();  // the sheet shows its final state behind the message
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, as the rest of the window
    box.exec();
}

}  // namespace quorbel::qt
