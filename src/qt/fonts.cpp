#include "qt/fonts.h"

#include <QFontDatabase>
#include <QResource>

namespace quorbel::qt {

QString impactStandIn() {
    static const QString family = [] {
        // Stored uncompressed, the font is read where the program's image holds it: no copy.
        const QResource font(QStringLiteral(":/fonts/Anton-Regular.ttf"));
        const int id = QFontDatabase::addApplicationFontFromData(font.uncompressedData());
        return QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("Anton"));
    }();
    return family;
}

}  // namespace quorbel::qt
