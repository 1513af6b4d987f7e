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
                                QStringLiteral("BIZ UDPGothic"), QStringLiteral("Yu Gothic UI")});
    QFont::insertSubstitutions(FixedFontName,
                               {QStringLiteral("MS Gothic"), QStringLiteral("BIZ UDGothic"),
                                QStringLiteral("MS PGothic")});
    QFont::insertSubstitution(LetterFontName, QStringLiteral("Georgia"));
#else
    // The Japanese fonts a Linux may have, best first: IPA's, which have the Windows fonts'
    // metrics, then Noto Sans CJK, Takao and VL Gothic. The fixed-pitch name takes a fixed-pitch
    // face, so that the formula list's columns line up.
    const QStringList installed = QFontDatabase::families();
    const std::pair<QString, QStringList> standIns[] = {
        {PlainFontName,
         {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
          QStringLiteral("TakaoPGothic"), QStringLiteral("VL PGothic")}},
        {FixedFontName,
         {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
          QStringLiteral("TakaoGothic"), QStringLiteral("VL Gothic")}},
        {LetterFontName, {QStringLiteral("URW Bookman")}}};
    for (const auto& [name, families] : standIns) {
        QFont::insertSubstitutions(name, families);
        const auto found = std::find_if(families.begin(), families.end(),
                                        [&](const QString& f) { return installed.contains(f); });
        if (found != families.end()) {
            InstalledFamilies().insert(name, *found);
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
