// tesmara-export: reads graph files and records files with the program's own readers and writes
// them out for teachers' scripts, worksheets and class records. Needs no display.
#include <QtGlobal>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

#include "command_line.h"
#include "export_args.h"

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    // Scripts read the same bytes on every system: text mode would end each line with CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    return RunExporter(argc, argv, CommandLineArguments(argc, argv));
}
