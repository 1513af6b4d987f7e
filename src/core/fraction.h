// Exact arithmetic for lines through lattice points: every slope, intercept and value the
// program prints is a fraction of whole numbers, carried in a Fraction.
#pragma once

#include <QString>
#include <cstdint>
#include <utility>

#include "line_spec.h"

// A plain fraction (Symbol '/') or a term: a coefficient times the letter in Symbol ('x', 'y').
struct Fraction {
    int32_t Numerator = 0;
    char Symbol = '/';
    int32_t Denominator = 1;  // may be negative or 0 after some operations
};

int32_t Gcd(int32_t a, int32_t b);  // 0 when either is 0; otherwise positive
std::pair<int32_t, int32_t> ReduceRatio(int32_t a, int32_t b);
Fraction MakeFraction(int32_t n, int32_t d);
Fraction MakeRatio(int32_t n, int32_t d);
Fraction MakeTerm(int32_t coefficient, char letter, int32_t d);
bool SameFraction(const Fraction& f, const Fraction& g);
QString FractionText(const Fraction& f);
QString TermText(const Fraction& term, bool first);

// The exact y of a graph at a whole x, and the same as a real number.
Fraction LineYAt(const TLineSpec& g, int32_t x);
double LineYReal(const TLineSpec& g, int32_t x);
