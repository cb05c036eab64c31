// Every key of the game in one table: what the key list says of it, and the action that
// does it. The keys are plain keys of the main block, so that the desktop's (with Ctrl, Alt
// or the logo key) and the screen reader's (with Insert or Caps Lock, and the keypad) stay
// theirs; each acts once a press, except the arrows, which walk on while held.
#include <QAction>
#include <algorithm>

#include "dice/geometry.h"
#include "game/focus.h"
#include "qt/key_list.h"
#include "qt/main_window.h"

namespace quorbel::qt {

void MainWindow::addKeys() {
    const auto action = [this](const QList<QKeySequence>& keys, auto does) {
        auto* act = new QAction(this);
        act->setShortcuts(keys);
        act->setAutoRepeat(false);
        connect(act, &QAction::triggered, this, does);
        addAction(act);
        return act;
    };
    const auto gameKey = [&](const QList<QKeySequence>& keys, auto handler) {
        return action(keys, [this, handler] { dispatch(handler); });
    };
    const auto row = [this](QString keys, QString does, std::vector<QAction*> actions = {}) {
        keys_.push_back({std::move(keys), std::move(does), std::move(actions)});
    };

    std::vector<QAction*> dice;
    for (int die = 1; die <= kDieCount; ++die)
        dice.push_back(
            gameKey({QKeySequence(Qt::Key_0 + die)}, [die](Quorbel& game) { game.dieKey(die); }));
    row(QStringLiteral("1 to 6"), QStringLiteral("Hold or let go die 1 to 6"), dice);
    row(QStringLiteral("R or Ctrl+R"), QStringLiteral("Roll"),
        {gameKey({QKeySequence(Qt::Key_R), Qt::CTRL | Qt::Key_R},
                 [](Quorbel& game) { game.click(game.form.press.id); })});

    // A letter goes to the next open category whose name it starts, with Shift the one
    // before: "T: Go to Twos or Threes".
    const auto goTo = [this](char letter, bool backwards) {
        moveFocus(categoryByKey(game_.form, idOf(focusWidget()), letter, backwards));
    };
    std::vector<QAction*> back;
    const std::size_t letters = keys_.size();
    for (const Category& category : kCategories) {
        const QString key(QLatin1Char(category.key));
        const QString name = QString::fromUtf8(category.name.data(), category.name.size());
        auto same = std::find_if(keys_.begin() + letters, keys_.end(),
                                 [&](const KeyRow& r) { return r.keys == key; });
        if (same != keys_.end()) {
            same->does += QStringLiteral(", ") + name;
            continue;
        }
        const char letter = category.key;
        const int code = Qt::Key_A + (letter - 'A');
        row(key, QStringLiteral("Go to ") + name,
            {action({QKeySequence(code)}, [goTo, letter] { goTo(letter, false); })});
        back.push_back(
            action({QKeySequence(Qt::SHIFT | code)}, [goTo, letter] { goTo(letter, true); }));
    }
    // "Go to Twos, Threes" reads "Go to Twos or Threes".
    for (auto r = keys_.begin() + letters; r != keys_.end(); ++r)
        if (const auto last = r->does.lastIndexOf(QStringLiteral(", ")); last >= 0)
            r->does.replace(last, 2, QStringLiteral(" or "));
    row(QStringLiteral("Shift with a letter"), QStringLiteral("Go back to the one before"), back);

    row(QStringLiteral("Space or Enter"),
        QStringLiteral("Press what has the focus: roll, hold a die, enter the dice"));
    row(QStringLiteral("Tab, Shift+Tab"),
        QStringLiteral("Move between the controls you can use now"));
    // The arrows walk on while held, with any modifier and on the keypad too.
    std::vector<QAction*> arrows;
    for (const auto& [key, arrow] : {std::pair{Qt::Key_Left, Arrow::Left},
                                     {Qt::Key_Right, Arrow::Right},
                                     {Qt::Key_Up, Arrow::Up},
                                     {Qt::Key_Down, Arrow::Down}}) {
        QList<QKeySequence> keys;
        for (int held = 0; held < 16; ++held)
            keys << QKeySequence(QKeyCombination(Qt::KeyboardModifiers(held << 25), key));
        auto* step =
            action(keys, [this, arrow] { moveFocus(arrowNeighbour(idOf(focusWidget()), arrow)); });
        step->setAutoRepeat(true);
        arrows.push_back(step);
    }
    row(QStringLiteral("Arrow keys"),
        QStringLiteral("Move over the dice and along the whole sheet"), arrows);
    row(QStringLiteral("W"), QStringLiteral("Say the last result again"),
        {gameKey({QKeySequence(Qt::Key_W)}, [](Quorbel& game) { game.sayAgain(); })});
    row(QStringLiteral("D"), QStringLiteral("Say the dice"),
        {gameKey({QKeySequence(Qt::Key_D)}, [](Quorbel& game) { game.sayDice(); })});
    row(QStringLiteral("O"), QStringLiteral("Say the totals and the way to the bonus"),
        {gameKey({QKeySequence(Qt::Key_O)}, [](Quorbel& game) { game.sayTotals(); })});

    // The desktop's key for Quit, or Ctrl+Q on a platform that names none.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty()) quitKeys = {Qt::CTRL | Qt::Key_Q};
    QAction* quit = action(quitKeys, [this] { close(); });
    QAction* list = action(QKeySequence::keyBindings(QKeySequence::HelpContents), [this, quit] {
        auto* open = new KeyList(this, keys_);
        open->setAttribute(Qt::WA_DeleteOnClose);
        open->addAction(quit);  // Ctrl+Q quits from the list too
        open->open();
    });
    row(QStringLiteral("F1"), QStringLiteral("Show this list; Escape closes it"), {list});
    row(QStringLiteral("Ctrl+Q"), QStringLiteral("Quit"), {quit});
}

}  // namespace quorbel::qt
