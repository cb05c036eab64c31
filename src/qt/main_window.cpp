#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

#include "dice/dice.h"
#include "game/focus.h"
#include "game/spoken.h"
#include "qt/accessible.h"
#include "qt/look.h"
#include "qt/widgets.h"

namespace quorbel::qt {

namespace {

// The HOLD picture pixel for pixel at the screen's scale: blown up smoothly, its small serif
// letters would blur. It is a BMP, which Qt reads by itself: left to guess the format, the
// reader would load every image plugin at start-up to ask each one about the file.
QPixmap loadHoldPicture(qreal scale) {
    QImageReader reader(QStringLiteral(":/hold.bmp"), "bmp");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    QPixmap picture = QPixmap::fromImage(
        image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    picture.setDevicePixelRatio(scale);
    return picture;
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
    else if (auto* row = qobject_cast<SheetButton*>(widget))
        row->setCaption(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
}

void showMessageBox(QWidget* parent, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::fromStdString(text), QMessageBox::Ok, parent);
    withoutMaximise(box);
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, as the rest of the window
    box.exec();
}

Services withDefaults(Services services, QWidget* window) {
    if (!services.showMessage)
        services.showMessage = [window](const std::string& text) { showMessageBox(window, text); };
    if (!services.exitProgram) services.exitProgram = [] { QApplication::quit(); };
    return services;
}

// Brings a widget from the record it shows (none at first) to this one, field by field.
void present(QWidget* widget, const std::optional<Control>& shown, const Control& control) {
    const auto changed = [&](auto field) { return !shown || (*shown).*field != control.*field; };
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
    // A row of the sheet stays enabled, so that the arrow keys reach it at any time; a
    // category takes Tab, clicks and Space only while it can be claimed: open, in a turn.
    auto* row = qobject_cast<SheetButton*>(widget);
    if (row && row->category()) row->setClaimable(control.enabled && !isClosed(control));
    if (changed(&Control::enabled) && !row) widget->setEnabled(control.enabled);
    if (changed(&Control::visible)) widget->setVisible(control.visible);
}

}  // namespace

MainWindow::MainWindow(Quorbel& game, Services services)
    : services_(withDefaults(std::move(services), this)), game_(game) {
    game_.services = {
        .showMessage = [this](const std::string& text) { message_ = text; },
        .exitProgram = [this] { services_.exitProgram(); },
    };
    // Before anything that may make Qt create and keep the window's accessible interface
    // (from Qt 6.8 on, setWindowTitle does): Qt's generic one would be kept instead of ours.
    installAccessibility();
    withoutMaximise(*this);
    setWindowTitle(toQString(kWindowCaption));
    setFixedSize(kWindowWidth, kWindowHeight);
    setAutoFillBackground(true);
    setColor(this, QPalette::Window, kWindowColor);
    KeyboardMode::watch();
    addKeys();
    game_.Form_Load();
    build();
    mirror();
}

// A widget for each control a player acts on or reads, made in stacking order so that later
// widgets lie over earlier ones. A die paints its own HOLD picture and pips.
void MainWindow::build() {
    const QPixmap holdPicture = loadHoldPicture(devicePixelRatio());
    game_.form.forEachControl([this, &holdPicture](const Control& control) {
        QWidget* widget = nullptr;
        const ControlId id = control.id;
        const auto click = [this, id] { dispatch([id](Quorbel& game) { game.click(id); }); };
        switch (control.kind) {
            case ControlKind::Label:
                if (categoryLabelled(id)) {
                    auto* category = new SheetButton(this, true);
                    connect(category, &QAbstractButton::clicked, this, click);
                    widget = category;
                } else if (id.name == ControlName::totu || id.name == ControlName::totl ||
                           id.name == ControlName::tott) {
                    widget = new SheetButton(this, false);
                } else {
                    auto* label = new QLabel(this);
                    label->setTextFormat(Qt::PlainText);
                    label->setAutoFillBackground(true);
                    widget = label;
                }
                break;
            case ControlKind::PushButton: {
                auto* button = new Button(this);
                button->setAutoDefault(true);  // Enter, like Space, clicks the focused button
                connect(button, &QPushButton::clicked, this, click);
                widget = button;
                break;
            }
            case ControlKind::DieSquare: {
                auto* die = new DieButton(this, holdPicture);
                const int n = id.index;
                // A key on a die does what a press in it does.
                connect(die, &QAbstractButton::toggled, this,
                        [this, n] { dispatch([n](Quorbel& game) { game.pressDie(n); }); });
                connect(die, &DieButton::holdClicked, this, [this, n] {
                    dispatch([n](Quorbel& game) { game.click({ControlName::hold, n}); });
                });
                widget = die;
                break;
            }
            case ControlKind::Picture:
            case ControlKind::Pip:
                return;
        }
        bindings_[id].widget = widget;
    });
    notice_ = new Notice(this);
    // Tab walks Roll, the dice, the sheet, then Restart and Exit.
    const std::vector<ControlId>& chain = focusChain();
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(widgetFor(chain[i - 1]), widgetFor(chain[i]));
}

void MainWindow::mirror() {
    game_.form.forEachControl([this](const Control& control) {
        const auto found = bindings_.find(control.id);
        if (found == bindings_.end()) return;  // painted by its die
        Binding& binding = found->second;
        if (binding.shown != control) {
            present(binding.widget, binding.shown, control);
            binding.shown = control;
        }
        if (auto* die = qobject_cast<DieButton*>(binding.widget))
            die->paintFrom(game_.form, control.id.index);
        // What a reader hears is told from the whole game, and kept where the control's
        // accessible interface reads it afresh; a heading reads its caption.
        if (auto* spoken = dynamic_cast<Spoken*>(binding.widget)) {
            spoken->name = QString::fromStdString(quorbel::accessibleName(game_, control.id));
            spoken->description =
                QString::fromStdString(quorbel::accessibleDescription(game_, control.id));
        }
    });
    // After the game's end the blank dice leave the Tab chain.
    for (int die = 1; die <= kDieCount; ++die)
        widgetFor({ControlName::Rect, die})
            ->setFocusPolicy(game_.isOver() ? Qt::NoFocus : Qt::TabFocus);
    // Focus goes only where a key can reach: a control on view that takes input.
    const auto to = std::exchange(game_.focusRequest, std::nullopt);
    if (to && takesFocus(*to)) widgetFor(*to)->setFocus(Qt::OtherFocusReason);
    // Each event's result, spoken once focus has moved, so that the focus does not cut it.
    if (auto news = std::exchange(game_.news, std::nullopt))
        notice_->say(QString::fromStdString(*news));
    // The sheet shows its final state behind the message.
    if (auto text = std::exchange(message_, std::nullopt)) services_.showMessage(*text);
}

QWidget* MainWindow::widgetFor(ControlId id) const {
    const auto found = bindings_.find(id);
    return found == bindings_.end() ? nullptr : found->second.widget;
}

ControlId MainWindow::idOf(const QWidget* widget) const {
    for (const auto& [id, binding] : bindings_)
        if (binding.widget == widget) return id;
    return {};
}

bool MainWindow::takesFocus(ControlId id) const {
    const QWidget* widget = widgetFor(id);
    return widget && widget->isVisibleTo(this) && widget->isEnabled() &&
           (widget->focusPolicy() & Qt::TabFocus);
}

// Focus goes where an arrow or a letter points: any row of the sheet, or a control that
// takes focus. Nothing moves where nothing is.
void MainWindow::moveFocus(ControlId to) const {
    QWidget* widget = widgetFor(to);
    if (widget && widget->isVisible() &&
        (widget->focusPolicy() != Qt::NoFocus || qobject_cast<SheetButton*>(widget)))
        widget->setFocus(Qt::OtherFocusReason);
}

// The keypad is left to the screen reader, but for its arrows: no game key acts there.
bool MainWindow::event(QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return QWidget::event(event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool arrow = key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down;
    if ((key->modifiers() & Qt::KeypadModifier) && !arrow) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    const int button = static_cast<int>(event->button());
    const int shift = static_cast<int>(event->modifiers());
    dispatch([&](Quorbel& game) {
        game.Form_MouseDown(button, shift, static_cast<float>(at.x()), static_cast<float>(at.y()));
    });
}

// Closing the window by its frame ends the program, as Exit does.
void MainWindow::closeEvent(QCloseEvent* event) {
    dispatch([](Quorbel& game) { game.exitgame_Click(); });
    event->accept();
}

}  // namespace quorbel::qt
