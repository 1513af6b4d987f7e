// Drawing the value table.
#include "value_table.h"

#include <algorithm>

#include "display_options.h"
#include "fonts.h"
#include "fraction.h"
#include "panel_text.h"
#include "sjis_codec.h"

int ValueTableColumns(const QImage& table) {
    return table.width() / ValueColumnPitch;
}

namespace {

void HeaderLetters(TextSurface& canvas) {
    CanvasState& s = canvas.state();
    s.FontName = LetterFontName;
    s.FontItalic = true;
    s.FontColor = Black;
    canvas.TextOut(10, 2, QStringLiteral("x"));
    canvas.TextOut(10, 30, QStringLiteral("y"));
    s.FontName = PlainFontName;
    s.FontItalic = false;
}

void DrawGrid(TextSurface& canvas, int columns, int rowHeight, int height) {
    CanvasState& s = canvas.state();
    s.PenColor = Silver;
    s.PenWidth = 1;
    s.Style = PenStyle::Solid;
    s.Mode = PenMode::Copy;
    for (int i = 0; i <= columns; ++i) {
        const int x = ValueColumnPitch * i + 1;
        canvas.Line(QPoint(x, 0), QPoint(x, height));
    }
    canvas.Line(QPoint(0, rowHeight), QPoint(ValueColumnPitch * columns, rowHeight));
}

}  // namespace

void ClearValueTable(CanvasImage& table) {
    DrawValueTable(table, nullptr, false);
}

void DrawValueTable(CanvasImage& table, const TLineSpec* graph, bool showY) {
    // Every text of the table sets its own colour, so the panel text colour plays no part.
    ClearPanel(table, White, Black);
    ClassicCanvas canvas(table);
    DrawValueTableOn(canvas, table.image.size(), graph, showY);
}

void DrawValueTableOn(TextSurface& surface, QSize size, const TLineSpec* graph, bool showY) {
    surface.state().FontSize = ValueTableFontSize;
    const int columns = size.width() / ValueColumnPitch;
    const int rowHeight = size.height() / 3;
    DrawGrid(surface, columns, rowHeight, size.height());
    HeaderLetters(surface);
    // ValueTableXs says which graphs list values: labels and records of no kind list none.
    if (graph == nullptr) {
        return;
    }
    int k = 1;
    for (int x : ValueTableXs(*graph, columns)) {
        ValueColumn(surface, x, k++, *graph, showY, rowHeight);
    }
}

void ValueColumn(TextSurface& canvas, int x, int k, const TLineSpec& graph, bool showY,
                 int rowHeight) {
    const QString t = FractionText(LineYAt(graph, x));
    const int slash = t.indexOf(u'/');
    canvas.state().FontColor = slash >= 0 ? Black : Blue;
    const int left = ValueColumnPitch * k + 5;
    canvas.TextOut(left, 3, QString::number(x));
    if (showY) {
        const QString top = slash >= 0 ? t.left(slash) : t;
        const QString bottom = slash >= 0 ? t.mid(slash + 1) : QString();
        StackedFraction(canvas, top, bottom, rowHeight + 1, left);
    }
}

int StackedFraction(TextSurface& canvas, const QString& top, const QString& bottom, int y, int x) {
    if (top.isEmpty()) {
        return 0;
    }
    if (bottom.isEmpty()) {
        canvas.TextOut(x, y + 13, top);
        return SjisByteLength(top);
    }
    QString numerator = top;
    if (numerator.startsWith(u'-')) {
        canvas.TextOut(x, y + 17, QStringLiteral("-"));
        numerator.remove(0, 1);
        x += 8;
    }
    const int n = SjisByteLength(numerator);
    const int m = SjisByteLength(bottom);
    const int widest = std::max(n, m);
    CanvasState& s = canvas.state();
    s.PenColor = Black;
    s.PenWidth = 1;
    s.Style = PenStyle::Solid;
    const int barLeft = x + 4 * (widest - n);
    canvas.Line(QPoint(barLeft, y + 20), QPoint(barLeft + 5 * widest, y + 20));
    canvas.TextOut(barLeft, y + 5, numerator);
    canvas.TextOut(x + 4 * (widest - m), y + 24, bottom);
    return widest;
}
