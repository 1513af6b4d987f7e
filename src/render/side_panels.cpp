// Filling and clearing the side panels.
#include "side_panels.h"

#include "equation_text.h"
#include "value_table.h"

SidePanels MakeSidePanels(int tableWidth) {
    SidePanels p;
    p.imgShiki = MakeCanvasImage(337, 65);
    p.imgHenikiX = MakeCanvasImage(217, 65);
    p.imgHenikiY = MakeCanvasImage(217, 65);
    p.imgkatamuki = MakeCanvasImage(61, 65);
    p.imgSeppen = MakeCanvasImage(61, 65);
    p.imgTable = MakeCanvasImage(tableWidth, 57);
    return p;
}

void WriteXDomainPanel(CanvasImage& panel, const TLineSpec& graph, const DisplayOptions& options,
                       TypesetState& typeset) {
    WriteFormulaText(panel, XDomainText(graph), false, options.PanelBackColour,
                     options.PanelTextColour, typeset);
}

void WriteYRangePanel(CanvasImage& panel, const TLineSpec& graph, const DisplayOptions& options,
                      TypesetState& typeset) {
    const bool hasRange =
        graph.Kind == KindLine || graph.Kind == KindSegment || graph.Kind == KindRay;
    WriteFormulaText(panel, hasRange ? YDomainText(graph) : QString(), false,
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
    for (CanvasImage* panel : {&panels.imgShiki, &panels.imgkatamuki, &panels.imgSeppen,
                               &panels.imgHenikiX, &panels.imgHenikiY}) {
        ClearPanel(*panel, options.PanelBackColour, options.PanelTextColour);
    }
    ClearValueTable(panels.imgTable);
}

void RefreshPanels(SidePanels& panels, const TLineSpec* current, const DisplayOptions& options,
                   TypesetState& typeset) {
    if (current == nullptr) {
        ClearAllPanels(panels, options);
        return;
    }
    if (options.chkShiki) {
        WriteFormulaPanel(panels.imgShiki, *current, options.PanelBackColour,
                          options.PanelTextColour, typeset);
    }
    if (options.chkKatamuki) {
        WriteSlopePanels(panels.imgkatamuki, panels.imgSeppen, *current, options, typeset);
    }
    DrawValueTable(panels.imgTable, current, options.chkDataTable);
    if (options.chkShiki) {
        WriteXDomainPanel(panels.imgHenikiX, *current, options, typeset);
    }
    if (options.chkHeniki) {
        WriteYRangePanel(panels.imgHenikiY, *current, options, typeset);
    }
}
