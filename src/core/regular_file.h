// Opening a file for reading only when it is a plain file. A pipe, a socket or a device given the
// name of a file the program reads ("Index.ini", "Record.ini", a unit, a recovery copy) would hold
// the open or the read for good, and whoever then kills the program loses the drawing.
#pragma once

class QFile;

// Opens file read-only when its name leads to a regular file, through any links; anything else
// is refused as a file that cannot be read (false, nothing opened), and nothing waits for a
// writer.
bool OpenRegularFile(QFile& file);
