// The print preview page.
#include "print_page.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "sjis_codec.h"

namespace {

constexpr int PrintFontSize = 9;  // points; the preview canvas keeps its default font

}  // namespace

void DrawPrintPreview(CanvasImage& page, const QImage& plane, const PrintLayout& layout) {
    page.image = QImage(PrintPreviewSide, PrintPreviewSide, QImage::Format_RGB32);
    page.image.fill(Qt::white);
    const double scale = layout.percent / 100.0;
    const int left = layout.left;
    const int top = layout.top;
    const int right = left + int(std::lround(plane.width() * scale));
    const int bottom = top + int(std::lround(plane.height() * scale));
    {
        QPainter painter(&page.image);
        painter.drawImage(QRect(left, top, right - left, bottom - top), plane);
    }
    ClassicCanvas canvas(page);
    canvas.state().FontColor = 0x000000;
    canvas.state().FontSize = PrintFontSize;
    canvas.state().FontItalic = false;
    canvas.state().BrushSolid = false;
    canvas.TextOut(left + 10, 10, layout.fileLine);
    const int titleX =
        left + (right - left) / 2 - (SjisByteLength(layout.title) * PrintFontSize) / 4;
    canvas.TextOut(titleX, bottom + 15, layout.title);
}

int PrintedSide(int pageWidth, int pageHeight) {
    const double byWidth = pageWidth / 2892.0 * 32.0 / 7.0;
    const double byShorterSide = std::min(pageWidth, pageHeight) / double(PrintPreviewSide);
    return int(std::lround(PrintPreviewSide * std::min(byWidth, byShorterSide)));
}
