// The printed page as the print window previews it: a 640 × 640 picture with the file line at
// the top, the plane scaled below it and the title centred under the plane.
#pragma once

#include <QImage>
#include <QString>

#include "classic_pen.h"

constexpr int PrintPreviewSide = 640;

struct PrintLayout {
    int left = 50;      // left margin in preview pixels
    int top = 50;       // top margin
    int percent = 100;  // size of the plane
    QString fileLine;
    QString title = QStringLiteral("Kelvane Tesmara");
};

// Draws the preview page of the plane picture into a 640 × 640 canvas.
void DrawPrintPreview(CanvasImage& page, const QImage& plane, const PrintLayout& layout);

// The side of the printed square on a page of the given size in device pixels. A page 2892 pixels
// wide maps one preview pixel to 32/7 printer pixels, but the square never leaves the page: that
// rule alone would cut off its right edge on such a page, and the title on a landscape page.
int PrintedSide(int pageWidth, int pageHeight);
