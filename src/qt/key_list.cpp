#include "qt/key_list.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

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

}  // namespace

KeyList::KeyList(QWidget* parent, const std::vector<KeyRow>& keys) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Quorbel keys"));
    withoutMaximise(*this);
    auto* table = new KeyTable(this);
    table->setColumnCount(2);
    table->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("What it does")});
    table->setRootIsDecorated(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAccessibleName(QStringLiteral("Keys"));
    for (const KeyRow& key : keys) new QTreeWidgetItem(table, {key.keys, key.does});
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
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
}

}  // namespace quorbel::qt
