// Laying out and painting worksheets.
#include "worksheet.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "disp_all_line.h"
#include "equation_text.h"
#include "fonts.h"
#include "page_surface.h"
#include "panel_text.h"
#include "plane_geometry.h"
#include "value_table.h"
#include "value_table_columns.h"

namespace {

// Sizes on the page, in canvas pixels (WorksheetPixelMm each).
constexpr int HeaderHeight = 52;
constexpr int RuleY = 40;
constexpr int FooterHeight = 24;
constexpr int ColumnGap = 24;
constexpr int CardGap = 16;
constexpr int CardHeaderHeight = 30;
constexpr int CaptionHeight = 16;
constexpr int BoxGap = 10;
constexpr int RowGap = 6;
constexpr int FormulaHeight = 63;  // three typesetter rows, as the side panels
constexpr int BadgeRadius = 11;
constexpr int TagRadius = 9;  // of a graph's number on the plane, in the plane's pixels
constexpr int TableHeight = 57;
constexpr int MaxTableColumns = 8;  // the header and seven values: -3 … 3 for a line

// The smallest boxes. The students' copy leaves room for handwriting, which is larger than type.
struct BoxSizes {
    int formula;
    int domain;
    int slope;
    qreal tableScale;
};
constexpr BoxSizes PrintedSizes{150, 110, 61, 1.0};
constexpr BoxSizes HandwritingSizes{240, 160, 80, 1.3};

const QColor CaptionColour(96, 96, 96);
const QColor RuleColour(128, 128, 128);

QFont PixelFont(const QString& name, int pixels) {
    QFont font(name);
    font.setPixelSize(pixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool Numbered(const TLineSpec& g) {
    switch (g.Kind) {
        case GraphKind::Line:
        case GraphKind::Segment:
        case GraphKind::Ray:
        case GraphKind::Point:
            return true;
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return false;
}

QSize TypesetSize(const QString& text) {
    PageSurface measure(nullptr);
    TypesetState typeset;
    TypesetFormula(measure, text, false, Black, typeset);
    const QRectF extent = measure.extent();
    return QSize(int(std::ceil(extent.right())), int(std::ceil(extent.bottom())));
}

WorksheetBox FormulaBox(const QString& caption, const QString& text, int minWidth) {
    WorksheetBox box;
    box.caption = caption;
    box.text = text;
    const QSize typeset = TypesetSize(text);
    // A little more room right of the text than the typesetter leaves left of it: an advance
    // ends where the glyph's side bearing does, which looks tighter than the same gap before it.
    box.rect.setSize(QSize(std::max(minWidth, typeset.width() + PanelColumnWidth + 4),
                           std::max(FormulaHeight, typeset.height() + 3)));
    return box;
}

QSize TableBoxSize(int columns, qreal scale) {
    const QSizeF size = QSizeF(ValueColumnPitch * columns + 1, TableHeight) * scale;
    return QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
}

// The boxes of one graph in reading order, sized but not yet placed.
std::vector<WorksheetBox> CardBoxes(const TLineSpec& g, const BoxSizes& sizes) {
    std::vector<WorksheetBox> boxes;
    if (g.Kind == GraphKind::Point) {
        boxes.push_back(FormulaBox(QStringLiteral("点の座標"),
                                   EquationText(g, EquationForm::Standard), sizes.formula));
    } else {
        boxes.push_back(FormulaBox(QStringLiteral("y=ax+bの形"),
                                   EquationText(g, EquationForm::Standard), sizes.formula));
        boxes.push_back(FormulaBox(QStringLiteral("ax+by=cの形"),
                                   EquationText(g, EquationForm::General), sizes.formula));
        // Slope and intercept beside the equations they belong to; vertical and horizontal
        // graphs have no slope and intercept panels in the program.
        const SlopeInterceptTexts slope = SlopeAndInterceptTexts(g);
        if (!slope.slope.isEmpty() || !slope.intercept.isEmpty()) {
            boxes.push_back(FormulaBox(QStringLiteral("傾き"), slope.slope, sizes.slope));
            boxes.push_back(FormulaBox(QStringLiteral("切片"), slope.intercept, sizes.slope));
        }
        boxes.push_back(FormulaBox(QStringLiteral("xの変域"), XDomainText(g), sizes.domain));
        boxes.push_back(FormulaBox(QStringLiteral("yの変域"), YDomainText(g), sizes.domain));
    }
    const size_t values = ValueTableXs(g, MaxTableColumns).size();
    if (values > 0) {
        WorksheetBox table;
        table.caption = QStringLiteral("関数の表");
        table.table = true;
        table.tableColumns = int(values) + 1;
        table.scale = sizes.tableScale;
        table.rect.setSize(TableBoxSize(table.tableColumns, table.scale));
        boxes.push_back(table);
    }
    return boxes;
}

// Places the boxes left to right in rows of the card's width; returns the card's height.
int FlowBoxes(std::vector<WorksheetBox>& boxes, int width) {
    int x = 0;
    int y = CardHeaderHeight;
    int rowHeight = 0;
    for (WorksheetBox& box : boxes) {
        if (x > 0 && x + box.rect.width() > width) {
            y += rowHeight + RowGap;
            x = 0;
            rowHeight = 0;
        }
        box.rect.moveTo(x, y + CaptionHeight);
        x += box.rect.width() + BoxGap;
        rowHeight = std::max(rowHeight, CaptionHeight + box.rect.height());
    }
    return y + rowHeight;
}

struct PageFrame {
    int bodyTop = HeaderHeight;
    int bodyBottom = 0;
    int columnWidth = 0;
    int columnLeft(int column) const { return column * (columnWidth + ColumnGap); }
};

PageFrame FrameOf(QSize content) {
    PageFrame f;
    f.bodyBottom = content.height() - FooterHeight;
    f.columnWidth = (content.width() - ColumnGap) / 2;
    return f;
}

// The plane's picture fitted into the left column's width and as high as wide at most.
QRect PlaneRect(const WorksheetUnit& unit, const PageFrame& frame) {
    const PlaneGeometryResult result = ComputePlaneGeometry(unit.settings, unit.defaultPlaneSize);
    if (!result.ok() || result.geometry.sizeX < 1 || result.geometry.sizeY < 1) {
        return {};
    }
    const qreal scale = std::min(qreal(frame.columnWidth) / result.geometry.sizeX,
                                 qreal(frame.columnWidth) / result.geometry.sizeY);
    return QRect(0, frame.bodyTop, int(result.geometry.sizeX * scale),
                 int(result.geometry.sizeY * scale));
}

// The bottom of cards [from, to) stacked from top, or none when they overrun the bottom; a card
// taller than a whole column still fits alone at the top of one.
std::optional<int> StackBottom(const std::vector<WorksheetCard>& cards, size_t from, size_t to,
                               int top, const PageFrame& frame) {
    int y = top;
    for (size_t i = from; i < to; ++i) {
        const int bottom = y + cards[i].rect.height();
        if (bottom > frame.bodyBottom && !(y == frame.bodyTop && i == from)) {
            return std::nullopt;
        }
        y = bottom + CardGap;
    }
    return y - CardGap;
}

// Puts the page's cards into the two columns so that their bottoms come out as even as they
// can; a page that is not full no longer leaves one column empty.
void PlaceInColumns(std::vector<WorksheetCard>& cards, int leftTop, const PageFrame& frame) {
    size_t bestSplit = cards.size();
    int bestBottom = std::numeric_limits<int>::max();
    for (size_t split = cards.size() + 1; split-- > 0;) {
        const auto left = StackBottom(cards, 0, split, leftTop, frame);
        const auto right = StackBottom(cards, split, cards.size(), frame.bodyTop, frame);
        if (left && right && std::max(*left, *right) < bestBottom) {
            bestBottom = std::max(*left, *right);
            bestSplit = split;
        }
    }
    int y = leftTop;
    for (size_t i = 0; i < cards.size(); ++i) {
        if (i == bestSplit) {
            y = frame.bodyTop;
        }
        cards[i].rect.moveTo(frame.columnLeft(i < bestSplit ? 0 : 1), y);
        y += cards[i].rect.height() + CardGap;
    }
}

// On the students' copy every box of a kind is as large as the largest, tables included: the
// boxes look alike from graph to graph and do not tell how long an answer is.
void MakeBoxesAlike(std::vector<WorksheetCard>& cards) {
    QHash<QString, QSize> largest;
    int columns = 0;
    for (const WorksheetCard& card : cards) {
        for (const WorksheetBox& box : card.boxes) {
            largest[box.caption] = largest.value(box.caption).expandedTo(box.rect.size());
            columns = std::max(columns, box.tableColumns);
        }
    }
    for (WorksheetCard& card : cards) {
        for (WorksheetBox& box : card.boxes) {
            if (box.table) {
                box.tableColumns = columns;
                box.rect.setSize(TableBoxSize(columns, box.scale));
            } else {
                box.rect.setSize(largest.value(box.caption));
            }
        }
    }
}

void PlanUnit(const WorksheetUnit& unit, int unitIndex, bool filled, bool handwriting,
              const PageFrame& frame, std::vector<WorksheetPage>& pages) {
    const BoxSizes& sizes = handwriting ? HandwritingSizes : PrintedSizes;
    std::vector<WorksheetCard> cards;
    for (size_t i = 0; i < unit.graphs.size(); ++i) {
        if (!Numbered(unit.graphs[i])) {
            continue;
        }
        WorksheetCard card;
        card.graph = int(i);
        card.number = int(cards.size()) + 1;
        card.boxes = CardBoxes(unit.graphs[i], sizes);
        cards.push_back(std::move(card));
    }
    if (handwriting) {
        MakeBoxesAlike(cards);
    }
    for (WorksheetCard& card : cards) {
        card.rect.setSize(QSize(frame.columnWidth, FlowBoxes(card.boxes, frame.columnWidth)));
    }

    const size_t first = pages.size();
    size_t next = 0;
    do {
        WorksheetPage page;
        page.unit = unitIndex;
        page.filled = filled;
        if (pages.size() == first) {
            page.planeRect = PlaneRect(unit, frame);
        }
        const int leftTop =
            page.planeRect.isEmpty() ? frame.bodyTop : page.planeRect.bottom() + 1 + CardGap;
        // As many cards as the left column and then the right one take.
        size_t end = next;
        for (const int top : {leftTop, frame.bodyTop}) {
            size_t stop = end;
            while (stop < cards.size() && StackBottom(cards, end, stop + 1, top, frame)) {
                ++stop;
            }
            end = stop;
        }
        page.cards.assign(std::make_move_iterator(cards.begin() + next),
                          std::make_move_iterator(cards.begin() + end));
        PlaceInColumns(page.cards, leftTop, frame);
        pages.push_back(std::move(page));
        next = end;
    } while (next < cards.size());

    const int count = int(pages.size() - first);
    for (int k = 0; k < count; ++k) {
        pages[first + k].pageOfUnit = k + 1;
        pages[first + k].pagesOfUnit = count;
    }
}

// ----- painting -----

void DrawBadge(QPainter& painter, QPointF centre, qreal radius, int number, const QColor& colour) {
    painter.setPen(QPen(colour, radius / 5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    const QString text = QString::number(number);
    const int pixels = int(radius * (text.size() > 2 ? 0.85 : text.size() > 1 ? 1.05 : 1.25));
    painter.setFont(PixelFont(PlainFontName, std::max(1, pixels)));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                     Qt::AlignCenter, text);
}

// Text with its top-left corner at the point.
void TextAt(QPainter& painter, const QFont& font, QPointF topLeft, const QString& text,
            const QColor& colour) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(topLeft + QPointF(0, QFontMetricsF(font).ascent()), text);
}

void DrawHeader(QPainter& painter, const WorksheetUnit& unit, const WorksheetPage& page,
                bool answerPage, int width) {
    qreal left = 0;
    if (answerPage) {
        // The teacher's pages must never be taken for the students' ones.
        const QFont tagFont = PixelFont(PlainFontName, 20);
        const QString tag = QStringLiteral("解答");
        const qreal tagWidth = QFontMetricsF(tagFont).horizontalAdvance(tag) + 12;
        painter.setPen(QPen(QColor(200, 0, 0), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(1, 4, tagWidth, 28));
        TextAt(painter, tagFont, QPointF(7, 8), tag, QColor(200, 0, 0));
        left = tagWidth + 12;
    }
    const QFont titleFont = PixelFont(PlainFontName, 26);
    const QFont smallFont = PixelFont(PlainFontName, 13);
    const qreal right = page.filled ? width * 0.7 : width - 400;
    const QString title = QFontMetricsF(titleFont).elidedText(unit.title, Qt::ElideRight,
                                                              std::max<qreal>(40, right - left));
    TextAt(painter, titleFont, QPointF(left, 4), title, Qt::black);
    if (page.filled) {
        const QString name = QFontMetricsF(smallFont).elidedText(
            QFileInfo(unit.fileName).fileName(), Qt::ElideMiddle, width - right - 10);
        const qreal nameWidth = QFontMetricsF(smallFont).horizontalAdvance(name);
        TextAt(painter, smallFont, QPointF(width - nameWidth, 18), name, CaptionColour);
    } else {
        // Where a student writes class, number and name, each over a rule.
        const QFont formFont = PixelFont(PlainFontName, 16);
        const std::pair<int, const char*> fields[] = {{40, "年"}, {40, "組"}, {40, "番"}};
        qreal x = width - 390;
        painter.setPen(QPen(Qt::black, 1));
        for (const auto& [room, word] : fields) {
            x += room;
            TextAt(painter, formFont, QPointF(x, 14), QString::fromUtf8(word), Qt::black);
            x += 20;
        }
        x += 16;
        TextAt(painter, formFont, QPointF(x, 14), QStringLiteral("名前"), Qt::black);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(QPointF(width - 390, 34), QPointF(width, 34));
    }
    painter.setPen(QPen(RuleColour, 1.5));
    painter.drawLine(QPointF(0, RuleY + 2), QPointF(width, RuleY + 2));
}

void DrawFooter(QPainter& painter, const WorksheetPage& page, QSize content) {
    const QFont font = PixelFont(PlainFontName, 12);
    const QString text = QStringLiteral("%1 / %2").arg(page.pageOfUnit).arg(page.pagesOfUnit);
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    TextAt(painter, font, QPointF((content.width() - width) / 2, content.height() - 14), text,
           CaptionColour);
}

void DrawBox(QPainter& painter, const WorksheetBox& box, const TLineSpec& g, bool filled) {
    TextAt(painter, PixelFont(PlainFontName, 12), QPointF(box.rect.left(), box.rect.top() - 15),
           box.caption, CaptionColour);
    painter.save();
    painter.translate(box.rect.topLeft());
    if (box.table) {
        painter.scale(box.scale, box.scale);
        // The table's first grid line falls on the box's left edge.
        painter.translate(-1, 0);
        PageSurface surface(&painter);
        DrawValueTableOn(surface, QSize(ValueColumnPitch * box.tableColumns + 2, TableHeight),
                         filled ? &g : nullptr, true);
    } else if (filled) {
        PageSurface surface(&painter);
        TypesetState typeset;
        TypesetFormula(surface, box.text, false, Black, typeset);
    }
    painter.restore();
    painter.setPen(QPen(RuleColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box.rect).adjusted(0, 0, -1, -1));
}

void DrawCard(QPainter& painter, const WorksheetCard& card, const TLineSpec& g, bool filled) {
    painter.save();
    painter.translate(card.rect.topLeft());
    DrawBadge(painter, QPointF(BadgeRadius + 1, BadgeRadius + 2), BadgeRadius, card.number,
              ColorFromBgr(g.Color));
    const QFont kindFont = PixelFont(PlainFontName, 15);
    const QString kind = KindName(g.Kind);
    TextAt(painter, kindFont, QPointF(2 * BadgeRadius + 10, 5), kind, Qt::black);
    if (filled) {
        // The list text on one line, so that it can be searched for and copied from the page.
        const qreal x = 2 * BadgeRadius + 10 + QFontMetricsF(kindFont).horizontalAdvance(kind) + 14;
        TextAt(painter, PixelFont(PlainFontName, 15), QPointF(x, 5), g.Text, Qt::black);
    }
    for (const WorksheetBox& box : card.boxes) {
        DrawBox(painter, box, g, filled);
    }
    painter.restore();
}

// The part of the line A + t·d inside the rectangle, as a range of t; empty when outside.
std::optional<std::pair<qreal, qreal>> ClipToRect(QPointF a, QPointF d, qreal t0, qreal t1,
                                                  const QRectF& r) {
    const qreal p[] = {-d.x(), d.x(), -d.y(), d.y()};
    const qreal q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return std::nullopt;
            }
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) {
        return std::nullopt;
    }
    return std::make_pair(t0, t1);
}

qreal DistanceToSegment(QPointF p, const QLineF& segment) {
    const QPointF d = segment.p2() - segment.p1();
    const qreal length2 = QPointF::dotProduct(d, d);
    const qreal t =
        length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - segment.p1(), d) / length2, 0.0, 1.0);
    return QLineF(p, segment.p1() + d * t).length();
}

// Where each numbered graph's number goes on the plane, in the plane's pixels: beside the part of
// the graph that shows, away from the other graphs, the axes and the numbers placed before, so
// that a grey printout still tells the graphs apart.
std::vector<std::optional<QPointF>> TagSpots(const PlaneGeometry& geometry,
                                             const std::vector<TLineSpec>& graphs) {
    const QRectF grid(QPointF(geometry.gridLeft, geometry.gridTop),
                      QPointF(geometry.gridRight, geometry.gridBottom));
    const QRectF inside =
        grid.adjusted(TagRadius + 1, TagRadius + 1, -TagRadius - 1, -TagRadius - 1);
    const auto pixel = [&](LatticePoint p) { return QPointF(geometry.RealToPixel(p.X, p.Y)); };

    // What each graph shows of itself, and the places its number may take with their preference:
    // the middle of the visible part first.
    std::vector<std::optional<QLineF>> shown(graphs.size());
    std::vector<std::vector<std::pair<QPointF, qreal>>> candidates(graphs.size());
    for (size_t i = 0; i < graphs.size(); ++i) {
        const TLineSpec& g = graphs[i];
        if (g.Kind == GraphKind::Point) {
            const QPointF centre = pixel(g.P1);
            shown[i] = QLineF(centre, centre);
            const qreal distance = std::max(0, g.P2.X) + TagRadius + 3;
            for (int k = 0; k < 8; ++k) {
                const qreal angle =
                    std::numbers::pi / 4 * (1 - k);  // upper right first, then clockwise
                candidates[i].push_back(
                    {centre + distance * QPointF(std::cos(angle), -std::sin(angle)), -k * 0.5});
            }
            continue;
        }
        if (!HasDirection(g)) {
            continue;
        }
        const QPointF a = pixel(g.P1);
        const QPointF d = pixel(g.P2) - a;
        const qreal length2 = QPointF::dotProduct(d, d);
        if (length2 == 0) {
            continue;
        }
        const auto along = [&](LatticePoint p) {
            return QPointF::dotProduct(pixel(p) - a, d) / length2;
        };
        constexpr qreal Far = 1e9;
        qreal t0 = -Far;
        qreal t1 = Far;
        if (g.Kind == GraphKind::Segment) {
            t0 = std::min(along(g.D1), along(g.D2));
            t1 = std::max(along(g.D1), along(g.D2));
        } else if (g.Kind == GraphKind::Ray) {
            const qreal start = along(g.D1);
            (along(g.D2) >= start ? t0 : t1) = start;
        }
        const auto part = ClipToRect(a, d, t0, t1, grid);
        if (!part) {
            continue;
        }
        shown[i] = QLineF(a + d * part->first, a + d * part->second);
        const QPointF normal = QPointF(-d.y(), d.x()) / std::sqrt(length2);
        for (int k = 1; k <= 9; ++k) {
            const QPointF on = a + d * (part->first + (part->second - part->first) * k / 10);
            for (const int side : {1, -1}) {
                candidates[i].push_back(
                    {on + normal * side * (TagRadius + 4), -std::abs(k - 5) * 2.0});
            }
        }
    }

    // The axes carry the scale numbers.
    const QPointF origin = QPointF(geometry.RealToPixel(0, 0));
    const QLineF axes[] = {QLineF(grid.left(), origin.y(), grid.right(), origin.y()),
                           QLineF(origin.x(), grid.top(), origin.x(), grid.bottom())};
    std::vector<QPointF> placed;
    std::vector<std::optional<QPointF>> spots(graphs.size());
    for (size_t i = 0; i < graphs.size(); ++i) {
        std::optional<QPointF> best;
        qreal bestScore = -std::numeric_limits<qreal>::infinity();
        for (const auto& [spot, preference] : candidates[i]) {
            if (!inside.contains(spot)) {
                continue;
            }
            qreal nearestTag = 80;
            for (const QPointF& other : placed) {
                nearestTag = std::min(nearestTag, QLineF(spot, other).length());
            }
            qreal nearestLine = 24;
            for (size_t j = 0; j < graphs.size(); ++j) {
                if (j != i && shown[j]) {
                    nearestLine = std::min(nearestLine, DistanceToSegment(spot, *shown[j]));
                }
            }
            for (const QLineF& axis : axes) {
                nearestLine = std::min(nearestLine, DistanceToSegment(spot, axis) + 4);
            }
            // A line through the number hides it: that weighs more than crowding.
            const qreal crossing = nearestLine < TagRadius + 1 ? 40 : 0;
            const qreal score = nearestTag + nearestLine * 1.5 - crossing + preference;
            if (score > bestScore) {
                bestScore = score;
                best = spot;
            }
        }
        if (best) {
            placed.push_back(*best);
            spots[i] = best;
        }
    }
    return spots;
}

struct DrawnPlane {
    bool drawn = false;
    QImage image;
    std::vector<std::optional<QPointF>> tags;
};

DrawnPlane DrawUnitPlane(const WorksheetUnit& unit, QStringList& messages) {
    DrawnPlane out;
    CanvasImage plane = MakeCanvasImage(unit.defaultPlaneSize, unit.defaultPlaneSize);
    TypesetState typeset;
    PlaneGeometry geometry;
    const PlaneScene scene{unit.settings, unit.defaultPlaneSize, PlaneVariant::Main};
    const DisplayOptions& options = unit.display;
    const DispAllLineResult result =
        DispAllLine(plane, scene, options, typeset, geometry,
                    std::span<const TLineSpec>(unit.graphs.data(), unit.graphs.size()));
    messages.append(result.messages);
    if (result.planeDrawn) {
        out.drawn = true;
        out.image = plane.image;
        out.tags = TagSpots(geometry, unit.graphs);
    }
    return out;
}

void DrawPlaneWithTags(QPainter& painter, const DrawnPlane& plane, const QRect& rect,
                       const WorksheetUnit& unit) {
    painter.drawImage(QRectF(rect), plane.image);
    const qreal scale = qreal(rect.width()) / plane.image.width();
    int number = 0;
    for (size_t i = 0; i < unit.graphs.size(); ++i) {
        if (!Numbered(unit.graphs[i])) {
            continue;
        }
        ++number;
        if (plane.tags[i]) {
            DrawBadge(painter, QPointF(rect.topLeft()) + *plane.tags[i] * scale, TagRadius * scale,
                      number, ColorFromBgr(unit.graphs[i].Color));
        }
    }
    painter.setPen(QPen(RuleColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(-0.5, -0.5, 0.5, 0.5));
}

}  // namespace

WorksheetUnit WorksheetUnitOf(const GraphFileContent& content, int defaultPlaneSize) {
    WorksheetUnit unit;
    unit.title = content.title();
    unit.fileName = content.fileName;
    unit.settings = content.settings;
    unit.display.EndCircles = content.EndCircles;
    unit.graphs = content.graphs;
    unit.defaultPlaneSize = defaultPlaneSize;
    return unit;
}

QSize A4WorksheetContent() {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return QSize(int((a4.width() - 2 * WorksheetMarginMm) / WorksheetPixelMm),
                 int((a4.height() - 2 * WorksheetMarginMm) / WorksheetPixelMm));
}

std::vector<WorksheetPage> PlanWorksheets(std::span<const WorksheetUnit> units,
                                          const WorksheetOptions& options, QSize content) {
    const PageFrame frame = FrameOf(content);
    std::vector<WorksheetPage> pages;
    for (size_t u = 0; u < units.size(); ++u) {
        PlanUnit(units[u], int(u), !options.blank, options.blank, frame, pages);
    }
    if (options.blank && options.answers) {
        for (size_t u = 0; u < units.size(); ++u) {
            PlanUnit(units[u], int(u), true, true, frame, pages);
        }
    }
    return pages;
}

WorksheetResult DrawWorksheets(QPainter& painter, QPagedPaintDevice& device,
                               std::span<const WorksheetUnit> units,
                               const WorksheetOptions& options) {
    WorksheetResult result;
    const qreal perPixel = device.logicalDpiX() * WorksheetPixelMm / 25.4;
    const QMarginsF own = device.pageLayout().margins(QPageLayout::Millimeter);
    const auto extra = [](qreal side) {
        return std::max<qreal>(0, WorksheetMarginMm - side) / WorksheetPixelMm;
    };
    const QMarginsF margins(extra(own.left()), extra(own.top()), extra(own.right()),
                            extra(own.bottom()));
    const QSize content(int(device.width() / perPixel - margins.left() - margins.right()),
                        int(device.height() / perPixel - margins.top() - margins.bottom()));
    const std::vector<WorksheetPage> pages = PlanWorksheets(units, options, content);

    std::vector<std::optional<DrawnPlane>> planes(units.size());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (size_t p = 0; p < pages.size(); ++p) {
        const WorksheetPage& page = pages[p];
        const WorksheetUnit& unit = units[page.unit];
        if (p > 0) {
            device.newPage();
        }
        painter.save();
        painter.scale(perPixel, perPixel);
        painter.translate(margins.left(), margins.top());
        DrawHeader(painter, unit, page, page.filled && options.blank, content.width());
        if (!page.planeRect.isEmpty() || page.pageOfUnit == 1) {
            if (!planes[page.unit]) {
                planes[page.unit] = DrawUnitPlane(unit, result.messages);
            }
            if (planes[page.unit]->drawn && !page.planeRect.isEmpty()) {
                DrawPlaneWithTags(painter, *planes[page.unit], page.planeRect, unit);
            }
        }
        for (const WorksheetCard& card : page.cards) {
            DrawCard(painter, card, unit.graphs[card.graph], page.filled);
        }
        DrawFooter(painter, page, content);
        painter.restore();
        ++result.pages;
    }
    painter.restore();
    return result;
}
