// The small typesetter of the formula panels: fractions stacked over a bar, letters in an italic
// serif font, digits and relation signs in the plain font, on 8-pixel columns and three rows.
#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

#include "classic_pen.h"
#include "line_spec.h"

// Row height of the typesetter: 20 with the plain font, 15 after a letter font was selected
// (the plane's axis letters select one too). Kept by the window and handed to every call.
struct TypesetState {
    int32_t PanelLineHeight = 20;
};

constexpr int PanelColumnWidth = 8;
constexpr int PanelFontSize = 14;

// A new bitmap of the image's size filled with the colour; the brush takes the colour and the
// font colour becomes the panel text colour. Pen and font are kept.
void ClearPanel(CanvasImage& image, int32_t color, int32_t panelTextColour);

// Letters "A" to "z" get the italic letter font (18 pt for "x", 14 pt otherwise) and row height
// 15; any other character gets the plain 14 pt font and row height 20.
void SelectLetterFont(TextSurface& canvas, QChar ch, TypesetState& typeset);

// Text with its top-left corner at column × 8, row × PanelLineHeight + 1.
void PanelText(TextSurface& canvas, const TypesetState& typeset, int column, int row,
               const QString& text);

// One item at the column: a plain text on row 1 (bottom empty) or a stacked fraction on rows
// 0 to 2. Returns its width in columns, 0 for an empty top.
int PanelItem(TextSurface& canvas, const TypesetState& typeset, const QString& top,
              const QString& bottom, int column);

// Typesets the text in the colour onto a surface whose background is already laid: the panel's
// rules without the clearing, so that a printed page can set a formula as the panel does. A text
// holding "す" ("すべての数") and a plain text are written whole at (8, PanelLineHeight).
void TypesetFormula(TextSurface& surface, const QString& text, bool plain, int32_t textColour,
                    TypesetState& typeset);

// Clears the panel to the background and typesets the text into it. A text holding "す"
// ("すべての数") and a plain text (a label's) are written whole at (8, PanelLineHeight).
void WriteFormulaText(CanvasImage& image, const QString& text, bool plain, int32_t background,
                      int32_t panelTextColour, TypesetState& typeset);

// The graph's Text typeset in the panel; a label's text is written whole.
void WriteFormulaPanel(CanvasImage& image, const TLineSpec& graph, int32_t background,
                       int32_t panelTextColour, TypesetState& typeset);
