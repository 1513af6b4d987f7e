// Date and time texts.
#include <gtest/gtest.h>

#include "date_text.h"

namespace {

TEST(DateText, TwoDigitsAndFormats) {
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(10), "10");
    EXPECT_EQ(TwoDigits(2024), "2024");
    const QDate date(2024, 11, 5);
    const QTime time(9, 5, 7);
    EXPECT_EQ(DateTextKanji(date), QStringLiteral("2024年11月05日"));
    EXPECT_EQ(DateTextDots(date), "2024.11.05");
    EXPECT_EQ(TimeTextSlashes(time), "09/05/07");
    EXPECT_EQ(TimeTextColon(time), "09:05");
    EXPECT_EQ(TimeTextColon(QTime(23, 59)), "23:59");
}

}  // namespace
