// The practice records file "Record.ini": one section a unit, named by the unit's title, and one
// numbered "n=value" line a finished run, where the value is the run's date, time, marks and
// total time.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Run numbers above this are not runs: a damaged file with a huge number must not make the
// records window list millions of missing runs.
constexpr int MaxRunNumber = 99999;

// Appends one run of the unit under the number after the largest one in its section, so that a
// gap in the numbers never overwrites an earlier run. The file is read whole first and replaced
// in one step with every other byte kept; a file that does not read whole is left as it is. The
// message for the user, or empty when the run was written.
QString AppendRecord(const QString& recordsPath, const QString& unitTitle, const QString& value);

// Erases the sections of these units in one replacement of the file, under the same rules as
// AppendRecord. The message for the user, or empty when it succeeded.
QString EraseRecords(const QString& recordsPath, const QStringList& unitTitles);

// The records file as the records window shows it: read once, as far as it can be read.
class PracticeRecords {
  public:
    // A missing file has no runs; a file that does not read whole keeps the whole lines before
    // its first unreadable byte, and error() says why.
    static PracticeRecords Read(const QString& recordsPath);

    // Empty when the file read whole or is missing.
    const QString& error() const { return error_; }

    // The largest run number of the unit, so that every run is counted even across a gap.
    int RunCount(const QString& unitTitle) const;
    // The values of runs 1 … RunCount in order, "?" for a number the section does not hold.
    QStringList DetailLines(const QString& unitTitle) const;
    // The units' titles as the file writes them, in file order, each name once.
    const QStringList& Titles() const { return titles_; }
    // The runs the section holds, by number in increasing order, with their values.
    std::vector<std::pair<int, QString>> Runs(const QString& unitTitle) const;

  private:
    const QStringList* Lines(const QString& unitTitle) const;

    QHash<QString, QStringList> sections_;  // "key=value" lines by case-folded title
    QStringList titles_;
    QString error_;
};
