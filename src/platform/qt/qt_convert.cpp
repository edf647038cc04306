#include "platform/qt/qt_convert.h"

#include "forms/form.h"

#include <QFontDatabase>
#include <cmath>

namespace qtui {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / forms::TwipsPerPixel));
}

QRect pixelRect(const forms::Design& design) {
    return QRect(toPixels(design.left), toPixels(design.top), toPixels(design.width),
                 toPixels(design.height));
}

QColor toQColor(forms::Color color, const QColor& fallback) {
    // The classic system colours (high bit set) have no fixed value: the platform's own colour
    // stands in for them as it does for DefaultColor.
    if (color == forms::DefaultColor || (color & 0x80000000u) != 0) return fallback;
    return QColor(forms::redOf(color), forms::greenOf(color), forms::blueOf(color));
}

QFont toQFont(const forms::Font& font) {
    // The windows were laid out for the classic narrow 8-point sans-serif; the sans-serif faces
    // with the same widths come first, so that a text that fitted its label still fits.
    static const QStringList defaultFamilies = {
        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
        QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    const QString wanted = toQString(font.name);
    QFont result;
    if (!wanted.isEmpty() && QFontDatabase::hasFamily(wanted)) {
        result.setFamily(wanted);
    } else {
        result.setFamilies(defaultFamilies);
    }
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(font.size > 0 ? font.size : 8.0);
    result.setBold(font.bold);
    return result;
}

QPixmap toPixmap(const forms::Picture& picture) {
    if (picture.isNone()) return {};
    return QPixmap::fromImage(picture.image());
}

}  // namespace qtui
