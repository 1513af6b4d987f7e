// Appending, listing and erasing practice records.
#include "practice_records.h"

#include <QSet>
#include <algorithm>
#include <vector>

#include "ini_file.h"
#include "path_text.h"
#include "unit_title.h"

namespace {

const QString MissingRun = QStringLiteral("?");

// The run number of a key, or 0 when the key is not one: only the plain decimal form counts,
// because "01" is another key than "1" to the ini file and would never be found by number.
int RunNumber(const QString& key) {
    if (key.isEmpty() || key.size() > 5 || key.front() == u'0') {
        return 0;
    }
    int number = 0;
    for (const QChar c : key) {
        if (c < u'0' || c > u'9') {
            return 0;
        }
        number = number * 10 + (c.unicode() - u'0');
    }
    return number <= MaxRunNumber ? number : 0;
}

// The run number of a "key=value" line; comments and lines without "=" are not runs.
int LineRunNumber(const QString& line) {
    if (line.startsWith(u';') || !line.contains(u'=')) {
        return 0;
    }
    return RunNumber(IniLineKey(line));
}

int LargestRunNumber(const QStringList& lines) {
    int largest = 0;
    for (const QString& line : lines) {
        largest = std::max(largest, LineRunNumber(line));
    }
    return largest;
}

bool HasLineBreak(const QString& text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

// The message for the user is empty when the run was written.
struct AppendedRun {
    IniWriteProblem problem = IniWriteProblem::None;
    QString message;
    QString notice;
};

AppendedRun AppendRun(const QString& recordsPath, const QString& unitTitle, const QString& value,
                      std::chrono::milliseconds lockWait) {
    const QString section = unitTitle.trimmed();
    // A bracket would end the section's header early and file the run under another name.
    if (section.contains(u'[') || section.contains(u']')) {
        return {IniWriteProblem::Failed,
                ShownPath(recordsPath) +
                    QStringLiteral("に記録を書き込めません\n単元名に「[」や「]」は使えません"),
                {}};
    }
    if (HasLineBreak(section) || HasLineBreak(value)) {
        return {IniWriteProblem::Failed,
                ShownPath(recordsPath) + QStringLiteral("に記録を書き込めません"),
                {}};
    }
    IniFile ini(recordsPath, lockWait);
    bool full = false;
    const bool written = ini.AppendToSection(section, [&](const QStringList& lines) -> QString {
        const int next = LargestRunNumber(lines) + 1;
        if (next > MaxRunNumber) {
            full = true;
            return QString();
        }
        return QString::number(next) + u'=' + value;
    });
    if (!written) {
        return {ini.lastProblem(),
                ini.lastError() + QStringLiteral("\n今回の記録は書き込めませんでした"),
                ini.notice()};
    }
    if (full) {
        return {IniWriteProblem::Failed,
                ShownPath(recordsPath) + QStringLiteral("には「") + section +
                    QStringLiteral("」の記録をこれ以上書き込めません"),
                ini.notice()};
    }
    return {IniWriteProblem::None, {}, ini.notice()};
}

}  // namespace

QString AppendRecord(const QString& recordsPath, const QString& unitTitle, const QString& value,
                     std::chrono::milliseconds lockWait) {
    return AppendRun(recordsPath, unitTitle, value, lockWait).message;
}

RunRecorder::RunRecorder(QString recordsPath, std::chrono::milliseconds lockWait)
    : path_(std::move(recordsPath)), lockWait_(lockWait) {}

RunRecorder::Result RunRecorder::Record(const QString& unitTitle, const QString& value) {
    kept_.push_back({unitTitle, value});
    return WriteKept();
}

RunRecorder::Result RunRecorder::WriteKept() {
    QString notice;
    while (!kept_.empty()) {
        const AppendedRun appended =
            AppendRun(path_, kept_.front().unitTitle, kept_.front().value, lockWait_);
        notice += appended.notice;
        switch (appended.problem) {
            case IniWriteProblem::None:
                kept_.pop_front();
                break;
            case IniWriteProblem::Busy:
                return {Outcome::Kept, {}, notice};
            case IniWriteProblem::Denied:
                kept_.clear();
                return {Outcome::Denied,
                        ShownPath(path_) +
                            QStringLiteral("に書き込む権限がないため、練習の記録を残せません"),
                        notice};
            case IniWriteProblem::Failed:
                kept_.pop_front();
                return {Outcome::Failed, appended.message, notice};
        }
    }
    return {Outcome::Written, {}, notice};
}

QString EraseRecords(const QString& recordsPath, const QStringList& unitTitles) {
    QSet<QString> erased;
    for (const QString& title : unitTitles) {
        erased.insert(RecordsTitleKey(title));
    }
    IniFile ini(recordsPath);
    // Units without runs have no section: a file holding none of them is not even locked, so
    // that a folder that may not be written says nothing.
    const IniDocument now = ini.ReadForShowing();
    if (ini.lastError().isEmpty() &&
        std::none_of(now.sections.begin(), now.sections.end(), [&](const auto& s) {
            return s.readable() && erased.contains(RecordsTitleKey(s.name));
        })) {
        return {};
    }
    const bool done = ini.Edit([&](IniDocument& doc) {
        return std::erase_if(doc.sections, [&](const IniDocument::Section& s) {
                   return s.readable() && erased.contains(RecordsTitleKey(s.name));
               }) > 0;
    });
    return done ? QString() : ini.lastError() + QStringLiteral("\n記録を消去できませんでした");
}

PracticeRecords PracticeRecords::Read(const QString& recordsPath) {
    PracticeRecords records;
    IniFile ini(recordsPath);
    IniDocument doc = ini.ReadForShowing();
    records.error_ = ini.lastError();
    records.unreadNote_ = ini.unreadNote();
    records.sections_.reserve(qsizetype(doc.sections.size()));
    auto leaveOut = [&](LeftOut::Why why, const IniLine& line, const QString& title = {}) {
        records.leftOut_.push_back({why, line.number, title});
    };
    for (const IniLine& line : doc.preamble) {
        if (!line.readable()) {
            leaveOut(LeftOut::Why::Unread, line);
        }
    }
    for (IniDocument::Section& section : doc.sections) {
        if (!section.readable()) {
            leaveOut(LeftOut::Why::UnreadHeader, section.header);
            continue;
        }
        // The first section of a name is the one the ini file reads and writes.
        const QString key = RecordsTitleKey(section.name);
        if (records.sections_.contains(key)) {
            leaveOut(LeftOut::Why::RepeatedSection, section.header, section.name);
            continue;
        }
        for (const IniLine& line : section.lines) {
            if (!line.readable()) {
                leaveOut(LeftOut::Why::Unread, line);
            }
        }
        records.titles_.append(section.name);
        records.sections_.insert(key, section.Texts());
    }
    return records;
}

const QStringList* PracticeRecords::Lines(const QString& unitTitle) const {
    const auto found = sections_.constFind(RecordsTitleKey(unitTitle));
    return found == sections_.cend() ? nullptr : &found.value();
}

int PracticeRecords::RunCount(const QString& unitTitle) const {
    const QStringList* lines = Lines(unitTitle);
    return lines == nullptr ? 0 : LargestRunNumber(*lines);
}

QStringList PracticeRecords::DetailLines(const QString& unitTitle) const {
    const QStringList* lines = Lines(unitTitle);
    if (lines == nullptr) {
        return {};
    }
    std::vector<QString> values(LargestRunNumber(*lines) + 1);
    std::vector<bool> found(values.size(), false);
    for (const QString& line : *lines) {
        // The first line of a number is the one the ini file reads.
        if (const int number = LineRunNumber(line); number > 0 && !found[number]) {
            found[number] = true;
            values[number] = IniLineValue(line);
        }
    }
    QStringList details;
    details.reserve(qsizetype(values.size()) - 1);
    for (size_t number = 1; number < values.size(); ++number) {
        details.append(found[number] ? values[number] : MissingRun);
    }
    return details;
}

std::vector<std::pair<int, QString>> PracticeRecords::Runs(const QString& unitTitle) const {
    std::vector<std::pair<int, QString>> runs;
    const QStringList* lines = Lines(unitTitle);
    if (lines == nullptr) {
        return runs;
    }
    for (const QString& line : *lines) {
        if (const int number = LineRunNumber(line); number > 0) {
            runs.emplace_back(number, IniLineValue(line));
        }
    }
    // The first line of a number is the one the ini file reads.
    std::stable_sort(runs.begin(), runs.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    runs.erase(std::unique(runs.begin(), runs.end(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }),
               runs.end());
    return runs;
}
