// tesmara-export: reads graph files and records files with the program's own readers and writes
// them out for teachers' scripts, worksheets and class records. Needs no display.
#include "export_args.h"

int main(int argc, char** argv) {
    return RunExporter(argc, argv);
}
