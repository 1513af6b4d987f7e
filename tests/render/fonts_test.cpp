// A font made by the installed family draws what the system's name draws through its substitute.
#include <gtest/gtest.h>

#include <QPainter>
#include <vector>

#include "fonts.h"

TEST(Fonts, InstalledFamilyDrawsAsTheSystemsName) {
    for (const QString& name : {PlainFontName, FixedFontName, LetterFontName}) {
        QFont byName = CanvasFont(name, 14, name == LetterFontName);
        byName.setFamily(name);
        std::vector<QImage> drawn;
        for (const QFont& font : {CanvasFont(name, 14, name == LetterFontName), byName}) {
            QImage& image = drawn.emplace_back(160, 30, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(font);
            painter.drawText(2, 24, QStringLiteral("直線 xy=-3/7"));
        }
        EXPECT_EQ(drawn[0], drawn[1]) << name.toStdString();
    }
}
