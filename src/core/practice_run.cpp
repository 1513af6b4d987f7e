// Reading a practice run's value.
#include "practice_run.h"

namespace {

// A run of ASCII digits as a number; -1 when the text is empty, holds anything else or is too
// long to be a time or a date part.
int Digits(QStringView text) {
    if (text.isEmpty() || text.size() > 9) {
        return -1;
    }
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return -1;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "2024年11月05日": year in any number of digits, month and day in two.
QDate ParseDate(QStringView text) {
    const qsizetype year = text.indexOf(u'年');
    if (year < 1 || text.size() != year + 7 || text[year + 3] != u'月' || text[year + 6] != u'日') {
        return {};
    }
    const int y = Digits(text.first(year));
    const int m = Digits(text.sliced(year + 1, 2));
    const int d = Digits(text.sliced(year + 4, 2));
    return y < 0 || m < 0 || d < 0 ? QDate() : QDate(y, m, d);
}

// "hh:mm" of a clock, or minutes (two digits at least) and seconds of a duration; -1 when not.
int ParseColonPair(QStringView text, int firstLimit) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 2 || text.size() != colon + 3) {
        return -1;
    }
    const int first = Digits(text.first(colon));
    const int second = Digits(text.sliced(colon + 1));
    if (first < 0 || first >= firstLimit || second < 0 || second >= 60) {
        return -1;
    }
    return first * 60 + second;
}

}  // namespace

std::optional<PracticeRun> ParsePracticeRun(int number, const QString& value) {
    // Marks may be empty in principle, so the fields are cut at each single blank.
    const QList<QStringView> fields = QStringView(value).split(u' ');
    if (fields.size() != 4) {
        return std::nullopt;
    }
    PracticeRun run;
    run.number = number;
    run.date = ParseDate(fields[0]);
    if (!run.date.isValid() || fields[1].size() != 5 || ParseColonPair(fields[1], 24) < 0) {
        return std::nullopt;
    }
    run.time = fields[1].toString();
    for (const QChar c : fields[2]) {
        if (c == u'O') {
            ++run.right;
        } else if (c == u'X') {
            ++run.wrong;
        } else {
            return std::nullopt;
        }
    }
    run.marks = fields[2].toString();
    run.totalSeconds = ParseColonPair(fields[3], 1000000);
    if (run.totalSeconds < 0) {
        return std::nullopt;
    }
    return run;
}

UnitRuns ReadUnitRuns(const PracticeRecords& records, const QString& unitTitle) {
    UnitRuns out;
    const auto runs = records.Runs(unitTitle);
    out.runs.reserve(runs.size());
    for (const auto& [number, value] : runs) {
        if (std::optional<PracticeRun> run = ParsePracticeRun(number, value)) {
            out.runs.push_back(std::move(*run));
        } else {
            out.badNumbers.push_back(number);
        }
    }
    return out;
}
