// Merging records files into a table.
#include "records_csv.h"

#include <QFileInfo>

#include "path_text.h"
#include "practice_records.h"
#include "practice_run.h"

QString CsvField(const QString& text) {
    QString field = text;
    // A spreadsheet runs a cell that starts with = + - @ (or a tab or CR before one) as a
    // formula, and a unit title is typed by anyone: "=HYPERLINK(…)" must stay a title. The
    // apostrophe is what a spreadsheet user types to keep a cell text.
    if (!field.isEmpty() && QStringView(u"=+-@\t\r").contains(field.front())) {
        field.prepend(u'\'');
    }
    if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') ||
        field.contains(u'\r')) {
        field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return u'"' + field + u'"';
    }
    return field;
}

namespace {

const QString Header = QStringLiteral("記録ファイル,単元名,回,日付,時刻,結果,Oの数,Xの数,合計秒数");

// The rows of one file, or the reason it is left out.
QString FileRows(const QString& path, QString& rows, int& count) {
    if (!QFileInfo::exists(path)) {
        return ShownPath(path) + QStringLiteral("が見つかりません");
    }
    const PracticeRecords records = PracticeRecords::Read(path);
    if (!records.error().isEmpty()) {
        return records.error();
    }
    const QString source = CsvField(path);
    for (const QString& title : records.Titles()) {
        const UnitRuns unit = ReadUnitRuns(records, title);
        if (unit.badNumber > 0) {
            return ShownPath(path) + QStringLiteral("の「%1」の%2回目の記録が正しくありません")
                                         .arg(title)
                                         .arg(unit.badNumber);
        }
        const QString titleField = CsvField(title);
        for (const PracticeRun& run : unit.runs) {
            rows += source + u',' + titleField + u',' + QString::number(run.number) + u',' +
                    run.date.toString(Qt::ISODate) + u',' + run.time + u',' + run.marks + u',' +
                    QString::number(run.right) + u',' + QString::number(run.wrong) + u',' +
                    QString::number(run.totalSeconds) + QStringLiteral("\r\n");
            ++count;
        }
    }
    return {};
}

}  // namespace

RecordsCsv MergeRecordsCsv(const QStringList& recordsPaths) {
    RecordsCsv csv;
    QString text = Header + QStringLiteral("\r\n");
    for (const QString& path : recordsPaths) {
        QString rows;
        int count = 0;
        const QString problem = FileRows(path, rows, count);
        if (!problem.isEmpty()) {
            csv.problems.append(problem +
                                QStringLiteral("\nこのファイルの記録は書き出しませんでした"));
            continue;
        }
        text += rows;
        csv.rows += count;
    }
    csv.bytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    return csv;
}
