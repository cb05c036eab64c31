// The list of the game's keys, opened by F1 over the window.
#pragma once

#include <QDialog>
#include <vector>

namespace quorbel::qt {

struct KeyRow;

// A table of every key and what it does, one row a key, read row by row by a screen
// reader; Escape or Close shuts it.
class KeyList : public QDialog {
    Q_OBJECT
  public:
    KeyList(QWidget* parent, const std::vector<KeyRow>& keys);
};

}  // namespace quorbel::qt
