#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "dice/geometry.h"
#include "game/focus.h"
#include "game/spoken.h"
#include "qt/accessible.h"
#include "qt/key_list.h"
#include "qt/look.h"
#include "qt/widgets.h"

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

}  // namespace

MainWindow::MainWindow(RandomSource& random, Services services)
    : services_(withDefaults(std::move(services), this)),
      game_(random, Services{
                        .showMessage = [this](const std::string& text) { message_ = text; },
                        .exitProgram = [this] { services_.exitProgram(); },
                    }),
      holdPicture_(loadHoldPicture()) {
    // Before anything that may make Qt create and keep the window's accessible interface
    // (from Qt 6.8 on, setWindowTitle does): Qt's generic one would be kept instead of ours.
    installAccessibility();
    withoutMaximise(*this);
    setWindowTitle(QString::fromUtf8(kWindowCaption.data(), kWindowCaption.size()));
    setFixedSize(kWindowWidth, kWindowHeight);
    setAutoFillBackground(true);
    setColor(this, QPalette::Window, kWindowColor);
    KeyboardMode::watch();
    addKeyActions();
    game_.Form_Load();
    build();
    mirror();
}

// F1 lists the keys, Ctrl+Q quits as closing the window does: the desktop's own keys.
void MainWindow::addKeyActions() {
    auto* quit = new QAction(QStringLiteral("Quit"), this);
    // The desktop's key for Quit, or Ctrl+Q on a platform that names none.
    const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    quit->setShortcuts(quitKeys.isEmpty() ? QList{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quitKeys);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    auto* keys = new QAction(QStringLiteral("Keys"), this);
    keys->setShortcuts(QKeySequence::HelpContents);
    keys->setAutoRepeat(false);
    connect(keys, &QAction::triggered, this, [this, quit] {
        auto* list = new KeyList(this);
        list->setAttribute(Qt::WA_DeleteOnClose);
        list->addAction(quit);  // Ctrl+Q quits from the list too
        list->open();
    });
    addActions({keys, quit});
}

void MainWindow::build() {
    // The HOLD picture pixel for pixel at the screen's scale: blown up smoothly, as a
    // label would, its small serif letters blur.
    const qreal scale = devicePixelRatio();
    QPixmap picture = holdPicture_.scaled(holdPicture_.size() * scale, Qt::IgnoreAspectRatio,
                                          Qt::FastTransformation);
    picture.setDevicePixelRatio(scale);
    // Made in stacking order, so that later widgets lie over earlier ones.
    game_.form.forEachControl([this, &picture](const Control& control) {
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
            case ControlKind::Picture: {
                auto* label = new HoldPicture(this);
                label->setPixmap(picture);
                connect(label, &HoldPicture::clicked, this, click);
                widget = label;
                break;
            }
            case ControlKind::PushButton: {
                auto* button = new Button(this);
                button->setAutoDefault(true);  // Enter, like Space, clicks the focused button
                connect(button, &QPushButton::clicked, this, click);
                widget = button;
                break;
            }
            case ControlKind::DieSquare: {
                auto* die = new DieButton(this);
                // A key on a die presses it, just as the mouse would in its middle.
                const Point middle = dieCentre(id.index);
                connect(die, &QAbstractButton::toggled, this, [this, middle] {
                    dispatch([middle](Quorbel& game) {
                        game.Form_MouseDown(Qt::LeftButton, 0, middle.x, middle.y);
                    });
                });
                widget = die;
                break;
            }
            case ControlKind::Pip:
                widget = new Pip(this);
                break;
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
        Binding& binding = bindings_.at(control.id);
        if (!binding.shown || !(*binding.shown == control)) present(binding, control);
        // Names are told from the whole game; the pips and HOLD pictures have none.
        if (control.kind == ControlKind::Pip || control.kind == ControlKind::Picture) return;
        auto name = quorbel::accessibleName(game_, control.id);
        auto words = quorbel::accessibleDescription(game_, control.id);
        auto* spoken = dynamic_cast<Spoken*>(binding.widget);
        if (name != binding.name) {
            // A control that takes focus is read afresh; a change told to a reader is not.
            if (spoken)
                spoken->name = QString::fromStdString(name);
            else
                binding.widget->setAccessibleName(QString::fromStdString(name));
            binding.name = std::move(name);
        }
        if (spoken && words != binding.description) {
            spoken->description = QString::fromStdString(words);
            binding.description = std::move(words);
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

void MainWindow::present(Binding& binding, const Control& control) {
    QWidget* widget = binding.widget;
    const bool fresh = !binding.shown;
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
    // A row of the sheet stays enabled, so that the arrow keys reach it at any time; a
    // category takes Tab, clicks and Space only while it can be claimed: open, in a turn.
    auto* row = qobject_cast<SheetButton*>(widget);
    if (row && row->category()) row->setClaimable(control.enabled && !isClosed(control));
    if (changed(&Control::enabled) && !row) widget->setEnabled(control.enabled);
    if (changed(&Control::visible)) widget->setVisible(control.visible);
    if (control.kind == ControlKind::Picture && changed(&Control::visible)) {
        const QSignalBlocker quiet(widgetFor({ControlName::Rect, control.id.index}));
        static_cast<DieButton*>(widgetFor({ControlName::Rect, control.id.index}))
            ->setChecked(control.visible);
    }
    binding.shown = control;
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
void MainWindow::moveFocus(ControlId to) {
    QWidget* widget = widgetFor(to);
    if (widget && widget->isVisible() &&
        (widget->focusPolicy() != Qt::NoFocus || qobject_cast<SheetButton*>(widget)))
        widget->setFocus(Qt::OtherFocusReason);
}

// Arrow keys step through the dice grid and along the whole sheet, closed categories and
// totals included, up to the edge. The game's own keys act wherever the focus is, once a
// press: plain keys of the main block only, so that a screen reader's keys (with Insert or
// Caps Lock, or on the keypad) and the desktop's (with Ctrl, Alt or the logo key) are
// never taken.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (const auto arrow = arrowOf(event))
        return moveFocus(arrowNeighbour(idOf(focusWidget()), *arrow));
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const int key = event->key();
    if ((event->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier)
        return QWidget::keyPressEvent(event);
    if (event->isAutoRepeat()) return;
    if (key >= Qt::Key_1 && key <= Qt::Key_6 && !shift)
        return dispatch([key](Quorbel& game) { game.dieKey(key - Qt::Key_0); });
    if (!shift) {
        switch (key) {
            case Qt::Key_R:
                return dispatch([](Quorbel& game) { game.click(game.form.press.id); });
            case Qt::Key_W:
                return dispatch([](Quorbel& game) { game.sayAgain(); });
            case Qt::Key_D:
                return dispatch([](Quorbel& game) { game.sayDice(); });
            case Qt::Key_O:
                return dispatch([](Quorbel& game) { game.sayTotals(); });
            default:
                break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return moveFocus(
            categoryByKey(game_.form, idOf(focusWidget()), static_cast<char>(key), shift));
    QWidget::keyPressEvent(event);
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
