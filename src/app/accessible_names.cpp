// Accessible names.
#include "accessible_names.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace {

// What a user reads on or beside the control; empty when there is nothing.
QString VisibleWords(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QString caption = button->text();
        caption.remove(u'&');
        if (!caption.trimmed().isEmpty()) {
            return caption;
        }
    }
    if (!control->toolTip().isEmpty()) {
        return control->toolTip();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(control->parentWidget())) {
        return group->title();
    }
    return {};
}

}  // namespace

void NameForScreenReaders(QWidget* window,
                          std::initializer_list<std::pair<QWidget*, QString>> named) {
    for (const auto& [control, name] : named) {
        control->setAccessibleName(name);
        // On Linux a combo box's own name is the text it shows (a folder's path, say); a screen
        // reader names it by the label that is its buddy, which need not be seen.
        if (qobject_cast<QComboBox*>(control)) {
            auto* label = new QLabel(name, control->parentWidget());
            label->setBuddy(control);
            label->hide();
        }
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->accessibleName().isEmpty()) {
            control->setAccessibleName(VisibleWords(control));
        }
    }
}
