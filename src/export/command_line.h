// The exporter's command line: its arguments read as text before any application object exists,
// and its messages written on stderr.
#pragma once

#include <QString>
#include <QStringList>

// The arguments after the program's name.
QStringList CommandLineArguments(int argc, char** argv);

// One line on stderr: UTF-8 for scripts, and on a Windows console the characters themselves,
// which the console's code page would otherwise garble.
void PrintExportError(const QString& text);
