// Which x values the table of values lists for a graph: one column per whole x, at most
// columns − 1 of them (column 0 holds the letters x and y), never scrolling.
#pragma once

#include <vector>

#include "line_spec.h"

constexpr int ValueColumnPitch = 35;  // pixels per column of the table

// The x values for the graph in a table of the given number of columns (image width div 35).
// Vertical graphs, labels and unknown kinds list nothing.
std::vector<int> ValueTableXs(const TLineSpec& g, int columns);
