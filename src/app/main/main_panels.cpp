// The side panels of the main window: the current graph's equation, domain, range, slope,
// intercept and value table, each drawn by the drawing library into its picture.
#include "display_options.h"
#include "graph_model.h"
#include "main/main_controls.h"
#include "panel_text.h"
#include "plane/image_view.h"
#include "side_panels.h"
#include "value_table.h"

void MainBody::ShowPanels(const GraphTable& table, int index, const DisplayOptions& options,
                          TypesetState& typeset) {
    if (index < 0 || index >= table.LineCount) {
        return;
    }
    const TLineSpec& graph = table.LineTable[index];
    if (options.FormulaPanels) {
        PaintFormula(graph, options, typeset);
        PaintXDomain(graph, options, typeset);
    }
    if (options.SlopePanels) {
        PaintSlopeIntercept(graph, options, typeset);
    }
    PaintValueTable(table, index, options.TableYRow);
    if (options.RangePanel) {
        PaintYRange(graph, options, typeset);
    }
}

void MainBody::ClearPanels(const DisplayOptions& options) {
    for (ImageView* panel : {imgShiki, imgkatamuki, imgSeppen, imgHenikiX, imgHenikiY}) {
        ClearPanel(panel, options);
    }
    ClearValueTable();
}

void MainBody::PaintFormula(const TLineSpec& graph, const DisplayOptions& options,
                            TypesetState& typeset) {
    WriteFormulaPanel(imgShiki->canvas(), graph, options.PanelBackColour, options.PanelTextColour,
                      typeset);
    imgShiki->update();
}

void MainBody::PaintXDomain(const TLineSpec& graph, const DisplayOptions& options,
                            TypesetState& typeset) {
    WriteXDomainPanel(imgHenikiX->canvas(), graph, options, typeset);
    imgHenikiX->update();
}

void MainBody::PaintYRange(const TLineSpec& graph, const DisplayOptions& options,
                           TypesetState& typeset) {
    WriteYRangePanel(imgHenikiY->canvas(), graph, options, typeset);
    imgHenikiY->update();
}

void MainBody::PaintSlopeIntercept(const TLineSpec& graph, const DisplayOptions& options,
                                   TypesetState& typeset) {
    WriteSlopePanels(imgkatamuki->canvas(), imgSeppen->canvas(), graph, options, typeset);
    imgkatamuki->update();
    imgSeppen->update();
}

void MainBody::PaintValueTable(const GraphTable& table, int index, bool yRow) {
    const TLineSpec* graph =
        index >= 0 && index < table.LineCount ? &table.LineTable[index] : nullptr;
    DrawValueTable(imgTable->canvas(), graph, yRow);
    imgTable->update();
}

void MainBody::ClearValueTable() {
    ::ClearValueTable(imgTable->canvas());
    imgTable->update();
}

void MainBody::ClearPanel(ImageView* panel, const DisplayOptions& options) {
    ::ClearPanel(panel->canvas(), options.PanelBackColour, options.PanelTextColour);
    panel->update();
}
