// Whether two names given on the command line lead to one file, so that a forgotten output name
// never has the exporter write over a file it was given to read.
#pragma once

#include <QString>

// True when both names lead to the same file: the same path once made absolute, with "." and
// ".." and symbolic links resolved as far as the file or its folder exists, or two hard links
// of one existing file.
bool SameFile(const QString& a, const QString& b);
