// The x values of the table of values.
#include "value_table_columns.h"

#include <utility>

std::vector<int> ValueTableXs(const TLineSpec& g, int columns) {
    // y is no function of x on a vertical graph: its table stays empty.
    if (IsVertical(g)) {
        return {};
    }
    int a = 0;
    int b = 0;
    switch (g.Kind) {
        case KindLine:
            b = (columns - 2) / 2;
            a = -b;
            break;
        case KindSegment:
            a = g.D1.X;
            b = g.D2.X;
            break;
        case KindRay:
            // A ray running right lists the values from its start on; one running left the
            // values that end at its start.
            if (RayRunsRight(g)) {
                a = g.D1.X;
                b = 99;
            } else {
                a = g.D1.X + 2 - columns;
                b = g.D1.X;
            }
            break;
        case KindPoint:
            a = b = g.P1.X;
            break;
        default:
            return {};
    }
    if (b < a) {
        std::swap(a, b);
    }
    std::vector<int> xs;
    for (long long x = a; x <= b && int(xs.size()) < columns - 1; ++x) {
        xs.push_back(int(x));
    }
    return xs;
}
