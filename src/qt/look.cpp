#include "qt/look.h"

#include <QFontDatabase>
#include <QResource>
#include <cmath>

namespace quorbel::qt {

QColor toQColor(Color color) {
    return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
            static_cast<int>((color >> 16) & 0xFF)};
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont toQFont(const Font& font) {
    QFont qfont;
    if (font.family == "Impact") {
        // Impact where it is installed, else the free face the program carries.
        qfont.setFamilies({QStringLiteral("Impact"), impactStandIn()});
    } else {
        // "Times New Roman" resolves to its metric twin, Liberation Serif.
        qfont.setFamilies({toQString(font.family), QStringLiteral("Liberation Serif")});
    }
    qfont.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    qfont.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    return qfont;
}

QString impactStandIn() {
    static const QString family = [] {
        // Stored uncompressed, the font is read where the program's image holds it: no copy.
        const QResource font(QStringLiteral(":/fonts/Anton-Regular.ttf"));
        const int id = QFontDatabase::addApplicationFontFromData(font.uncompressedData());
        return QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("Anton"));
    }();
    return family;
}

void withoutMaximise(QWidget& window) {
    // Qt fills in the usual buttons unless told the flags are customised.
    window.setWindowFlags((window.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) &
                          ~(Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint));
}

}  // namespace quorbel::qt
