// The three font names the drawings use, what they stand for on this machine, and how a point
// size becomes pixels on the 96-dpi canvas.
#pragma once

#include <QFont>
#include <QString>

inline const QString PlainFontName = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString FixedFontName = QStringLiteral("ＭＳ ゴシック");
inline const QString LetterFontName = QStringLiteral("Bookman Old Style");

// Maps the three names to the installed IPA and URW fonts, or on Windows to the system's fonts
// of other names where the named ones are missing. Call once after the application object exists.
void InstallFontSubstitutions();

// The family a font of one of the three names is made with: on Linux the first installed of its
// stand-ins (IPA, Noto Sans CJK, Takao, VL Gothic; URW Bookman), since a name that no font has
// sends every font Qt makes of it through fontconfig's search for stand-ins, milliseconds at
// start-up; otherwise the name, which the substitutions and fontconfig map.
QString InstalledFamily(const QString& name);

// Pixel height of a point size on the canvas, which always counts 96 dots per inch.
int PointsToPixels(int points);

// A font for the canvas: pixel-sized so the screen's dpi does not matter, never antialiased.
QFont CanvasFont(const QString& name, int points, bool italic);
