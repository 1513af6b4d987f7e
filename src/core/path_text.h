// Small routines on folder and file names shared by the windows.
#pragma once

#include <QString>

// A file or folder name as the system writes it, for messages, captions and headers: with
// backslashes on Windows. The program keeps Qt's "/" inside.
QString ShownPath(const QString& path);

// The folder name with a trailing separator ("/" or "\" already there is kept).
QString AddBackslash(const QString& folder);

// The first line of a text file in Shift-JIS, such as the title of a unit; "？" when the file
// cannot be opened or read, or is not Shift-JIS.
QString ReadFirstLine(const QString& path);
