// The side panels of the main window: equation, domain of x, range of y, slope, intercept and
// value table of the current graph.
#pragma once

#include "classic_pen.h"
#include "display_options.h"
#include "line_spec.h"
#include "panel_text.h"

struct SidePanels {
    CanvasImage formula;
    CanvasImage xDomain;
    CanvasImage yRange;
    CanvasImage slope;
    CanvasImage intercept;
    CanvasImage valueTable;
};

// The panels at the sizes of the main window's design.
SidePanels MakeSidePanels(int tableWidth = 353);

void WriteXDomainPanel(CanvasImage& panel, const TLineSpec& graph, const DisplayOptions& options,
                       TypesetState& typeset);
// Lines, segments and rays get their range of y; points and labels leave it empty.
void WriteYRangePanel(CanvasImage& panel, const TLineSpec& graph, const DisplayOptions& options,
                      TypesetState& typeset);
void WriteSlopePanels(CanvasImage& katamuki, CanvasImage& seppen, const TLineSpec& graph,
                      const DisplayOptions& options, TypesetState& typeset);

// Every panel to the panel colour and the empty value table.
void ClearAllPanels(SidePanels& panels, const DisplayOptions& options);
// The panels for the current graph (none: cleared), each only while its check box is on.
void RefreshPanels(SidePanels& panels, const TLineSpec* current, const DisplayOptions& options,
                   TypesetState& typeset);
