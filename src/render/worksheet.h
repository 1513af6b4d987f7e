// Worksheets of units for a class: a unit's title, its plane as the program draws it, and for
// every graph its number, its list text on one line, both forms of its equation, its domain and
// range, slope, intercept and table of values, typeset as the side panels typeset them. The
// students' copy leaves the answers out and keeps ruled boxes to fill in. One routine lays the
// pages out and paints them on any paged device: the exporter's PDF writer or a printer.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "display_options.h"
#include "graph_file.h"
#include "line_spec.h"
#include "plane_settings.h"

class QPainter;
class QPagedPaintDevice;

// What one unit's worksheet is made of: the drawing as a file holds it.
struct WorksheetUnit {
    QString title;
    QString fileName;
    PlaneSettings settings;
    DisplayOptions display;  // how the plane is drawn; nothing is selected on a worksheet
    std::vector<TLineSpec> graphs;
    int defaultPlaneSize = 544;
};

// The unit as the main window shows a file right after opening it.
WorksheetUnit WorksheetUnitOf(const GraphFileContent& content, int defaultPlaneSize = 544);

struct WorksheetOptions {
    bool blank = false;    // the students' copy: ruled boxes instead of the answers
    bool answers = false;  // with blank: every unit's filled sheet again, after all the copies
};

// The page is laid out in canvas pixels, each this long on paper, so that the panels' fonts and
// fractions keep their proportions; inside a margin on every side.
constexpr double WorksheetPixelMm = 0.17;
constexpr double WorksheetMarginMm = 10;

// One box of a graph's card: a caption above a ruled box that holds a typeset text or a table.
struct WorksheetBox {
    QString caption;
    QString text;  // the formula, typeset only on filled pages
    bool table = false;
    int tableColumns = 0;  // the table's columns, the header column included
    qreal scale = 1;       // of the table, larger on the students' copy for handwriting
    QRect rect;            // in the card
};

struct WorksheetCard {
    int graph = -1;  // index into the unit's graphs
    int number = 0;  // 1, 2, … over the unit's graphs that are not labels
    QRect rect;      // in the page's content box
    std::vector<WorksheetBox> boxes;
};

struct WorksheetPage {
    int unit = 0;
    bool filled = true;  // the answers are shown
    int pageOfUnit = 1;
    int pagesOfUnit = 1;
    QRect planeRect;  // empty on the unit's further pages and when its plane cannot be drawn
    std::vector<WorksheetCard> cards;
};

// The content box of an A4 portrait page, in canvas pixels.
QSize A4WorksheetContent();

// The pages for a content box of the given size: every unit starts on a new page with its title
// and its plane at the top of the left column; the cards follow in two columns, down the left
// one first, onto further pages when they do not fit. With blank and answers, the filled pages
// of every unit follow all the copies, laid out like them.
std::vector<WorksheetPage> PlanWorksheets(std::span<const WorksheetUnit> units,
                                          const WorksheetOptions& options, QSize content);

struct WorksheetResult {
    int pages = 0;
    QStringList messages;  // planes that could not be drawn, one message each
};

// Paints the worksheets onto a painter that is active on the device, beginning a new page of the
// device for every page after the first. The margin is what the device leaves itself, made up to
// WorksheetMarginMm.
WorksheetResult DrawWorksheets(QPainter& painter, QPagedPaintDevice& device,
                               std::span<const WorksheetUnit> units,
                               const WorksheetOptions& options);
