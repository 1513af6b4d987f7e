// Font names and sizes of the canvas.
#include "fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace {

// The installed family of each name that has one, filled once at start-up.
QHash<QString, QString>& InstalledFamilies() {
    static QHash<QString, QString> families;
    return families;
}

}  // namespace

void InstallFontSubstitutions() {
#ifdef Q_OS_WIN
    // Windows has the fonts themselves: under these names on a Japanese Windows, under their
    // English names on another with the Japanese fonts added. Where one is missing, the nearest
    // font a Windows has stands in; Bookman Old Style comes with Office only.
    QFont::insertSubstitutions(PlainFontName,
                               {QStringLiteral("MS PGothic"), QStringLiteral("Meiryo UI"),
                                QStringLiteral("Yu Gothic UI")});
    QFont::insertSubstitutions(FixedFontName,
                               {QStringLiteral("MS Gothic"), QStringLiteral("BIZ UDGothic"),
                                QStringLiteral("MS PGothic")});
    QFont::insertSubstitution(LetterFontName, QStringLiteral("Georgia"));
#else
    const QStringList installed = QFontDatabase::families();
    const std::pair<QString, QString> standIns[] = {
        {PlainFontName, QStringLiteral("IPAPGothic")},
        {FixedFontName, QStringLiteral("IPAGothic")},
        {LetterFontName, QStringLiteral("URW Bookman")}};
    for (const auto& [name, family] : standIns) {
        QFont::insertSubstitution(name, family);
        if (installed.contains(family)) {
            InstalledFamilies().insert(name, family);
        }
    }
#endif
}

QString InstalledFamily(const QString& name) {
    return InstalledFamilies().value(name, name);
}

int PointsToPixels(int points) {
    // Rounded as the classic canvas turns a size into a height (multiply, then divide rounding).
    return (points * 96 + 36) / 72;
}

QFont CanvasFont(const QString& name, int points, bool italic) {
    QFont font(InstalledFamily(name));
    font.setPixelSize(std::max(1, PointsToPixels(points)));
    font.setItalic(italic);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
