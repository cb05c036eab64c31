// The few widget kinds the window is made of.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "ui/form.h"

namespace quorbel::qt {

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

// A button the window draws itself: Space clicks it, as any button, and so does Enter,
// once a press.
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
    void setCaption(const QString& caption);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool category_;
    bool claimable_ = false;
    QString caption_;  // painted, not the button's text, which would tell readers of each change
};

// A die: its square, then its HOLD picture while held, then the pips of its face, each
// painted from its record, so the middle row's pips lie over the picture. Checked while
// held; a key toggles it. A left click on the HOLD picture, while the picture takes clicks,
// releases the die, and another button there does nothing; any other press goes on to the
// window under it.
class DieButton : public KeyButton {
    Q_OBJECT
  public:
    DieButton(QWidget* parent, QPixmap holdPicture);

    // Takes the records of die 1..6's HOLD picture and pips; repaints if they changed.
    void paintFrom(const Form& form, int die);

  signals:
    void holdClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Records {
        Control hold;
        std::array<Control, kPipsPerDie> pips;
        bool operator==(const Records&) const = default;
    };
    QRect inside(const Control& part) const;  // a part's place on the die
    bool onHoldPicture(const QMouseEvent* event) const;

    QPixmap holdPicture_;
    Records records_;
    bool pressedOnHold_ = false;
};

// Roll, Restart and Exit, with the same focus mark as the rest of the window.
class Button : public QPushButton, public Spoken {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

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

}  // namespace quorbel::qt
