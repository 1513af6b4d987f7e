// The records window over a program folder, driven as a user would: units listed with their runs,
// the runs of the unit clicked with their chart, erasing, and records files that are missing,
// damaged or cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "control_driver.h"
#include "practice/records_chart_view.h"
#include "practice/records_window.h"
#include "practice_records.h"
#include "scripted_dialogs.h"
#include "sjis_codec.h"
#include "test_files.h"

namespace {

template <size_t N>
QByteArray Bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

// The numbers of runs listed, "3 0 …".
QString Counts(const QListWidget* list) {
    QStringList counts;
    for (int i = 0; i < list->count(); ++i) {
        counts.append(list->item(i)->text().section(u'回', 0, 0));
    }
    return counts.join(u' ');
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
}

// "title: number seconds share|…" of the chart's series.
QString Chart(const TfrmKiroku& window) {
    const RecordsChartSeries& series = Control<RecordsChartView>(window, "imgChart")->series();
    QStringList runs;
    for (size_t i = 0; i < series.runNumbers.size(); ++i) {
        runs.append(QStringLiteral("%1 %2 %3")
                        .arg(series.runNumbers[i])
                        .arg(series.totalSeconds[i])
                        .arg(series.rightShare[i]));
    }
    return series.unitTitle + QStringLiteral(": ") + runs.join(u'|');
}

int ClosedWith(const QDialog& window) {
    return window.isVisible() ? -1 : window.result();
}

// Five unit files (one not Shift-JIS, two sharing a title) and a file that is not a unit.
class RecordsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        start = dir.path() + u'/';
        records = start + QStringLiteral("Record.ini");
        ASSERT_TRUE(QDir(start).mkpath(QStringLiteral("DATA")));
        const std::pair<const char*, QByteArray> units[] = {
            {"a.lin", Sjis("比例\r\n<<spec5\r\n")},
            {"b.lin", Sjis("一次関数\r\n")},
            {"c.LIN", Sjis("比例\r\n")},
            {"d.lin", "\x81\r\n"},
            {"e.txt", Sjis("ほか\r\n")},
            {"f.lin", Sjis("傾き")},
        };
        for (const auto& [name, bytes] : units) {
            WriteBytes(start + QStringLiteral("DATA/") + QLatin1String(name), bytes);
        }
    }

    QTemporaryDir dir;
    QString start;
    QString records;
    ScriptedDialogs dialogs;
};

const QByteArray ThreeUnits = Sjis(
    "[比例]\r\n1=2024年11月05日 10:05 OOXO 03:12\r\n2=2024年11月08日 09:40 OOOO 02:05\r\n"
    "3=2024年11月09日 08:00 XXXX 10:00\r\n[傾き]\r\n1=k1\r\n3=k3\r\n[ほか]\r\n1=x\r\n");

