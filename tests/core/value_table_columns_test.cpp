// The x values listed by the table of values.
#include <gtest/gtest.h>

#include <numeric>

#include "value_table_columns.h"

namespace {

std::vector<int> Range(int from, int to) {
    std::vector<int> v(to - from + 1);
    std::iota(v.begin(), v.end(), from);
    return v;
}

TEST(ValueTable, ListsTheColumnsOfEachKind) {
    auto graph = [](GraphKind kind, LatticePoint p1, LatticePoint d1, LatticePoint d2) {
        TLineSpec g;
        g.Kind = kind;
        g.P1 = p1;
        g.P2 = {p1.X + 2, p1.Y + 1};
        g.D1 = d1;
        g.D2 = d2;
        return g;
    };
    // y is no function of x on x = 2, so its table lists nothing.
    auto vertical = [&](GraphKind kind) {
        TLineSpec g = graph(kind, {2, -1}, {2, 1}, {2, 4});
        g.P2 = {2, 3};
        return g;
    };
    auto point = [&](int x) {
        TLineSpec g = graph(GraphKind::Point, {x, 4}, {}, {});
        g.P2 = {5, 99};
        return g;
    };
    struct Row {
        TLineSpec g;
        int columns;
        std::vector<int> xs;
    } rows[] = {
        {graph(GraphKind::Line, {1, 1}, {}, {}), 10, Range(-4, 4)},
        {graph(GraphKind::Line, {1, 1}, {}, {}), 28, Range(-13, 13)},
        {graph(GraphKind::Segment, {0, 0}, {3, 0}, {-2, 0}), 10, Range(-2, 3)},
        {graph(GraphKind::Segment, {0, 0}, {-20, 0}, {20, 0}), 10, Range(-20, -12)},
        {graph(GraphKind::Ray, {0, 0}, {2, 1}, {-1, 0}), 10, Range(-6, 2)},
        {graph(GraphKind::Ray, {0, 0}, {2, 1}, {5, 3}), 10, Range(2, 10)},
        {graph(GraphKind::Ray, {0, 0}, {2, 1}, {2, 9}), 10, Range(-6, 2)},  // same x: runs left
        {graph(GraphKind::Point, {-3, 2}, {}, {}), 10, {-3}},
        {vertical(GraphKind::Line), 10, {}},
        {vertical(GraphKind::Segment), 10, {}},
        {vertical(GraphKind::Ray), 10, {}},
        {point(5), 10, {5}},  // a point's P2 = (radius, 99) never makes it vertical
        {graph(GraphKind::Label, {1, 1}, {}, {}), 10, {}},
        {graph(GraphKind::None, {1, 1}, {}, {}), 10, {}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ValueTableXs(r.g, r.columns), r.xs) << KindNumber(r.g.Kind);
    }
}

}  // namespace
