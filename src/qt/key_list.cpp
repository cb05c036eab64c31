#include "qt/key_list.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "game/keys.h"
#include "qt/look.h"

namespace quorbel::qt {

KeyList::KeyList(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Quorbel keys"));
    withoutMaximise(*this);
    auto* table = new QTreeWidget(this);
    table->setColumnCount(2);
    table->setHeaderLabels({QStringLiteral("Key"), QStringLiteral("What it does")});
    table->setRootIsDecorated(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAccessibleName(QStringLiteral("Keys"));
    table->setAccessibleDescription(QStringLiteral("Up and Down read them"));
    for (const KeyUse& use : keyList())
        new QTreeWidgetItem(table,
                            {QString::fromStdString(use.keys), QString::fromStdString(use.does)});
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(close);
    // Every row and both columns on view at once, with no scroll bar.
    table->resizeColumnToContents(0);
    table->resizeColumnToContents(1);
    const int frame = 2 * table->frameWidth();
    table->setMinimumSize(
        table->columnWidth(0) + table->columnWidth(1) + frame,
        table->header()->sizeHint().height() + keyList().size() * table->sizeHintForRow(0) + frame);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No current row yet: the table takes the first one as it gets the focus, and only a
    // change of row while it has the focus is told to a screen reader.
    table->setFocus();
}

}  // namespace quorbel::qt
