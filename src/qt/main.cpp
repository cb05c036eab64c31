#include <QApplication>

#include "dice/random_source.h"
#include "qt/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorbel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorbel"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    quorbel::ClockRandom random;
    quorbel::qt::MainWindow window(random);
    window.show();
    return app.exec();
}
