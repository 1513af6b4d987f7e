// The x values of the table of values.
#include "value_table_columns.h"

#include <utility>

namespace {

// The whole numbers from a to b (either may be the larger), as many as the columns hold.
std::vector<int> XsBetween(int a, int b, int columns) {
    if (b < a) {
        std::swap(a, b);
    }
    std::vector<int> xs;
    for (long long x = a; x <= b && int(xs.size()) < columns - 1; ++x) {
        xs.push_back(int(x));
    }
    return xs;
}

}  // namespace

std::vector<int> ValueTableXs(const TLineSpec& g, int columns) {
    // y is no function of x on a vertical graph: its table stays empty.
    if (IsVertical(g)) {
        return {};
    }
    switch (g.Kind) {
        case GraphKind::Line: {
            const int b = (columns - 2) / 2;
            return XsBetween(-b, b, columns);
        }
        case GraphKind::Segment:
            return XsBetween(g.D1.X, g.D2.X, columns);
        case GraphKind::Ray:
            // A ray running right lists the values from its start on; one running left the
            // values that end at its start.
            if (RayRunsRight(g)) {
                return XsBetween(g.D1.X, 99, columns);
            }
            return XsBetween(g.D1.X + 2 - columns, g.D1.X, columns);
        case GraphKind::Point:
            return XsBetween(g.P1.X, g.P1.X, columns);
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return {};
}
