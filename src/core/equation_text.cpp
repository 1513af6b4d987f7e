// Equation, domain and range texts of a graph, character by character as the formula list,
// the side panels and the graph files show them.
#include "equation_text.h"

#include <cstdlib>
#include <optional>

#include "fraction.h"

namespace {

const QString LessEqual = QStringLiteral("≦");
const QString GreaterEqual = QStringLiteral("≧");
const QString Less = QStringLiteral("＜");
const QString Greater = QStringLiteral("＞");

QString Num(int64_t v) {
    return QString::number(v);
}

// " (t)" after an equation, nothing for an unrestricted domain.
QString Wrap(const QString& t) {
    if (t == AllNumbersText) {
        return QString();
    }
    return QStringLiteral(" (") + t + u')';
}

QString PointText(const TLineSpec& g) {
    return QString::asprintf("(%3d,%3d)", g.P1.X, g.P1.Y);
}

// A point and a label stand at a place: their text is the place or the label itself, in either
// form, and they have no equation. Nothing for the kinds that do.
std::optional<QString> PlaceText(const TLineSpec& g) {
    switch (g.Kind) {
        case GraphKind::Point:
            return PointText(g);
        case GraphKind::Label:
            return g.Text;
        case GraphKind::Line:
        case GraphKind::Segment:
        case GraphKind::Ray:
        case GraphKind::None:
            break;
    }
    return std::nullopt;
}

int32_t Abs32(int64_t v) {
    return static_cast<int32_t>(v < 0 ? -v : v);
}

// The operators on both sides of x in a segment's domain, by EndKind.
std::pair<QString, QString> SegmentXOperators(int32_t endKind) {
    switch (endKind) {
        case 0:
            return {LessEqual, LessEqual};
        case 1:
            return {LessEqual, Less};
        case 2:
            return {Less, LessEqual};
        case 3:
            return {Less, Less};
        default:
            return {};
    }
}

// The operators on both sides of y in a segment's range: an included end keeps "≦" on whichever
// side of y it lands, which depends on the sign of the slope.
std::pair<QString, QString> SegmentYOperators(const TLineSpec& g) {
    const int64_t product = (int64_t(g.P2.Y) - g.P1.Y) * (int64_t(g.P2.X) - g.P1.X);
    const bool rising = product >= 0;
    switch (g.EndKind) {
        case 0:
            return {LessEqual, LessEqual};
        case 1:
            return rising ? std::pair{LessEqual, Less} : std::pair{Less, LessEqual};
        case 2:
            return rising ? std::pair{Less, LessEqual} : std::pair{LessEqual, Less};
        case 3:
            return {Less, Less};
        default:
            return {};
    }
}

// The operator of a ray's domain or range: towards larger values when the ray runs that way.
QString RayOperator(int32_t endKind, bool runsUp) {
    switch (endKind) {
        case 0:
            return runsUp ? GreaterEqual : LessEqual;
        case 1:
            return runsUp ? Greater : Less;
        default:
            return QString();
    }
}

// Whether y grows along a ray: a vertical ray by its direction point, any other by its direction
// in x and the sign of its slope.
bool RayRisesInY(const TLineSpec& g) {
    if (IsVertical(g)) {
        return RayRunsUp(g);
    }
    const int64_t product = (int64_t(g.P2.Y) - g.P1.Y) * (int64_t(g.P2.X) - g.P1.X);
    return RayRunsRight(g) == (product > 0);
}

double RealValue(const Fraction& f) {
    return f.Denominator == 0 ? 0.0 : double(f.Numerator) / double(f.Denominator);
}

}  // namespace

