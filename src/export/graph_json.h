// A graph file as JSON for teachers' scripts: the title, the format, the plane settings and every
// graph with its equation in both forms, its domain and range, slope, intercept and table.
#pragma once

#include <QString>

#include "graph_file.h"

// The width of the table of values when the program starts, in pixels.
constexpr int StartupValueTableWidth = 353;

QString GraphFileJson(const GraphFileContent& content);