TEST_F(RecordsWindowTest, ListsTheUnitsAndShowsTheRunsOfTheUnitClicked) {
    WriteBytes(records, ThreeUnits);
    QWidget mainWindow;
    mainWindow.setGeometry(200, 150, 640, 480);
    mainWindow.show();
    TfrmKiroku window(start, &mainWindow);
    auto* list = Control<QListWidget>(window, "lstTitle");
    auto* details = Control<QPlainTextEdit>(window, "memDetail");
    const QFont listFont = list->font();
    const QFont memoFont = details->font();
    EXPECT_EQ(QStringList({window.windowTitle(), Control<QLabel>(window, "Label1")->text(),
                           Control<QPushButton>(window, "btnErase")->text(),
                           Control<QPushButton>(window, "btnReturn")->text(), listFont.family(),
                           QString::number(listFont.pixelSize()), memoFont.family(),
                           QString::number(memoFont.pixelSize())})
                  .join(u' '),
              QStringLiteral("実行記録 単元をクリックして下さい 記録消去 戻る ＭＳ ゴシック 15 "
                             "ＭＳ ゴシック 13"));
    EXPECT_EQ(Control<QLabel>(window, "Label1")->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.pos(), mainWindow.frameGeometry().topLeft());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(details->isReadOnly());
    EXPECT_EQ(details->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(details->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    window.show();
    EXPECT_EQ(Rows(window, "lstTitle", u'|'),
              QStringLiteral("3回 比例|0回 一次関数|3回 比例|0回 ？|3回 傾き"));
    EXPECT_EQ(window.Titles().join(u'|'), QStringLiteral("比例|一次関数|比例|？|傾き"));
    // Given: the row clicked. Expected: the memo, runs in number order, "?" for a missing one,
    // and the chart's runs (number, seconds, share of O), which leave out values that do not
    // read.
    const std::tuple<int, const char*, const char*> clicks[] = {
        {2,
         "2024年11月05日 10:05 OOXO 03:12\n2024年11月08日 09:40 OOOO 02:05\n"
         "2024年11月09日 08:00 XXXX 10:00",
         "比例: 1 192 0.75|2 125 1|3 600 0"},
        {4, "k1\n?\nk3", "傾き: "},
        {1, "練習の記録はありません", "一次関数: "},
    };
    for (const auto& [row, memo, chart] : clicks) {
        ClickRow(list, row);
        EXPECT_EQ(details->toPlainText(), QString::fromUtf8(memo)) << row;
        EXPECT_EQ(Chart(window), QString::fromUtf8(chart)) << row;
    }
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_TRUE(details->toPlainText().startsWith(QStringLiteral("2024年11月05日")));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    Press(window, "btnReturn");
    EXPECT_EQ(ClosedWith(window), ModalOk);
    EXPECT_TRUE(details->toPlainText().isEmpty());
    EXPECT_EQ(Chart(window), QStringLiteral(": "));
    // A run recorded since the last showing is counted at the next one.
    ASSERT_EQ(AppendRecord(records, QStringLiteral("一次関数"), QStringLiteral("r")), "");
    window.show();
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("1回 一次関数"));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(ClosedWith(window), ModalCancel);
}

TEST_F(RecordsWindowTest, ErasesTheRecordsOfTheSelectedUnitsAfterAsking) {
    // Given: the rows selected and the answer (Y or N). Expected: the message or question, the
    // counts listed afterwards and the file afterwards ("=" unchanged).
    const char* const rows[][4] = {
        {"", "消去する単元を選んでください", "3 0 3 0 3", "="},
        {"1 3 Y", "記録を消してもいいですか？", "3 0 3 0 3", "="},
        {"0 4 N", "記録を消してもいいですか？", "3 0 3 0 3", "="},
        {"2 4 Y", "記録を消してもいいですか？", "0 0 0 0 0", "[ほか]\r\n1=x\r\n"},
    };
    TfrmKiroku window(start);
    auto* list = Control<QListWidget>(window, "lstTitle");
    auto* details = Control<QPlainTextEdit>(window, "memDetail");
    for (const auto& [given, said, counts, file] : rows) {
        SCOPED_TRACE(given);
        WriteBytes(records, ThreeUnits);
        window.show();
        // The memo shows a unit's runs; the second click takes the selection back.
        ClickRow(list, 2);
        ClickRow(list, 2, Qt::ControlModifier);
        QStringList words = QString::fromUtf8(given).split(u' ', Qt::SkipEmptyParts);
        dialogs.answers = {words.value(words.size() - 1) == u"Y" ? Answer::Yes : Answer::No};
        for (const QString& word : words.mid(0, words.size() - 1)) {
            ClickRow(list, word.toInt(), Qt::ControlModifier);
        }
        dialogs.messages.clear();
        dialogs.questions.clear();
        Press(window, "btnErase");
        EXPECT_EQ(dialogs.messages.join(u',') + dialogs.questions.join(u','),
                  QString::fromUtf8(said));
        EXPECT_EQ(Counts(list), QString::fromUtf8(counts));
        EXPECT_EQ(ReadBytes(records), QByteArray(file) == "=" ? ThreeUnits : Sjis(file));
        EXPECT_EQ(details->toPlainText().isEmpty(), QByteArray(given).endsWith('Y'));
        Press(window, "btnReturn");
    }

    // Another program sharing the folder records a run while the window is open: a click shows
    // it, and an erase takes it with the unit.
    WriteBytes(records, ThreeUnits);
    window.show();
    ASSERT_EQ(AppendRecord(records, QStringLiteral("一次関数"), QStringLiteral("r1")), "");
    ClickRow(list, 1);
    EXPECT_EQ(details->toPlainText(), QStringLiteral("r1"));
    EXPECT_EQ(Counts(list), QStringLiteral("3 1 3 0 3"));
    ASSERT_EQ(AppendRecord(records, QStringLiteral("一次関数"), QStringLiteral("r2")), "");
    dialogs.answers = {Answer::Yes};
    Press(window, "btnErase");
    EXPECT_EQ(ReadBytes(records), ThreeUnits);
    EXPECT_EQ(Counts(list), QStringLiteral("3 0 3 0 3"));
}

TEST_F(RecordsWindowTest, WhatDoesNotReadIsNamedLeftOutAndKeptAndAFailedEraseSaid) {
    // A file whose replacement cannot be made beside it, its name being too long for the
    // temporary name; "Record.ini" leads to it.
    const QString longName = start + QString(248, u'r') + QStringLiteral(".ini");
    WriteBytes(longName, ThreeUnits);
    // Given: the file ("missing", "link" to the file above, or bytes). Expected: the counts
    // listed, the message at showing, the message when every unit is erased, where %1 stands for
    // the records file, and the file afterwards ("=" unchanged).
    const QString unread = QStringLiteral(
        "%1の%2行目は読み込めないため、表示しません（ファイルにはそのまま残します）");
    const std::tuple<const char*, QByteArray, const char*, QString, QString, QByteArray> rows[] = {
        {"missing", {}, "0 0 0 0 0", "", "", "="},
        {"bad Shift-JIS", Sjis("[比例]\r\n1=a\r\n[傾き]\r\n1=") + "\x81\r\n2=b\r\n", "1 0 1 0 2",
         unread.arg("%1", "4"), "", ""},
        // Runs under a header that does not read are never counted as the unit's above.
        {"NUL in a header",
         Sjis("[比例]\r\n1=a\r\n") + Bytes("[\x89\xf3\0\0]\r\n2=x\r\n[ほか]\r\n1=x\r\n"),
         "1 0 1 0 0", unread.arg("%1", "3"), "",
         Bytes("[\x89\xf3\0\0]\r\n2=x\r\n[ほか]\r\n1=x\r\n")},
        {"link",
         {},
         "3 0 3 0 3",
         "",
         QStringLiteral("%1の保存に失敗しました\n記録を消去できませんでした"),
         "="},
    };
    TfrmKiroku window(start);
    auto* list = Control<QListWidget>(window, "lstTitle");
    for (const auto& [name, bytes, counts, shown, erased, after] : rows) {
        SCOPED_TRACE(name);
        QFile::remove(records);
        if (QByteArray(name) == "link") {
            ASSERT_TRUE(QFile::link(longName, records));
        } else if (!bytes.isEmpty()) {
            WriteBytes(records, bytes);
        }
        const QByteArray before = ReadBytes(records);
        dialogs.messages.clear();
        window.show();
        EXPECT_EQ(Counts(list), QString::fromUtf8(counts));
        EXPECT_EQ(dialogs.messages.join(u','), QString(shown).replace("%1", records));
        ClickRow(list, 0);
        EXPECT_FALSE(Control<QPlainTextEdit>(window, "memDetail")->toPlainText().isEmpty());
        EXPECT_EQ(dialogs.messages.size(), shown.isEmpty() ? 0 : 1);  // said once a showing

        dialogs.messages.clear();
        list->selectAll();
        dialogs.answers = {Answer::Yes};
        Press(window, "btnErase");
        EXPECT_EQ(dialogs.messages.join(u','), QString(erased).replace("%1", records));
        EXPECT_EQ(ReadBytes(records), after == "=" ? before : after);
        EXPECT_EQ(ReadBytes(longName), ThreeUnits);
        Press(window, "btnReturn");
    }
}

}  // namespace
