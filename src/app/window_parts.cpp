// Controls of the fixed-layout windows.
#include "window_parts.h"

#include <QLabel>
#include <QPushButton>

QPushButton* MakePlacedButton(QWidget* parent, const char* name, const QString& caption,
                              QRect bounds) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakePlainLabel(QWidget* parent, const QString& text, QRect bounds) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(bounds);
    return label;
}
