// The pictures of the practice, compiled into the program from resources/pictures: the icons of
// the result dialogs and the two marks the practice window copies onto its images.
#pragma once

#include <QImage>
#include <QString>

inline const QString SeikaiPicturePath = QStringLiteral(":/pictures/seikai.png");
inline const QString AyamariPicturePath = QStringLiteral(":/pictures/ayamari.png");
inline const QString HappyRowPicturePath = QStringLiteral(":/pictures/happy_row.png");
inline const QString BatsuPicturePath = QStringLiteral(":/pictures/batsu.png");
inline const QString HintArrowPicturePath = QStringLiteral(":/pictures/hint_arrow.png");

// The wrong-answer mark of imgBatsu, 100x100: a red cross on black, to be ORed onto the answer
// panel (black leaves it as it is). The cross stands in the top 65 rows, the panel's height.
inline QImage BatsuPicture() {
    return QImage(BatsuPicturePath).convertToFormat(QImage::Format_RGB32);
}

// The hint arrow of imgArrow, 22x22: white on black, pointing to its top-left corner, to be XORed
// onto the plane, where it shows black on white and goes away when copied a second time.
inline QImage HintArrowPicture() {
    return QImage(HintArrowPicturePath).convertToFormat(QImage::Format_RGB32);
}
