// Font names and sizes of the canvas.
#include "fonts.h"

#include <algorithm>

void InstallFontSubstitutions() {
    QFont::insertSubstitution(PlainFontName, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(FixedFontName, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(LetterFontName, QStringLiteral("URW Bookman"));
}

int PointsToPixels(int points) {
    // Rounded as the classic canvas turns a size into a height (multiply, then divide rounding).
    return (points * 96 + 36) / 72;
}

QFont CanvasFont(const QString& name, int points, bool italic) {
    QFont font(name);
    font.setPixelSize(std::max(1, PointsToPixels(points)));
    font.setItalic(italic);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
