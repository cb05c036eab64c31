// The few widget kinds the window is made of.
#pragma once

#include <QLabel>
#include <QWidget>

namespace quorbel::qt {

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
    void paintEvent(QPaintEvent* event) override;

  private:
    bool pressed_ = false;
};

// A die square or a pip: drawn shapes that let mouse presses through to the window.
class Shape : public QWidget {
  public:
    enum class Form { RoundedSquare, Circle };
    Shape(Form form, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Form form_;
};

}  // namespace quorbel::qt
