// The end-kind label of the drawing tool and the short sample strokes of the tool sample image
// and of the formula list rows.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "classic_pen.h"
#include "line_spec.h"

// Caption of lblHeniki and whether the tool's first and second end are included.
struct EndKindLabel {
    QString caption;
    bool firstIncluded = true;
    bool secondIncluded = true;
};

// The label for the tool and its end kind; a combination without a caption keeps current.
EndKindLabel UpdateEndKindLabel(GraphKind lineMode, int32_t segmentEndKind, int32_t rayEndKind,
                                const EndKindLabel& current);

// What the next graph of the current tool will look like.
struct ToolSample {
    GraphKind LineMode = GraphKind::Line;
    int32_t LineWidth = 1;
    int32_t EndKind = 0;
    int32_t Color = 0;
};

constexpr int ToolSampleWidth = 41;
constexpr int ToolSampleHeight = 22;

// A short sample of the graph (kind, colour, width, end kind) on the row starting at top.
// Circles are drawn whatever the display options say.
void DrawSampleStroke(ClassicCanvas& canvas, const TLineSpec& record, int top, int32_t maruRad,
                      QStringList* messages = nullptr);

// Clears the sample image to white and draws the current tool's sample into it.
void RedrawToolSample(CanvasImage& sample, const ToolSample& tool, int32_t maruRad,
                      int32_t panelTextColour);
