#include <QApplication>
#include <QDirIterator>
#include <QIcon>

#include "dice/random_source.h"
#include "qt/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorbel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorbel"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The launcher's name and icon, so that docks and task bars match window and launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorbel.Quorbel"));
    QIcon icon;
    QDirIterator png(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                     QDirIterator::Subdirectories);
    while (png.hasNext()) icon.addFile(png.next());
    QApplication::setWindowIcon(icon);

    quorbel::ClockRandom random;
    quorbel::qt::MainWindow window(random);
    window.show();
    return app.exec();
}
