// The command line of tesmara-export.
#pragma once

#include <QString>
#include <QStringList>

#include "graph_file.h"

enum class ExportMode { Json, Png, Pdf, Worksheet, Records, Chart };

struct ExportRequest {
    ExportMode mode = ExportMode::Json;
    QString input;       // the first of inputs
    QStringList inputs;  // graph files, or records files; one except for worksheets and records
    QString output;
    int defaultPlaneSize = 544;
    bool blank = false;    // worksheet: the students' copy
    bool answers = false;  // worksheet: the answers after the copies
    QString unit;          // chart: the unit's title
    QString error;         // non-empty: bad usage
};

ExportRequest ParseExportArgs(const QStringList& args);
QString ExportUsage();

// The whole exporter on its arguments (those after the program's name); argc and argv go to the
// application object. Returns the exit status: 0 when everything was written, 1 when a file could
// not be read or written, 2 for bad usage.
int RunExporter(int argc, char** argv, const QStringList& args);

// Draws the file's plane into a PNG or a PDF page; returns the process exit status.
int RunImageExport(int argc, char** argv, const ExportRequest& request,
                   const GraphFileContent& content);

// The worksheets of the graph files in one PDF. Exit status 0 when every file was written, 1
// when a file was left out (the others are still written) or nothing could be written.
int RunWorksheetExport(int argc, char** argv, const ExportRequest& request);

// The records files merged into one CSV table; statuses as for worksheets.
int RunRecordsExport(const ExportRequest& request);

// The records chart of one unit as a PNG or a one-page PDF; 1 when it cannot be made.
int RunChartExport(int argc, char** argv, const ExportRequest& request);
