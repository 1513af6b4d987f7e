// The exporter's arguments as text, read before any application object exists.
#pragma once

#include <QStringList>

// The arguments after the program's name.
QStringList CommandLineArguments(int argc, char** argv);
