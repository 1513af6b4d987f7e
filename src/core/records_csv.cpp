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

// The rows of one file, or the reason it is left out whole.
QString FileRows(const QString& path, QString& rows, int& count, QStringList& leftOut) {
    if (!QFileInfo::exists(path)) {
        return ShownPath(path) + QStringLiteral("が見つかりません");
    }
    const PracticeRecords records = PracticeRecords::Read(path);
    if (!records.error().isEmpty()) {
        return records.error();
    }
    const QString source = CsvField(path);
    for (const QString& title : records.Titles()) {
        const QString titleField = CsvField(title);
        for (const PracticeRun& run : ReadUnitRuns(records, title).runs) {
            rows += source + u',' + titleField + u',' + QString::number(run.number) + u',' +
                    run.date.toString(Qt::ISODate) + u',' + run.time + u',' + run.marks + u',' +
                    QString::number(run.right) + u',' + QString::number(run.wrong) + u',' +
                    QString::number(run.totalSeconds) + QStringLiteral("\r\n");
            ++count;
        }
    }
    leftOut = RecordsLeftOut(path, records);
    return {};
}

}  // namespace

RecordsCsv MergeRecordsCsv(const QStringList& recordsPaths) {
    RecordsCsv csv;
    QString text = Header + QStringLiteral("\r\n");
    for (const QString& path : recordsPaths) {
        QString rows;
        int count = 0;
        QStringList leftOut;
        const QString problem = FileRows(path, rows, count, leftOut);
        if (!problem.isEmpty()) {
            csv.problems.append(problem +
                                QStringLiteral("\nこのファイルの記録は書き出しませんでした"));
            continue;
        }
        text += rows;
        csv.rows += count;
        csv.problems += leftOut;
    }
    csv.bytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    return csv;
}

QStringList RecordsLeftOut(const QString& path, const PracticeRecords& records,
                           const QString& unitTitle) {
    using Why = PracticeRecords::LeftOut::Why;
    const QString file = ShownPath(path);
    const QString notWritten = QStringLiteral("ため、書き出しませんでした");
    QStringList messages;
    for (const PracticeRecords::LeftOut& line : records.leftOut()) {
        switch (line.why) {
            case Why::Unread:
                messages.append(file + QStringLiteral("の%1行目は読み込めない").arg(line.line) +
                                notWritten);
                break;
            case Why::UnreadHeader:
                messages.append(
                    file + QStringLiteral("の%1行目からの節は見出しが読み込めない").arg(line.line) +
                    notWritten);
                break;
            case Why::RepeatedSection:
                messages.append(file +
                                QStringLiteral("の%1行目からの節「%2」は同じ単元名の節が前にある")
                                    .arg(QString::number(line.line), line.title) +
                                notWritten);
                break;
        }
    }
    const QStringList titles = unitTitle.isEmpty() ? records.Titles() : QStringList{unitTitle};
    for (const QString& title : titles) {
        for (const int number : ReadUnitRuns(records, title).badNumbers) {
            messages.append(file +
                            QStringLiteral("の「%1」の%2回目の記録は正しくない")
                                .arg(title, QString::number(number)) +
                            notWritten);
        }
    }
    return messages;
}