QString XDomainText(const TLineSpec& g) {
    switch (g.Kind) {
        case GraphKind::Line:
            return IsVertical(g) ? QStringLiteral("x =") + Num(g.P1.X) : AllNumbersText;
        case GraphKind::Segment: {
            if (IsVertical(g)) {
                return QStringLiteral("x =") + Num(g.P1.X);
            }
            const auto [o1, o2] = SegmentXOperators(g.EndKind);
            const int32_t lo = std::min(g.D1.X, g.D2.X);
            const int32_t hi = std::max(g.D1.X, g.D2.X);
            return Num(lo) + o1 + u'x' + o2 + Num(hi);
        }
        case GraphKind::Ray:
            if (IsVertical(g)) {
                return QStringLiteral("x =") + Num(g.D1.X);
            }
            return QStringLiteral("x") + RayOperator(g.EndKind, RayRunsRight(g)) + Num(g.D1.X);
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return QString();
}

QString YDomainText(const TLineSpec& g) {
    switch (g.Kind) {
        case GraphKind::Line:
            return IsHorizontal(g) ? QStringLiteral("y =") + Num(g.P1.Y) : AllNumbersText;
        case GraphKind::Segment: {
            const auto [o1, o2] = SegmentYOperators(g);
            if (IsVertical(g)) {
                const int32_t lo = std::min(g.D1.Y, g.D2.Y);
                const int32_t hi = std::max(g.D1.Y, g.D2.Y);
                return Num(lo) + o1 + u'y' + o2 + Num(hi);
            }
            if (IsHorizontal(g)) {
                return QStringLiteral("y =") + Num(g.P1.Y);
            }
            const Fraction y1 = LineYAt(g, g.D1.X);
            const Fraction y2 = LineYAt(g, g.D2.X);
            if (RealValue(y1) >= RealValue(y2)) {
                return FractionText(y2) + o1 + u'y' + o2 + FractionText(y1);
            }
            return FractionText(y1) + o1 + u'y' + o2 + FractionText(y2);
        }
        case GraphKind::Ray: {
            const QString start = FractionText(LineYAt(g, g.D1.X));
            if (IsHorizontal(g)) {
                return QStringLiteral(" y = ") + start;
            }
            return QStringLiteral("y") + RayOperator(g.EndKind, RayRisesInY(g)) + start;
        }
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return QString();
}

QString StandardFormText(const TLineSpec& g) {
    if (const std::optional<QString> place = PlaceText(g)) {
        return *place;
    }
    if (IsVertical(g)) {
        return QStringLiteral("x = ") + Num(g.P1.X) + Wrap(YDomainText(g));
    }
    if (IsHorizontal(g)) {
        return QStringLiteral("y =") + Num(g.P1.Y) + Wrap(XDomainText(g));
    }
    const int64_t dx = int64_t(g.P2.X) - g.P1.X;
    const int64_t dy = int64_t(g.P2.Y) - g.P1.Y;
    const QString slopeSign = (dx * dy < 0) ? QStringLiteral("-") : QString();
    const auto [q, p] = ReduceRatio(Abs32(dx), Abs32(dy));
    QString slope;
    if (p != 0) {
        if (q == 1) {
            slope = slopeSign + (p == 1 ? QString() : Num(p)) + u'x';
        } else {
            slope = slopeSign + Num(p) + u'/' + Num(q) + QStringLiteral("･x");
        }
    }
    const int64_t c = dx * g.P1.Y - dy * g.P1.X;  // the intercept is c / dx
    QString interceptSign;
    if (double(c) / double(dx) < 0) {
        interceptSign = QStringLiteral("-");
    } else if (!slope.isEmpty()) {
        interceptSign = QStringLiteral("+");
    }
    const auto [q2, p2] = ReduceRatio(Abs32(dx), Abs32(c));
    QString intercept;
    if (p2 == 0) {
        intercept = slope.isEmpty() ? QStringLiteral("0") : QString();
    } else if (q2 == 1) {
        intercept = interceptSign + Num(p2);
    } else {
        intercept = interceptSign + Num(p2) + u'/' + Num(q2);
    }
    return QStringLiteral("y=") + slope + intercept + Wrap(XDomainText(g));
}

QString GeneralFormText(const TLineSpec& g) {
    if (const std::optional<QString> place = PlaceText(g)) {
        return *place;
    }
    const QString domain = Wrap(XDomainText(g));
    if (IsVertical(g)) {
        return QStringLiteral("x=") + Num(g.P1.X) + domain;
    }
    if (IsHorizontal(g)) {
        return QStringLiteral("y=") + Num(g.P1.Y) + domain;
    }
    // −b·x + a·y = −b·x1 + a·y1, with (a, b) the reduced direction of P1 → P2.
    const auto [a, b] = ReduceRatio(g.P2.X - g.P1.X, g.P2.Y - g.P1.Y);
    const int64_t constant = -int64_t(b) * g.P1.X + int64_t(a) * g.P1.Y;
    return TermText(MakeTerm(-b, 'x', 1), true) + TermText(MakeTerm(a, 'y', 1), false) + u'=' +
           Num(constant) + domain;
}

QString EquationText(const TLineSpec& g, EquationForm form) {
    return form == EquationForm::Standard ? StandardFormText(g) : GeneralFormText(g);
}

SlopeInterceptTexts SlopeAndInterceptTexts(const TLineSpec& g) {
    SlopeInterceptTexts texts;
    const int64_t dx = int64_t(g.P2.X) - g.P1.X;
    if (PlaceText(g).has_value() || dx == 0) {
        return texts;
    }
    const int64_t dy = int64_t(g.P2.Y) - g.P1.Y;
    const QString slopeSign = (double(dy) / double(dx) < 0) ? QStringLiteral("-") : QString();
    const auto [d, n] = ReduceRatio(Abs32(dx), Abs32(dy));
    if (n == 0) {
        return texts;  // a horizontal line is not treated as a linear function here
    }
    if (d == 1) {
        texts.slope = slopeSign + Num(n);
    } else {
        texts.slope = slopeSign + Num(n) + u'/' + Num(d) + QStringLiteral("･");
    }
    const int64_t c = dx * g.P1.Y - dy * g.P1.X;
    const QString interceptSign = (double(c) / double(dx) < 0) ? QStringLiteral("-") : QString();
    const auto [d2, n2] = ReduceRatio(Abs32(dx), Abs32(c));
    if (n2 == 0) {
        texts.intercept = QStringLiteral("0");
    } else if (d2 == 1) {
        texts.intercept = interceptSign + Num(n2);
    } else {
        texts.intercept = interceptSign + Num(n2) + u'/' + Num(d2);
    }
    return texts;
}
