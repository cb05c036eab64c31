// The floor for start-up and memory: the least a Qt Widgets program needs to put a
// 395 x 385 window with one label on screen, set up the way the game sets up its own.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Floor"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor!"));
    window.setFixedSize(395, 385);
    QLabel label(QStringLiteral("Floor"), &window);
    label.move(8, 8);
    window.show();
    return app.exec();
}
