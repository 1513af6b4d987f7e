// Small routines on folder and file names shared by the windows.
#pragma once

#include <QString>

// The folder name with a trailing separator ("/" or "\" already there is kept).
QString AddBackslash(const QString& folder);

// The first line of a text file in Shift-JIS, such as the title of a unit; "？" when the file
// cannot be opened or read, or is not Shift-JIS.
QString ReadFirstLine(const QString& path);
