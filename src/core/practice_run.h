// One finished practice run as the records file keeps it ("2024年11月05日 10:05 OOXO 03:12"),
// read back into its parts for the teachers' table and the records chart.
#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "practice_records.h"

struct PracticeRun {
    int number = 0;  // the run's key in its section
    QDate date;
    QString time;   // "10:05", as stored
    QString marks;  // one letter a question, "O" right at the first try, "X" otherwise
    int right = 0;  // the "O" of marks
    int wrong = 0;  // the "X": the file keeps △ and × both as X
    int totalSeconds = 0;
};

// The run of the value, or nothing when the value is not date, time, marks and total time in the
// form the program writes.
std::optional<PracticeRun> ParsePracticeRun(int number, const QString& value);

struct UnitRuns {
    std::vector<PracticeRun> runs;  // in number order
    std::vector<int> badNumbers;    // the runs whose value does not read, in number order
};

// The runs of one unit; a number the section does not hold is no run.
UnitRuns ReadUnitRuns(const PracticeRecords& records, const QString& unitTitle);
