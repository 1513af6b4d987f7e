// The display choices a drawing depends on: the main window's check boxes, the end-circle radius,
// the current pen width and the panel colours.
#pragma once

#include <QColor>
#include <cstdint>

struct DisplayOptions {
    bool EndCircles = true;          // end circles
    bool DottedExtensions = true;    // dotted extensions of segments and rays
    bool Handles = true;             // handles on selected graphs
    bool AxisColours = true;         // axis colours of the plane
    bool FormulaPanels = true;       // equation and x-domain panels
    bool RangePanel = true;          // y-range panel
    bool SlopePanels = true;         // slope and intercept panels
    bool TableYRow = true;           // y row of the value table
    bool SlopeInterceptForm = true;  // y=ax+b display form
    int32_t EndCircleRadius = 5;     // end-circle radius in pixels
    int32_t LineWidth = 1;      // width of the current tool, used by points, handles and markers
    bool bitmapPasted = false;  // a clipboard picture is shown on the plane
    int32_t PanelBackColour = 0x808000;  // teal, 0x00BBGGRR
    int32_t PanelTextColour = 0xFFFFFF;
    bool FirstEndIncluded = true;  // of the current tool, from the end-kind label
    bool SecondEndIncluded = true;
};

// A colour stored as 0x00BBGGRR.
inline QColor ColorFromBgr(int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// The same colour as a pixel value of a Format_RGB32 image.
inline uint32_t PixelFromBgr(int32_t bgr) {
    return 0xFF000000u | (uint32_t(bgr & 0xFF) << 16) | (uint32_t(bgr) & 0xFF00u) |
           ((uint32_t(bgr) >> 16) & 0xFFu);
}

// Named colours of the drawings, 0x00BBGGRR.
constexpr int32_t White = 0xFFFFFF;
constexpr int32_t Black = 0x000000;
constexpr int32_t Silver = 0xC0C0C0;
constexpr int32_t Grey = 0x808080;
constexpr int32_t Navy = 0x800000;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Blue = 0xFF0000;
constexpr int32_t Teal = 0x808000;
