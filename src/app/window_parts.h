// Controls placed at fixed places, as the program's fixed-layout windows make them, and what a
// one-line box holds as it shows it.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A button that Enter in another control never presses.
QPushButton* MakePlacedButton(QWidget* parent, const char* name, const QString& caption,
                              QRect bounds);
// A label whose text is shown as it is: titles and file names come from files, never markup.
QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text, QRect bounds);
// The read-only box that shows the lattice point under the mouse as " (%3d,%3d)". Its font is
// narrowed until the widest text a plane can show, a sign and three digits on each side, fits
// the box whole: a scrolled read-out would cut off the sign of x.
QLineEdit* MakeLatticeReadout(QWidget* parent, const char* name, const QString& text, QRect bounds);

// The text of a one-line box as the box shows it: a control character (a line break pasted with
// the text among them) is a space. Labels and unit titles are one line of a file each.
QString OneLineText(const QLineEdit& box);

// Puts a window at the top left of the free area of anchor's screen (a desktop panel at the top
// or left never hides it). Called before the window is shown: a window manager places a window
// where it stands when it is mapped, and a dialog not yet moved is centred over its parent.
void MoveToFreeTopLeft(QWidget& window, const QWidget& anchor);

// The height a window's client area can have on anchor's screen: the free area less the frame
// that the window manager puts round anchor's window (none before it has one). A fixed window
// taller than this gives up height from a part that can lose it, so no control is off screen.
int FreeClientHeight(const QWidget& anchor);
// Makes a resizable window no larger than the free area of its screen and moves its frame into
// that area. Called before the window is shown.
void KeepInFreeArea(QWidget& window);
