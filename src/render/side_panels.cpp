// Filling and clearing the side panels.
#include "side_panels.h"

#include "equation_text.h"
#include "value_table.h"

SidePanels MakeSidePanels(int tableWidth) {
    SidePanels p;
    p.formula = MakeCanvasImage(337, 65);
    p.xDomain = MakeCanvasImage(217, 65);
    p.yRange = MakeCanvasImage(217, 65);
    p.slope = MakeCanvasImage(61, 65);
    p.intercept = MakeCanvasImage(61, 65);
    p.valueTable = MakeCanvasImage(tableWidth, 57);
    return p;
}

void WriteXDomainPanel(CanvasImage& panel, const TLineSpec& graph, const DisplayOptions& options,
                       TypesetState& typeset) {
    WriteFormulaText(panel, XDomainText(graph), false, options.PanelBackColour,
                     options.PanelTextColour, typeset);
}

void WriteYRangePanel(CanvasImage& panel, const TLineSpec& graph, const DisplayOptions& options,
                      TypesetState& typeset) {
    WriteFormulaText(panel, HasDirection(graph) ? YDomainText(graph) : QString(), false,
                     options.PanelBackColour, options.PanelTextColour, typeset);
}

void WriteSlopePanels(CanvasImage& katamuki, CanvasImage& seppen, const TLineSpec& graph,
                      const DisplayOptions& options, TypesetState& typeset) {
    const SlopeInterceptTexts texts = SlopeAndInterceptTexts(graph);
    WriteFormulaText(katamuki, texts.slope, false, options.PanelBackColour, options.PanelTextColour,
                     typeset);
    WriteFormulaText(seppen, texts.intercept, false, options.PanelBackColour,
                     options.PanelTextColour, typeset);
}

void ClearAllPanels(SidePanels& panels, const DisplayOptions& options) {
    for (CanvasImage* panel :
         {&panels.formula, &panels.slope, &panels.intercept, &panels.xDomain, &panels.yRange}) {
        ClearPanel(*panel, options.PanelBackColour, options.PanelTextColour);
    }
    ClearValueTable(panels.valueTable);
}

void RefreshPanels(SidePanels& panels, const TLineSpec* current, const DisplayOptions& options,
                   TypesetState& typeset) {
    if (current == nullptr) {
        ClearAllPanels(panels, options);
        return;
    }
    if (options.FormulaPanels) {
        WriteFormulaPanel(panels.formula, *current, options.PanelBackColour,
                          options.PanelTextColour, typeset);
    }
    if (options.SlopePanels) {
        WriteSlopePanels(panels.slope, panels.intercept, *current, options, typeset);
    }
    DrawValueTable(panels.valueTable, current, options.TableYRow);
    if (options.FormulaPanels) {
        WriteXDomainPanel(panels.xDomain, *current, options, typeset);
    }
    if (options.RangePanel) {
        WriteYRangePanel(panels.yRange, *current, options, typeset);
    }
}
