// Worksheet pages: which boxes each kind of graph gets, cards that stay on their page, units that
// start new pages, the students' copy with the answers laid out alike, and painting onto a PDF.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "equation_text.h"
#include "worksheet.h"

namespace {

TLineSpec Graph(GraphKind kind, LatticePoint p1, LatticePoint p2, LatticePoint d1 = {},
                LatticePoint d2 = {}) {
    TLineSpec g;
    g.Kind = kind;
    g.P1 = p1;
    g.P2 = p2;
    g.D1 = d1;
    g.D2 = d2;
    g.Color = 0xFF0000;
    g.Text = EquationText(g, EquationForm::Standard);
    return g;
}

WorksheetUnit Unit(const QString& title, std::vector<TLineSpec> graphs) {
    WorksheetUnit unit;
    unit.title = title;
    unit.graphs = std::move(graphs);
    return unit;
}

// n lines with fractional slopes, each different: the densest kind of card.
WorksheetUnit Lines(const QString& title, int n) {
    std::vector<TLineSpec> graphs;
    for (int i = 0; i < n; ++i) {
        graphs.push_back(
            Graph(GraphKind::Line, {i % 7 - 3, i % 5 - 2}, {i % 7 - 1 + i % 3, i % 5 + 1}));
    }
    return Unit(title, graphs);
}

QString Captions(const WorksheetCard& card) {
    QStringList captions;
    for (const WorksheetBox& box : card.boxes) {
        captions.append(box.table ? QStringLiteral("表%1").arg(box.tableColumns) : box.caption);
    }
    return captions.join(u' ');
}

TEST(PlanWorksheets, EveryGraphButALabelGetsACardWithTheBoxesOfItsKind) {
    TLineSpec label = Graph(GraphKind::Label, {1, 1}, {12, -99});
    label.Text = QStringLiteral("ラベル");
    const WorksheetUnit unit =
        Unit(QStringLiteral("t"),
             {Graph(GraphKind::Line, {0, 1}, {2, 2}), label,
              Graph(GraphKind::Segment, {0, 0}, {1, 2}, {-1, -2}, {2, 4}),
              Graph(GraphKind::Point, {2, -3}, {5, 99}),
              Graph(GraphKind::Ray, {1, 2}, {3, 6}, {1, 2}, {3, 6}),
              Graph(GraphKind::Line, {3, 0}, {3, 5}), Graph(GraphKind::Line, {0, 2}, {4, 2})});
    const std::vector<WorksheetPage> pages = PlanWorksheets({&unit, 1}, {}, A4WorksheetContent());
    ASSERT_EQ(pages.size(), 1u);
    const QString full = QStringLiteral("y=ax+bの形 ax+by=cの形 傾き 切片 xの変域 yの変域 ");
    const QString level = QStringLiteral("y=ax+bの形 ax+by=cの形 xの変域 yの変域");
    // Expected: the graph behind each card and its boxes. A line lists -3 … 3, a segment its
    // four whole x, a ray the first seven from its start; a vertical line has no table, and
    // neither it nor a horizontal one a slope or an intercept.
    const std::pair<int, QString> expected[] = {
        {0, full + QStringLiteral("表8")},
        {2, full + QStringLiteral("表5")},
        {3, QStringLiteral("点の座標 表2")},
        {4, full + QStringLiteral("表8")},
        {5, level},
        {6, level + QStringLiteral(" 表8")},
    };
    ASSERT_EQ(pages[0].cards.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pages[0].cards[i].number, int(i) + 1);
        EXPECT_EQ(pages[0].cards[i].graph, expected[i].first);
        EXPECT_EQ(Captions(pages[0].cards[i]), expected[i].second);
    }
    // The boxes hold the texts the panels show.
    const WorksheetCard& segment = pages[0].cards[1];
    EXPECT_EQ(segment.boxes[0].text, QStringLiteral("y=2x (-1≦x≦2)"));
    EXPECT_EQ(segment.boxes[5].text, QStringLiteral("-2≦y≦4"));
}

