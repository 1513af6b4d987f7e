// The worksheet mode of tesmara-export: the worksheets of several units in one PDF.
#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

#include "command_line.h"
#include "export_args.h"
#include "offscreen_app.h"
#include "path_text.h"
#include "replace_file.h"
#include "worksheet.h"

int RunWorksheetExport(int argc, char** argv, const ExportRequest& request) {
    OffscreenApplication app(argc, argv);
    std::vector<WorksheetUnit> units;
    bool leftOut = false;
    for (const QString& input : request.inputs) {
        // "unit.v2" names no unit; the program's windows would read "unit.lin" in its place.
        if (const QString wrong = FixGraphFileName(input).message; !wrong.isEmpty()) {
            PrintExportError(wrong);
            leftOut = true;
            continue;
        }
        // Files are read from the default plane settings, never from the user's registry.
        const GraphFileContent content = ReadGraphFile(input, PlaneSettings(), true);
        // Refused as the program refuses to open it: a page of an empty plane under a title
        // would look like a unit.
        QString refusal = content.error;
        if (refusal.isEmpty() && !QFileInfo(content.fileName).isFile()) {
            refusal = ShownPath(content.fileName) + QStringLiteral("が見つかりません");
        } else if (refusal.isEmpty() && content.graphs.empty()) {
            refusal = ShownPath(content.fileName) + QStringLiteral("にはグラフがありません");
        }
        if (!refusal.isEmpty()) {
            PrintExportError(refusal);
            leftOut = true;
            continue;
        }
        units.push_back(WorksheetUnitOf(content));
    }
    if (units.empty()) {
        return 1;
    }

    // Made in memory whole, then put in the old file's place.
    const QString failed = ShownPath(request.output) + QStringLiteral("の保存に失敗しました");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WorksheetResult result;
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Portrait);
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(units.front().title);
        pdf.setCreator(QStringLiteral("Tesmara"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            PrintExportError(failed);
            return 1;
        }
        result = DrawWorksheets(painter, pdf, units, {request.blank, request.answers});
        painter.end();
    }
    if (!ReplaceFile(request.output, bytes).ok) {
        PrintExportError(failed);
        return 1;
    }
    for (const QString& message : result.messages) {
        PrintExportError(message);
    }
    return leftOut || !result.messages.isEmpty() ? 1 : 0;
}
