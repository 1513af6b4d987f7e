// The command line of tesmara-export.
#pragma once

#include <QString>
#include <QStringList>

#include "graph_file.h"

enum class ExportMode { Json, Png, Pdf };

struct ExportRequest {
    ExportMode mode = ExportMode::Json;
    QString input;
    QString output;
    int defaultPlaneSize = 544;
    QString error;  // non-empty: bad usage
};

ExportRequest ParseExportArgs(const QStringList& args);
QString ExportUsage();

// Draws the file's plane into a PNG or a PDF page; returns the process exit status.
int RunImageExport(int argc, char** argv, const ExportRequest& request,
                   const GraphFileContent& content);
