// The few widget kinds the window is made of.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "game/focus.h"

namespace quorbel::qt {

// The arrow an arrow key stands for; none for any other key. Buttons pass arrows on to
// the window, which moves the focus.
std::optional<Arrow> arrowOf(const QKeyEvent* event);

// Whether the player is at the keyboard: set by any key, cleared by any mouse press.
// Focus marks show only then, so a game played with the mouse looks as it always has.
class KeyboardMode : public QObject {
  public:
    static void watch();  // starts following the application's input, once

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// What a screen reader hears for a control that takes focus. The window keeps it up to date
// and tells no reader of the change: Qt 6.4 sends a name change in a form Orca cannot read.
struct Spoken {
    QString name, description;
};

// A button the window draws itself: Space clicks it, as any button, and so does Enter.
// The arrow keys go on to the window, which moves along the dice and the sheet.
class KeyButton : public QAbstractButton, public Spoken {
  public:
    using QAbstractButton::QAbstractButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A row of the score sheet, a category or a total, drawn as a caption on its colour as a
// label would be. The arrow keys reach every row; Tab, a click or Space acts only on a
// category that can be claimed.
class SheetButton : public KeyButton {
    Q_OBJECT
  public:
    SheetButton(QWidget* parent, bool category);
    bool category() const { return category_; }
    bool claimable() const { return claimable_; }
    void setClaimable(bool claimable);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool category_;
    bool claimable_ = false;
    QString caption_;  // painted, not the button's text, which would tell readers of each change
};

// A die's square, checked while the die is held. Mouse presses pass through to the
// window; a key toggles it, and the window makes the same press in its middle.
class DieButton : public KeyButton {
    Q_OBJECT
  public:
    explicit DieButton(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The HOLD picture over a held die: a left click on it releases the die. Another button
// does nothing while the picture takes clicks; between turns it takes none, and every
// press goes through to the window under it.
class HoldPicture : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool pressed_ = false;
};

// Roll, Restart and Exit, with the same focus mark as the rest of the window.
class Button : public QPushButton, public Spoken {
    Q_OBJECT
  public:
    explicit Button(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Words a screen reader says at once, wherever the focus is: a notification that is never
// drawn and takes no focus, or on Qt 6.8 and later an announcement.
class Notice : public QWidget {
    Q_OBJECT
  public:
    explicit Notice(QWidget* parent);
    void say(const QString& words);
};

// A pip: a drawn circle that lets mouse presses through.
class Pip : public QWidget {
    Q_OBJECT
  public:
    explicit Pip(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorbel::qt
