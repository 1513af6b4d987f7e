// The records window over a program folder, driven as a user would: units listed with their runs,
// the runs of the unit clicked, erasing, and records files that are missing, damaged or cannot
// be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "practice/records_window.h"
#include "practice_records.h"
#include "scripted_dialogs.h"
#include "sjis_codec.h"

namespace {

template <size_t N>
QByteArray Bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

QByteArray Sjis(const char* utf8) {
    return EncodeCp932(QString::fromUtf8(utf8)).bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

QString Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items.append(list->item(i)->text());
    }
    return items.join(u'|');
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
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
    QStringList captions{window.windowTitle(), window.Label1->text(), window.btnErase->text(),
                         window.btnReturn->text()};
    EXPECT_EQ(captions.join(u' '),
              QStringLiteral("実行記録 単元をクリックして下さい 記録消去 戻る"));
    EXPECT_EQ(window.Label1->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.pos(), mainWindow.frameGeometry().topLeft());
    const QFont listFont = window.lstTitle->font();
    const QFont memoFont = window.memDetail->font();
    EXPECT_EQ(listFont.family() + QString::number(listFont.pixelSize()) + u' ' + memoFont.family() +
                  QString::number(memoFont.pixelSize()),
              QStringLiteral("ＭＳ ゴシック15 ＭＳ ゴシック13"));
    EXPECT_EQ(window.lstTitle->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(window.memDetail->isReadOnly());
    EXPECT_EQ(window.memDetail->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(window.memDetail->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    window.show();
    EXPECT_EQ(Items(window.lstTitle),
              QStringLiteral("3回 比例|0回 一次関数|3回 比例|0回 ？|3回 傾き"));
    EXPECT_EQ(window.Titles().join(u'|'), QStringLiteral("比例|一次関数|比例|？|傾き"));
    // Given: the row clicked. Expected: the memo, runs in number order, "?" for a missing one.
    const std::pair<int, const char*> clicks[] = {
        {0,
         "2024年11月05日 10:05 OOXO 03:12\n2024年11月08日 09:40 OOOO 02:05\n"
         "2024年11月09日 08:00 XXXX 10:00"},
        {1, "練習の記録はありません"},
        {4, "k1\n?\nk3"},
        {3, "練習の記録はありません"},
        {2,
         "2024年11月05日 10:05 OOXO 03:12\n2024年11月08日 09:40 OOOO 02:05\n"
         "2024年11月09日 08:00 XXXX 10:00"},
    };
    for (const auto& [row, memo] : clicks) {
        SCOPED_TRACE(row);
        ClickRow(window.lstTitle, row);
        EXPECT_EQ(window.memDetail->toPlainText(), QString::fromUtf8(memo));
    }
    QTest::keyClick(window.lstTitle, Qt::Key_Down);
    EXPECT_EQ(window.memDetail->toPlainText(), QStringLiteral("練習の記録はありません"));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    window.btnReturn->click();
    EXPECT_EQ(ClosedWith(window), ModalOk);
    EXPECT_TRUE(window.memDetail->toPlainText().isEmpty());

    // A run recorded since the last showing is counted at the next one.
    ASSERT_EQ(AppendRecord(records, QStringLiteral("一次関数"), QStringLiteral("r")), "");
    window.show();
    EXPECT_EQ(window.lstTitle->item(1)->text(), QStringLiteral("1回 一次関数"));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(ClosedWith(window), ModalCancel);
}

TEST_F(RecordsWindowTest, ErasesTheRecordsOfTheSelectedUnitsAfterAsking) {
    // Given: the rows selected and the answer. Expected: message, question, the list afterwards
    // and the file afterwards ("=" for unchanged).
    struct Row {
        std::vector<int> selected;
        Answer answer;
        const char* message;
        const char* question;
        const char* list;
        const char* file;
    };
    const char* const ask = "記録を消してもいいですか？";
    const char* const unchanged = "3回 比例|0回 一次関数|3回 比例|0回 ？|3回 傾き";
    const Row rows[] = {
        {{}, Answer::Yes, "消去する単元を選んでください", "", unchanged, "="},
        {{1}, Answer::Yes, "", ask, unchanged, "="},
        {{1, 3}, Answer::Yes, "", ask, unchanged, "="},
        {{0, 4}, Answer::No, "", ask, unchanged, "="},
        {{0, 4},
         Answer::Yes,
         "",
         ask,
         "0回 比例|0回 一次関数|0回 比例|0回 ？|0回 傾き",
         "[ほか]\r\n1=x\r\n"},
        {{1, 2},
         Answer::Yes,
         "",
         ask,
         "0回 比例|0回 一次関数|0回 比例|0回 ？|3回 傾き",
         "[傾き]\r\n1=k1\r\n3=k3\r\n[ほか]\r\n1=x\r\n"},
    };
    TfrmKiroku window(start);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.list);
        WriteBytes(records, ThreeUnits);
        window.show();
        for (const int r : row.selected) {
            ClickRow(window.lstTitle, r, Qt::ControlModifier);
        }
        EXPECT_EQ(window.lstTitle->selectedItems().size(), int(row.selected.size()));
        dialogs.messages.clear();
        dialogs.questions.clear();
        dialogs.answers = {row.answer};
        window.btnErase->click();
        EXPECT_EQ(dialogs.messages.join(u','), QString::fromUtf8(row.message));
        EXPECT_EQ(dialogs.questions.join(u','), QString::fromUtf8(row.question));
        EXPECT_EQ(Items(window.lstTitle), QString::fromUtf8(row.list));
        EXPECT_EQ(ReadBytes(records), QByteArray(row.file) == "=" ? ThreeUnits : Sjis(row.file));
        if (row.answer == Answer::Yes && !row.selected.empty()) {
            EXPECT_TRUE(window.memDetail->toPlainText().isEmpty());
        }
        window.btnReturn->click();
    }
}

TEST_F(RecordsWindowTest, DamagedOrUnwritableRecordsAreListedAsFarAsTheyReadAndKept) {
    // A file whose replacement cannot be made beside it: its name is too long for the temporary
    // name, and "Record.ini" leads to it.
    const QString longName = start + QString(248, u'r') + QStringLiteral(".ini");
    WriteBytes(longName, ThreeUnits);
    // Given: the file ("missing", "link" to the file above, or bytes). Expected: the list, the
    // memo of 比例, the message at showing, the message when every unit is erased (%1 stands for
    // the records file) and the file afterwards ("=" unchanged).
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* list;
        const char* memo;
        const char* shown;
        const char* erased;
        const char* after = "=";
    };
    const char* const none = "練習の記録はありません";
    const char* const zeros = "0回 比例|0回 一次関数|0回 比例|0回 ？|0回 傾き";
    const Row rows[] = {
        {"missing", {}, zeros, none, "", ""},
        {"no sections", "1=a\r\n2=b\r\n", zeros, none, "", ""},
        {"line without =", Sjis("[比例]\r\n1=a\r\nrubbish\r\n2=b\r\n"),
         "2回 比例|0回 一次関数|2回 比例|0回 ？|0回 傾き", "a\nb", "", "", ""},
        {"bad Shift-JIS", Sjis("[比例]\r\n1=a\r\n[傾き]\r\n1=") + "\x81\r\n2=b\r\n",
         "1回 比例|0回 一次関数|1回 比例|0回 ？|0回 傾き", "a",
         "%1は正しいShift-JISのテキストではありません（24バイト目）",
         "%1は正しいShift-JISのテキストではありません（24バイト目）\n記録を消去できませんでした"},
        {"binary", Sjis("[比例]\r\n1=a\r\n") + Bytes("\0\0\x7f\x10[B]\r\n"),
         "1回 比例|0回 一次関数|1回 比例|0回 ？|0回 傾き", "a",
         "%1はテキストファイルではありません（14バイト目）",
         "%1はテキストファイルではありません（14バイト目）\n記録を消去できませんでした"},
        {"link",
         {},
         "3回 比例|0回 一次関数|3回 比例|0回 ？|3回 傾き",
         "2024年11月05日 10:05 OOXO 03:12\n2024年11月08日 09:40 OOOO 02:05\n"
         "2024年11月09日 08:00 XXXX 10:00",
         "",
         "%1の保存に失敗しました\n記録を消去できませんでした"},
    };
    TfrmKiroku window(start);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(records);
        if (QByteArray(row.name) == "link") {
            ASSERT_TRUE(QFile::link(longName, records));
        } else if (QByteArray(row.name) != "missing") {
            WriteBytes(records, row.bytes);
        }
        const QByteArray before = ReadBytes(records);
        dialogs.messages.clear();
        window.show();
        EXPECT_EQ(dialogs.messages.join(u','), QString::fromUtf8(row.shown).replace("%1", records));
        EXPECT_EQ(Items(window.lstTitle), QString::fromUtf8(row.list));
        ClickRow(window.lstTitle, 0);
        EXPECT_EQ(window.memDetail->toPlainText(), QString::fromUtf8(row.memo));

        dialogs.messages.clear();
        window.lstTitle->selectAll();
        dialogs.answers = {Answer::Yes};
        window.btnErase->click();
        EXPECT_EQ(dialogs.messages.join(u','),
                  QString::fromUtf8(row.erased).replace("%1", records));
        EXPECT_EQ(ReadBytes(records), QByteArray(row.after) == "=" ? before : Sjis(row.after));
        EXPECT_EQ(ReadBytes(longName), ThreeUnits);
        window.btnReturn->click();
    }
}

}  // namespace
