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

// Pixel height of a point size on the canvas, which always counts 96 dots per inch.
int PointsToPixels(int points);

// A font for the canvas: pixel-sized so the screen's dpi does not matter, never antialiased.
QFont CanvasFont(const QString& name, int points, bool italic);
