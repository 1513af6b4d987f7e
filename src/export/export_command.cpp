// The command line of tesmara-export read and carried out.
#include <QFileInfo>
#include <cstdio>

#include "command_line.h"
#include "export_args.h"
#include "graph_file.h"
#include "graph_json.h"
#include "path_text.h"

int RunExporter(int argc, char** argv, const QStringList& args) {
    const ExportRequest request = ParseExportArgs(args);
    if (!request.error.isEmpty()) {
        PrintExportError(request.error);
        PrintExportError(ExportUsage());
        return 2;
    }

    switch (request.mode) {
        case ExportMode::Worksheet:
            return RunWorksheetExport(argc, argv, request);
        case ExportMode::Records:
            return RunRecordsExport(request);
        case ExportMode::Chart:
            return RunChartExport(argc, argv, request);
        default:
            break;
    }

    // "unit.v2" names no unit; the program's windows would read "unit.lin" in its place, but a
    // script must not get another unit's picture with exit status 0.
    if (const QString wrong = FixGraphFileName(request.input).message; !wrong.isEmpty()) {
        PrintExportError(wrong);
        return 1;
    }
    // Files are read from the default plane settings, never from the user's registry.
    const GraphFileContent content = ReadGraphFile(request.input, PlaneSettings(), true);
    if (!content.ok()) {
        PrintExportError(content.error);
        return 1;
    }
    if (!QFileInfo(content.fileName).isFile()) {
        PrintExportError(ShownPath(content.fileName) + QStringLiteral("が見つかりません"));
        return 1;
    }

    switch (request.mode) {
        case ExportMode::Json: {
            const QByteArray json = GraphFileJson(content).toUtf8();
            std::fwrite(json.constData(), 1, json.size(), stdout);
            return 0;
        }
        case ExportMode::Png:
        case ExportMode::Pdf:
            return RunImageExport(argc, argv, request, content);
        default:
            break;
    }
    return 2;
}
