// Controls placed at fixed places, as the program's fixed-layout windows make them.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// A button that Enter in another control never presses.
QPushButton* MakePlacedButton(QWidget* parent, const char* name, const QString& caption,
                              QRect bounds);
// A label whose text is shown as it is: titles and file names come from files, never markup.
QLabel* MakePlainLabel(QWidget* parent, const QString& text, QRect bounds);
