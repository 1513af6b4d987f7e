// The practice records of several classroom computers merged into one table that a spreadsheet
// opens with the Japanese intact: UTF-8 with a byte-order mark, CR LF rows, fields quoted as
// RFC 4180 says, one row a run with the records file it came from.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct RecordsCsv {
    QByteArray bytes;
    int rows = 0;          // runs written, the header row not counted
    QStringList problems;  // one message a file left out, naming it
};

// Every run of every unit of the files, file by file in the order given, units in file order,
// runs by number. A file that is missing, does not read whole or holds a run that does not read
// is left out entirely, so that a table never holds half a classroom.
RecordsCsv MergeRecordsCsv(const QStringList& recordsPaths);

// One field: quoted when it holds a comma, a quote or a line break, with its quotes doubled; a
// text that a spreadsheet would take for a formula gets an apostrophe in front.
QString CsvField(const QString& text);
