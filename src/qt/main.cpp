#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QImageReader>

#include "dice/random_source.h"
#include "qt/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The name is also the message boxes' title. A display name would be appended to
    // every window title ("Quorbel! — Quorbel"), so none is set.
    QApplication::setApplicationName(QStringLiteral("Quorbel"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The launcher's name and icon, so that docks and task bars match window and launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorbel.Quorbel"));
    // X11 takes window icons up to 128 pixels (Qt sends no larger), so the larger PNGs
    // are not decoded at start-up; and read as the PNGs they are, they load no image
    // plugin to guess their format. Every file under :/icons is a PNG: a name filter
    // would compile a regular expression at start-up for nothing.
    QIcon icon;
    QDirIterator png(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (png.hasNext()) {
        QImageReader reader(png.next(), "png");
        reader.setAutoDetectImageFormat(false);
        if (reader.size().width() <= 128) icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon);

    quorbel::ClockRandom random;
    quorbel::Quorbel game(random);
    quorbel::qt::MainWindow window(game);
    window.show();
    return QApplication::exec();
}
