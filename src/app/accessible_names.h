// Names that a screen reader says for the controls of a window, in Japanese.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;

// Gives each named control its name, then every other control of the window without one the
// words a sighted user reads on or beside it: a button's caption or hint, a check box's caption,
// a picture's group title.
void NameForScreenReaders(QWidget* window,
                          std::initializer_list<std::pair<QWidget*, QString>> named);
