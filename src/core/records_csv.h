// The practice records of several classroom computers merged into one table that a spreadsheet
// opens with the Japanese intact: UTF-8 with a byte-order mark, CR LF rows, fields quoted as
// RFC 4180 says, one row a run with the records file it came from.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "practice_records.h"

struct RecordsCsv {
    QByteArray bytes;
    int rows = 0;          // runs written, the header row not counted
    QStringList problems;  // one message a thing left out, naming the file and where
};

// Every run of every unit of the files as the records window lists it: file by file in the order
// given, units in file order, runs by number. A file that is missing or cannot be read is left
// out; of the others, only what the window leaves out too (a line that does not read, a second
// section of a unit) and runs whose value does not read, each named in problems.
RecordsCsv MergeRecordsCsv(const QStringList& recordsPaths);

// The messages naming what a table or chart of the file leaves out: the lines the records window
// does not show, and the unit's runs whose value does not read (every unit's when unitTitle is
// empty).
QStringList RecordsLeftOut(const QString& path, const PracticeRecords& records,
                           const QString& unitTitle = {});

// One field: quoted when it holds a comma, a quote or a line break, with its quotes doubled; a
// text that a spreadsheet would take for a formula gets an apostrophe in front.
QString CsvField(const QString& text);
