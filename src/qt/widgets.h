// The few widget kinds the window is made of.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace quorbel::qt {

// Whether the player is at the keyboard: set by any key, cleared by any mouse press.
// Focus marks show only then, so a game played with the mouse looks as it always has.
class KeyboardMode : public QObject {
  public:
    static void watch();  // starts following the application's input, once
    static bool on();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A label that reports a left click (press and release on it), as a caption or a picture.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(QWidget* parent);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// The HOLD picture over a held die. A click with any other button than the left one
// does nothing while the picture takes clicks; between turns it takes none, and every
// press goes through to the window under it.
class HoldPicture : public ClickableLabel {
    Q_OBJECT
  public:
    using ClickableLabel::ClickableLabel;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A category on the score sheet: a click, Space or Enter claims it.
class CategoryLabel : public ClickableLabel {
    Q_OBJECT
  public:
    explicit CategoryLabel(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Roll, Restart and Exit, with the same focus mark as the rest of the window.
class Button : public QPushButton {
    Q_OBJECT
  public:
    explicit Button(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A die's square. Mouse presses pass through to the window; Space or Enter on the
// focused die asks for the same press.
class DieFace : public QWidget {
    Q_OBJECT
  public:
    explicit DieFace(QWidget* parent);
    bool held() const { return held_; }
    void setHeld(bool held);
    void activate() { emit activated(); }

  signals:
    void activated();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool held_ = false;
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
