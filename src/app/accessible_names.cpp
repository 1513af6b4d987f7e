// Accessible names.
#include "accessible_names.h"

#include <QAbstractButton>
#include <QGroupBox>
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
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->accessibleName().isEmpty()) {
            control->setAccessibleName(VisibleWords(control));
        }
    }
}
