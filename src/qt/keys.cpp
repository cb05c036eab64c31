// Every key of the game in one table: each row of the key list, next to the actions that do
// what it says. Besides Ctrl+R and Ctrl+Q the keys are plain keys of the main block, so
// that the desktop's (with Ctrl, Alt or the logo key) and the screen reader's (with Insert
// or Caps Lock, and the keypad) stay theirs; each acts once a press.
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dice/dice.h"
#include "game/focus.h"
#include "qt/look.h"
#include "qt/main_window.h"

namespace quorbel::qt {

namespace {

// A table that a screen reader reads from its current row on: Qt tells a reader of a new
// row only while the table has the focus, and of the table itself after the row. So the
// row is told again once the focus has settled.
class KeyTable : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QTreeWidget::focusInEvent(event);
        QTimer::singleShot(0, this, [this] {
            const QModelIndex row =
                currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
            setCurrentIndex({});
            setCurrentIndex(row);
        });
    }
};

// A table of every key and what it does, one row a key, read row by row by a screen reader;
// Escape or Close shuts it.
QDialog* keyList(QWidget* parent, const std::vector<KeyRow>& keys) {
    auto* list = new QDialog(parent);
    list->setWindowTitle(QStringLiteral("Quorbel keys"));
    withoutMaximise(*list);
    auto* table = new KeyTable(list);
    table->setColumnCount(2);
    table->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("What it does")});
    table->setRootIsDecorated(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAccessibleName(QStringLiteral("Keys"));
    for (const KeyRow& key : keys) new QTreeWidgetItem(table, {key.keys, key.does});
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, list);
    QObject::connect(close, &QDialogButtonBox::rejected, list, &QDialog::reject);
    auto* layout = new QVBoxLayout(list);
    layout->addWidget(table);
    layout->addWidget(close);
    // Every row and both columns on view at once, with no scroll bar.
    table->resizeColumnToContents(0);
    table->resizeColumnToContents(1);
    const int frame = 2 * table->frameWidth();
    table->setMinimumSize(table->columnWidth(0) + table->columnWidth(1) + frame,
                          table->header()->sizeHint().height() +
                              static_cast<int>(keys.size()) * table->sizeHintForRow(0) + frame);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFocus();
    return list;
}

}  // namespace

void MainWindow::addKeys() {
    using namespace Qt::Literals::StringLiterals;
    const auto row = [this](QString keys, QString does) {
        keys_.push_back({std::move(keys), std::move(does)});
    };
    // An action on these keys, which acts once a press.
    const auto on = [this](const QList<QKeySequence>& keys, auto does) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setAutoRepeat(false);
        connect(action, &QAction::triggered, this, does);
        addAction(action);
        return action;
    };
    // A key of the game's own, handled as every event is.
    const auto play = [&](const QList<QKeySequence>& keys, auto handler) {
        on(keys, [this, handler] { dispatch(handler); });
    };

    row(u"1 to 6"_s, u"Hold or let go die 1 to 6"_s);
    for (int die = 1; die <= kDieCount; ++die)
        play({QKeySequence(Qt::Key_0 + die)}, [die](Quorbel& game) { game.dieKey(die); });
    row(u"R or Ctrl+R"_s, u"Roll"_s);
    play({QKeySequence(Qt::Key_R), Qt::CTRL | Qt::Key_R},
         [](Quorbel& game) { game.click(game.form.press.id); });

    // A letter goes to the next open category whose name it starts, with Shift the one
    // before: "T: Go to Twos or Threes".
    const std::size_t letters = keys_.size();
    for (const Category& category : kCategories) {
        const char letter = category.key;
        const QString key{QLatin1Char(letter)};
        const QString name = toQString(category.name);
        const auto same = std::find_if(keys_.begin() + static_cast<std::ptrdiff_t>(letters),
                                       keys_.end(), [&](const KeyRow& r) { return r.keys == key; });
        if (same != keys_.end()) {
            same->does += u", "_s + name;
            continue;
        }
        row(key, u"Go to "_s + name);
        for (const bool back : {false, true}) {
            const auto code = Qt::Key(Qt::Key_A + letter - 'A');
            on({QKeyCombination(back ? Qt::ShiftModifier : Qt::NoModifier, code)},
               [this, letter, back] {
                   moveFocus(categoryByKey(game_.form, idOf(focusWidget()), letter, back));
               });
        }
    }
    // "Go to Twos, Threes" reads "Go to Twos or Threes".
    for (auto r = keys_.begin() + static_cast<std::ptrdiff_t>(letters); r != keys_.end(); ++r)
        if (const auto last = r->does.lastIndexOf(u", "_s); last >= 0)
            r->does.replace(last, 2, u" or "_s);
    row(u"Shift with a letter"_s, u"Go back to the one before"_s);

    row(u"Space or Enter"_s, u"Press what has the focus: roll, hold a die, enter the dice"_s);
    row(u"Tab, Shift+Tab"_s, u"Move between the controls you can use now"_s);
    // The arrows walk on while held, with any modifier and on the keypad too.
    row(u"Arrow keys"_s, u"Move over the dice and along the whole sheet"_s);
    for (const auto& step : {std::pair{Qt::Key_Left, Arrow::Left},
                             {Qt::Key_Right, Arrow::Right},
                             {Qt::Key_Up, Arrow::Up},
                             {Qt::Key_Down, Arrow::Down}}) {
        QList<QKeySequence> keys;
        for (int held = 0; held < 16; ++held)  // Shift, Ctrl, Alt and Meta, in any mix
            keys << QKeyCombination(Qt::KeyboardModifiers(held << 25), step.first);
        const Arrow arrow = step.second;
        on(keys, [this, arrow] {
            moveFocus(arrowNeighbour(idOf(focusWidget()), arrow));
        })->setAutoRepeat(true);
    }
    row(u"W"_s, u"Say the last result again"_s);
    play({QKeySequence(Qt::Key_W)}, [](Quorbel& game) { game.sayAgain(); });
    row(u"D"_s, u"Say the dice"_s);
    play({QKeySequence(Qt::Key_D)}, [](Quorbel& game) { game.sayDice(); });
    row(u"O"_s, u"Say the totals and the way to the bonus"_s);
    play({QKeySequence(Qt::Key_O)}, [](Quorbel& game) { game.sayTotals(); });

    // The desktop's keys for Quit, or Ctrl+Q on a platform that names none.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty()) quitKeys = {Qt::CTRL | Qt::Key_Q};
    QAction* quit = on(quitKeys, [this] { close(); });
    row(u"F1"_s, u"Show this list; Escape closes it"_s);
    on(QKeySequence::keyBindings(QKeySequence::HelpContents), [this, quit] {
        QDialog* list = keyList(this, keys_);
        list->setAttribute(Qt::WA_DeleteOnClose);
        list->addAction(quit);  // Ctrl+Q quits from the list too
        list->open();
    });
    row(u"Ctrl+Q"_s, u"Quit"_s);
}

}  // namespace quorbel::qt
