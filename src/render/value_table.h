// The table of values of the current graph: a header column with x and y, then one 35-pixel
// column per whole x with the exact y beneath it, fractions stacked.
#pragma once

#include <QSize>
#include <QString>

#include "classic_pen.h"
#include "line_spec.h"
#include "value_table_columns.h"

constexpr int ValueTableFontSize = 9;  // the table canvas's own font size, in points

// C: the number of 35-pixel columns of the image, the header column included.
int ValueTableColumns(const QImage& table);

// The empty table: grid and header letters.
void ClearValueTable(CanvasImage& table);

// The table for the graph, or the empty table for none; showY off leaves the y row empty.
void DrawValueTable(CanvasImage& table, const TLineSpec* graph, bool showY);

// The same table (grid, header letters and the graph's columns, none for nullptr) on a surface
// of the given size that is already white: the table of a printed page.
void DrawValueTableOn(TextSurface& surface, QSize size, const TLineSpec* graph, bool showY);

// The column for x in table column k.
void ValueColumn(TextSurface& canvas, int x, int k, const TLineSpec& graph, bool showY,
                 int rowHeight);

// top over bottom with a bar, or top alone when bottom is empty; returns the width in
// characters.
int StackedFraction(TextSurface& canvas, const QString& top, const QString& bottom, int y, int x);
