// The help topic that F1 opens on a window, control or menu item: a context number kept in a
// property of the item, and found on the item in focus or the nearest of its parents.
#pragma once

#include <QObject>
#include <QVariant>

// The help topic of the main window and of the help contents.
constexpr int MainHelpContext = 100;
// The topic of the file-open dialog.
constexpr int FileOpenHelpContext = 1213;

inline const char* const HelpContextProperty = "helpContext";

// Gives a window, control or menu item the help topic F1 opens on it.
inline void SetHelpContext(QObject* object, int context) {
    object->setProperty(HelpContextProperty, context);
}

// The topic of an item: its own, or its nearest parent's, or the main window's.
inline int HelpContextOf(const QObject* object) {
    for (; object != nullptr; object = object->parent()) {
        const QVariant context = object->property(HelpContextProperty);
        if (context.isValid()) {
            return context.toInt();
        }
    }
    return MainHelpContext;
}
