// The practice records file "Record.ini": one section a unit, named by the unit's title, and one
// numbered "n=value" line a finished run, where the value is the run's date, time, marks and
// total time.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <chrono>
#include <deque>
#include <utility>
#include <vector>

#include "file_lock.h"

// Run numbers above this are not runs: a damaged file with a huge number must not make the
// records window list millions of missing runs.
constexpr int MaxRunNumber = 99999;

// Appends one run of the unit under the number after the largest one in its section, so that a
// gap in the numbers never overwrites an earlier run. The file is read whole first and replaced
// in one step with every other byte kept, all under the file's lock, so that programs sharing the
// file never lose each other's runs; a file that does not read whole is left as it is. The
// message for the user, or empty when the run was written.
QString AppendRecord(const QString& recordsPath, const QString& unitTitle, const QString& value,
                     std::chrono::milliseconds lockWait = FileLock::DefaultWait);

// The runs of a practice on their way into the records file. A run that finds the file locked by
// other programs for the whole wait is kept here and written before the next run, or when the
// practice ends, so that the runs keep their order.
class RunRecorder {
  public:
    enum class Outcome {
        Written,  // every run so far is in the file
        Kept,     // the file stayed locked: the runs not written wait here
        Denied,   // the file may not be written: the runs are dropped
        Failed,   // a run could not be written and is dropped; the message says why
    };
    struct Result {
        Outcome outcome = Outcome::Written;
        QString message;  // for Denied and Failed
        QString notice;   // a stuck lock file, said once a program, whatever the outcome
    };

    explicit RunRecorder(QString recordsPath = {},
                         std::chrono::milliseconds lockWait = FileLock::DefaultWait);

    // Adds the run after the kept ones and writes them in order.
    Result Record(const QString& unitTitle, const QString& value);
    Result WriteKept();
    bool HasKept() const { return !kept_.empty(); }
    void DropKept() { kept_.clear(); }

  private:
    struct Run {
        QString unitTitle;
        QString value;
    };
    QString path_;
    std::chrono::milliseconds lockWait_;
    std::deque<Run> kept_;
};

// Erases the sections of these units in one replacement of the file, under the same rules as
// AppendRecord. The message for the user, or empty when it succeeded.
QString EraseRecords(const QString& recordsPath, const QStringList& unitTitles);

// The records file as the records window shows it: read once, as far as it can be read.
class PracticeRecords {
  public:
    // What the window leaves out of the file, where the file holds it.
    struct LeftOut {
        enum class Why {
            Unread,           // a line that does not read
            UnreadHeader,     // a header that does not read: its whole section
            RepeatedSection,  // a second section of a unit: the first is the unit's
        };
        Why why;
        int line;       // from 1
        QString title;  // the repeated section's
    };

    // A missing file has no runs; a file too large to change keeps its whole lines that fit, and
    // error() says why.
    static PracticeRecords Read(const QString& recordsPath);

    // Empty when the file is missing or could be read.
    const QString& error() const { return error_; }
    // A message naming the first line that does not read; empty when every line reads.
    const QString& unreadNote() const { return unreadNote_; }
    const std::vector<LeftOut>& leftOut() const { return leftOut_; }

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

    QHash<QString, QStringList> sections_;  // "key=value" lines by the title's records key
    QStringList titles_;
    QString error_;
    QString unreadNote_;
    std::vector<LeftOut> leftOut_;
};
