// The picture modes of tesmara-export: the plane as the main window shows it right after the file
// was opened, as a PNG, or on a printed page as a PDF.
#include <QBuffer>
#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>

#include "command_line.h"
#include "date_text.h"
#include "disp_all_line.h"
#include "export_args.h"
#include "offscreen_app.h"
#include "path_text.h"
#include "print_page.h"
#include "replace_file.h"

namespace {

// The plane right after opening: start-up display options with the file's end-circle flag,
// nothing selected.
bool DrawOpenedPlane(const GraphFileContent& content, int defaultPlaneSize, CanvasImage& plane) {
    DisplayOptions options;
    options.EndCircles = content.EndCircles;
    TypesetState typeset;
    PlaneGeometry geometry;
    const PlaneScene scene{content.settings, defaultPlaneSize, PlaneVariant::Main};
    const std::span<const TLineSpec> graphs(content.graphs.data(), content.graphs.size());
    const DispAllLineResult result = DispAllLine(plane, scene, options, typeset, geometry, graphs);
    for (const QString& message : result.messages) {
        PrintExportError(message);
    }
    return result.planeDrawn;
}

}  // namespace

int RunImageExport(int argc, char** argv, const ExportRequest& request,
                   const GraphFileContent& content) {
    OffscreenApplication app(argc, argv);

    CanvasImage plane = MakeCanvasImage(request.defaultPlaneSize, request.defaultPlaneSize);
    if (!DrawOpenedPlane(content, request.defaultPlaneSize, plane)) {
        return 1;
    }
    // Either file is made in memory whole and then put in the old one's place.
    const QString failed = ShownPath(request.output) + QStringLiteral("の保存に失敗しました");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (request.mode == ExportMode::Png) {
        if (!plane.image.save(&buffer, "PNG") || !ReplaceFile(request.output, bytes).ok) {
            PrintExportError(failed);
            return 1;
        }
        return 0;
    }

    PrintLayout layout;
    const QDateTime now = QDateTime::currentDateTime();
    layout.fileLine = ShownPath(content.fileName) + QStringLiteral("  ") +
                      DateTextDots(now.date()) + QStringLiteral("  ") + TimeTextColon(now.time());
    CanvasImage page;
    DrawPrintPreview(page, plane.image, layout);

    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(layout.title);
        QPainter painter;
        if (!painter.begin(&pdf)) {
            PrintExportError(failed);
            return 1;
        }
        const int side = PrintedSide(pdf.width(), pdf.height());
        painter.drawImage(QRect(0, 0, side, side), page.image);
    }
    if (!ReplaceFile(request.output, bytes).ok) {
        PrintExportError(failed);
        return 1;
    }
    return 0;
}
