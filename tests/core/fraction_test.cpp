// Exact arithmetic: greatest common divisors, ratios, fraction and term texts, values on lines.
#include <gtest/gtest.h>

#include "fraction.h"

namespace {

TLineSpec Line(LatticePoint p1, LatticePoint p2) {
    TLineSpec g;
    g.P1 = p1;
    g.P2 = p2;
    return g;
}

TEST(Fraction, GcdAndReduceRatio) {
    EXPECT_EQ(Gcd(0, 5), 0);
    EXPECT_EQ(Gcd(5, 0), 0);
    EXPECT_EQ(Gcd(-12, 18), 6);
    EXPECT_EQ(Gcd(7, -7), 7);
    struct Row {
        int a, b, p, q;
    } rows[] = {
        {6, 4, 3, 2}, {-6, 4, -3, 2}, {5, 1, 5, 1}, {5, 0, 5, 0}, {0, 7, 0, 0}, {4, -6, 2, -3},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ReduceRatio(r.a, r.b), std::make_pair(r.p, r.q)) << r.a << "," << r.b;
    }
}

TEST(Fraction, MakeFractionReducesAndKeepsSigns) {
    const Fraction f = MakeFraction(4, -6);
    EXPECT_EQ(f.Numerator, 2);
    EXPECT_EQ(f.Denominator, -3);
    const Fraction z = MakeFraction(0, 5);  // no common divisor with 0: left as it is
    EXPECT_EQ(z.Numerator, 0);
    EXPECT_EQ(z.Denominator, 5);
    EXPECT_TRUE(SameFraction(MakeFraction(3, 1), MakeTerm(3, 'x', 1)));
}

TEST(Fraction, Texts) {
    struct Row {
        Fraction f;
        const char* text;
    } rows[] = {
        {{3, '/', 1}, "3"},     {{1, '/', -2}, "-1/2"}, {{0, '/', 5}, "0"},   {{4, '/', 0}, " "},
        {{-3, '/', 4}, "-3/4"}, {{-3, '/', -2}, "3/2"}, {{-7, '/', 1}, "-7"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FractionText(r.f), QString::fromUtf8(r.text));
    }
}

TEST(Fraction, TermTexts) {
    struct Row {
        int c;
        char letter;
        bool first;
        const char* text;
    } rows[] = {
        {1, 'x', true, "x"},   {1, 'y', false, "+y"},  {-1, 'y', false, "-y"},
        {-1, 'x', true, "-x"}, {2, 'y', false, "+2y"}, {-3, 'x', true, "-3x"},
        {0, 'y', false, ""},   {2, 'x', true, "2x"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(TermText(MakeTerm(r.c, r.letter, 1), r.first), QString::fromUtf8(r.text))
            << r.c << r.letter;
    }
    EXPECT_EQ(TermText(MakeRatio(1, 2), true), "1/2");
}

TEST(Fraction, ValuesOnLines) {
    const TLineSpec g = Line({1, 1}, {3, 2});
    EXPECT_EQ(FractionText(LineYAt(g, 2)), "3/2");
    const Fraction at3 = LineYAt(g, 3);
    EXPECT_EQ(at3.Numerator, 2);
    EXPECT_EQ(at3.Denominator, 1);
    EXPECT_DOUBLE_EQ(LineYReal(g, 2), 1.5);

    const Fraction reversed = LineYAt(Line({3, 2}, {1, 1}), 2);
    EXPECT_EQ(reversed.Numerator, -3);
    EXPECT_EQ(reversed.Denominator, -2);
    EXPECT_EQ(FractionText(reversed), "3/2");

    TLineSpec vertical = Line({2, 0}, {2, 5});
    vertical.D1 = {2, 4};
    EXPECT_EQ(FractionText(LineYAt(vertical, 2)), "4");
    EXPECT_DOUBLE_EQ(LineYReal(vertical, 2), 0.0);
    EXPECT_DOUBLE_EQ(LineYReal(vertical, 7), 5.0);
    EXPECT_EQ(FractionText(LineYAt(Line({0, 3}, {4, 3}), 9)), "3");

    // A point at x = 5 placed with circle radius 5 lists its own y, not that of a vertical line.
    TLineSpec point = Line({5, -3}, {5, 99});
    point.Kind = GraphKind::Point;
    EXPECT_FALSE(IsVertical(point));
    EXPECT_EQ(FractionText(LineYAt(point, 5)), "-3");
    EXPECT_DOUBLE_EQ(LineYReal(point, 5), -3.0);
}

}  // namespace
