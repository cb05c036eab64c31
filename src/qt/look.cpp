#include "qt/look.h"

#include <cmath>

#include "qt/fonts.h"

namespace quorbel::qt {

QColor toQColor(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QFont toQFont(const Font& font) {
    QFont qfont;
    if (font.family == "Impact") {
        // Impact where it is installed, else the free face the program carries.
        qfont.setFamilies({QStringLiteral("Impact"), impactStandIn()});
    } else {
        // "Times New Roman" resolves to its metric twin, Liberation Serif.
        qfont.setFamilies({QString::fromUtf8(font.family.data(), font.family.size()),
                           QStringLiteral("Liberation Serif")});
    }
    qfont.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    qfont.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    return qfont;
}

}  // namespace quorbel::qt
