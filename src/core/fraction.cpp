// Exact fractions for lines through two lattice points.
#include "fraction.h"

#include <cstdlib>

int32_t Gcd(int32_t a, int32_t b) {
    if (a == 0 || b == 0) {
        return 0;
    }
    int64_t x = std::llabs(a);
    int64_t y = std::llabs(b);
    while (y != 0) {
        const int64_t r = x % y;
        x = y;
        y = r;
    }
    return static_cast<int32_t>(x);
}

std::pair<int32_t, int32_t> ReduceRatio(int32_t a, int32_t b) {
    if (b == 0 || b == 1) {
        return {a, b};
    }
    const int32_t g = Gcd(a, b);
    if (g > 0) {
        return {a / g, b / g};
    }
    return {0, 0};
}

Fraction MakeFraction(int32_t n, int32_t d) {
    if (d == 0 || d == 1) {
        return {n, '/', d};
    }
    const int32_t g = Gcd(n, d);
    if (g > 0) {
        return {n / g, '/', d / g};
    }
    return {n, '/', d};
}

Fraction MakeRatio(int32_t n, int32_t d) {
    return {n, '/', d};
}

Fraction MakeTerm(int32_t coefficient, char letter, int32_t d) {
    return {coefficient, letter, d};
}

bool SameFraction(const Fraction& f, const Fraction& g) {
    return f.Numerator == g.Numerator && f.Denominator == g.Denominator;
}

QString FractionText(const Fraction& f) {
    int64_t n = f.Numerator;
    int64_t d = f.Denominator;
    if (d == 0) {
        return QStringLiteral(" ");
    }
    if (d < 0) {
        n = -n;
        d = -d;
    }
    if (n == 0) {
        return QStringLiteral("0");
    }
    if (d == 1) {
        return QString::number(n);
    }
    return QString::number(n) + u'/' + QString::number(d);
}

QString TermText(const Fraction& term, bool first) {
    if (term.Symbol == '/') {
        return FractionText(term);
    }
    const QChar letter = QChar::fromLatin1(term.Symbol);
    const int32_t c = term.Numerator;
    if (c == 0) {
        return QString();
    }
    if (c == 1 && term.Denominator == 1) {
        return first ? QString(letter) : QStringLiteral("+") + letter;
    }
    if (c == -1) {
        return QStringLiteral("-") + letter;
    }
    QString text;
    if (c > 0 && !first) {
        text += u'+';
    }
    return text + QString::number(c) + letter;
}

Fraction LineYAt(const TLineSpec& g, int32_t x) {
    if (g.Kind == GraphKind::Point) {
        return MakeRatio(g.P1.Y, 1);
    }
    if (IsVertical(g)) {
        return MakeRatio(g.D1.Y, 1);
    }
    if (IsHorizontal(g)) {
        return MakeRatio(g.P1.Y, 1);
    }
    // y = P1.Y + slope·(x − P1.X) over the common denominator P2.X − P1.X. Coordinates are
    // bounded when files are read, so the 64-bit intermediate always fits back into 32 bits.
    const int64_t dx = int64_t(g.P2.X) - g.P1.X;
    const int64_t dy = int64_t(g.P2.Y) - g.P1.Y;
    const int64_t numerator = dy * (int64_t(x) - g.P1.X) + int64_t(g.P1.Y) * dx;
    return MakeFraction(static_cast<int32_t>(numerator), static_cast<int32_t>(dx));
}

double LineYReal(const TLineSpec& g, int32_t x) {
    if (IsVertical(g)) {
        return x == g.P1.X ? g.P1.Y : g.P2.Y;
    }
    const Fraction f = LineYAt(g, x);
    if (f.Denominator == 0) {
        return 0.0;
    }
    return double(f.Numerator) / double(f.Denominator);
}
