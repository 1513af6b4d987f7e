// Small routines on folder and file names shared by the windows.
#pragma once

#include <QString>

// The folder name with a trailing separator ("/" or "\" already there is kept).
QString AddBackslash(const QString& folder);