TEST(PlanWorksheets, CardsStayInTheirColumnsOnAsManyPagesAsTheyNeed) {
    const QSize content = A4WorksheetContent();
    // Given: the number of lines. Expected: pages.
    const std::pair<int, size_t> rows[] = {{0, 1}, {9, 1}, {12, 2}, {100, 8}};
    for (const auto& [count, pageCount] : rows) {
        SCOPED_TRACE(count);
        const WorksheetUnit unit = Lines(QStringLiteral("t"), count);
        const std::vector<WorksheetPage> pages = PlanWorksheets({&unit, 1}, {}, content);
        EXPECT_EQ(pages.size(), pageCount);
        int number = 0;
        for (const WorksheetPage& page : pages) {
            EXPECT_EQ(page.pagesOfUnit, int(pages.size()));
            EXPECT_EQ(page.planeRect.isEmpty(), page.pageOfUnit > 1);
            std::vector<QRect> taken;
            if (!page.planeRect.isEmpty()) {
                taken.push_back(page.planeRect);
            }
            for (const WorksheetCard& card : page.cards) {
                EXPECT_EQ(card.number, ++number);
                EXPECT_TRUE(QRect(QPoint(0, 0), content).contains(card.rect)) << card.number;
                EXPECT_TRUE(card.rect.left() == 0 || card.rect.right() == content.width() - 1 ||
                            card.rect.right() == content.width() - 2)
                    << card.number;
                for (const QRect& other : taken) {
                    EXPECT_FALSE(other.intersects(card.rect)) << card.number;
                }
                for (const WorksheetBox& box : card.boxes) {
                    EXPECT_TRUE(QRect(QPoint(0, 0), card.rect.size()).contains(box.rect));
                }
                taken.push_back(card.rect);
            }
        }
        EXPECT_EQ(number, count);
    }
}

TEST(PlanWorksheets, EachUnitStartsAPageAndTheAnswersFollowAllCopiesLaidOutAlike) {
    const WorksheetUnit units[] = {Lines(QStringLiteral("a"), 3), Lines(QStringLiteral("b"), 5),
                                   Lines(QStringLiteral("c"), 2)};
    const QSize content = A4WorksheetContent();
    std::vector<WorksheetPage> pages = PlanWorksheets(units, {}, content);
    ASSERT_EQ(pages.size(), 3u);
    for (int u = 0; u < 3; ++u) {
        EXPECT_EQ(pages[u].unit, u);
        EXPECT_TRUE(pages[u].filled);
    }

    pages = PlanWorksheets(units, {true, true}, content);
    ASSERT_EQ(pages.size(), 6u);
    for (int p = 0; p < 6; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(pages[p].unit, p % 3);
        EXPECT_EQ(pages[p].filled, p >= 3);
        if (p >= 3) {
            ASSERT_EQ(pages[p].cards.size(), pages[p - 3].cards.size());
            for (size_t c = 0; c < pages[p].cards.size(); ++c) {
                EXPECT_EQ(pages[p].cards[c].rect, pages[p - 3].cards[c].rect);
            }
        }
    }
    // On the copy every equation box is as wide as the widest, whatever its answer.
    const std::vector<WorksheetCard>& cards = pages[1].cards;
    for (const WorksheetCard& card : cards) {
        EXPECT_EQ(card.boxes[0].rect.size(), cards[0].boxes[0].rect.size());
    }
    EXPECT_EQ(PlanWorksheets(units, {true, false}, content).size(), 3u);
}

TEST(DrawWorksheets, PaintsEveryPlannedPageAndSaysWhichPlaneCannotBeDrawn) {
    WorksheetUnit units[] = {Lines(QStringLiteral("a"), 12), Lines(QStringLiteral("b"), 1)};
    units[1].settings.SizeX = QStringLiteral("x");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&pdf);
    const WorksheetResult result = DrawWorksheets(painter, pdf, units, {});
    painter.end();
    EXPECT_EQ(result.pages, 3);
    EXPECT_EQ(result.messages.size(), 1);
    EXPECT_TRUE(result.messages.value(0).contains(u'x'))
        << result.messages.join(u'|').toStdString();
    EXPECT_EQ(buffer.data().count("/Type /Page\n") + buffer.data().count("/Type /Page\r") +
                  buffer.data().count("/Type /Page "),
              3);
}

}  // namespace
