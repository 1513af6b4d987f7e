// The records modes of tesmara-export: the class's records files as one CSV table, and one unit's
// records chart as a picture.
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "command_line.h"
#include "export_args.h"
#include "offscreen_app.h"
#include "path_text.h"
#include "practice_records.h"
#include "practice_run.h"
#include "records_chart.h"
#include "records_csv.h"
#include "replace_file.h"
#include "same_file.h"

namespace {

// The files in the order given, each once: a file named twice (by another path, through a link)
// would double every run of it.
QStringList EachFileOnce(const QStringList& paths) {
    QStringList once;
    for (const QString& path : paths) {
        const auto earlier = std::find_if(once.begin(), once.end(),
                                          [&](const QString& p) { return SameFile(p, path); });
        if (earlier != once.end()) {
            PrintExportError(ShownPath(path) + QStringLiteral("は") + ShownPath(*earlier) +
                             QStringLiteral("と同じファイルのため、一度だけ読みました"));
            continue;
        }
        once.append(path);
    }
    return once;
}

}  // namespace

int RunRecordsExport(const ExportRequest& request) {
    const RecordsCsv csv = MergeRecordsCsv(EachFileOnce(request.inputs));
    for (const QString& problem : csv.problems) {
        PrintExportError(problem);
    }
    if (!ReplaceFile(request.output, csv.bytes).ok) {
        PrintExportError(ShownPath(request.output) + QStringLiteral("の保存に失敗しました"));
        return 1;
    }
    return csv.problems.isEmpty() ? 0 : 1;
}

int RunChartExport(int argc, char** argv, const ExportRequest& request) {
    if (!QFileInfo::exists(request.input)) {
        PrintExportError(ShownPath(request.input) + QStringLiteral("が見つかりません"));
        return 1;
    }
    const PracticeRecords records = PracticeRecords::Read(request.input);
    if (!records.error().isEmpty()) {
        PrintExportError(records.error());
        return 1;
    }
    const UnitRuns unit = ReadUnitRuns(records, request.unit);
    // What does not read is left out of the chart and named; the rest is drawn.
    const QStringList leftOut = RecordsLeftOut(request.input, records, request.unit);
    for (const QString& problem : leftOut) {
        PrintExportError(problem);
    }
    if (unit.runs.empty()) {
        PrintExportError(ShownPath(request.input) +
                         QStringLiteral("に「%1」の練習の記録はありません").arg(request.unit));
        return 1;
    }
    OffscreenApplication app(argc, argv);
    const RecordsChartSeries series = ChartSeriesOf(request.unit, unit.runs);
    const QString failed = ShownPath(request.output) + QStringLiteral("の保存に失敗しました");
    // The chart is drawn in screen pixels; 800 × 360 is a page-wide chart at 96 dpi.
    const QSizeF size(800, 360);
    if (request.output.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        QImage image(size.toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawRecordsChart(painter, QRectF(QPointF(0, 0), size), series);
        painter.end();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG") || !ReplaceFile(request.output, bytes).ok) {
            PrintExportError(failed);
            return 1;
        }
        return leftOut.isEmpty() ? 0 : 1;
    }
    // Made in memory whole, then put in the old file's place.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(request.unit);
        pdf.setCreator(QStringLiteral("Tesmara"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            PrintExportError(failed);
            return 1;
        }
        // The same chart as the PNG, stretched over the page's width.
        const qreal scale = pdf.width() / size.width();
        painter.scale(scale, scale);
        DrawRecordsChart(painter, QRectF(QPointF(0, 0), size), series);
        painter.end();
    }
    if (!ReplaceFile(request.output, bytes).ok) {
        PrintExportError(failed);
        return 1;
    }
    return leftOut.isEmpty() ? 0 : 1;
}
