// The unit title window and the catalogue editor, driven as a user would over a folder of units.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "control_driver.h"
#include "ini_file.h"
#include "scripted_dialogs.h"
#include "sjis_codec.h"
#include "units/edit_ques_window.h"
#include "units/new_work_window.h"

namespace {

void WriteSjis(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeCp932(text).bytes);
}

QString ReadSjis(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? DecodeCp932(file.readAll()).text : QString();
}

// Units "file=title" in DATA below start; the title "-" stands for bytes that are not Shift-JIS.
void WriteUnits(const QString& start, const QStringList& units) {
    QDir(start).mkpath(QStringLiteral("DATA"));
    for (const QString& unit : units) {
        const QString path = start + QStringLiteral("DATA/") + unit.section(u'=', 0, 0);
        const QString title = unit.section(u'=', 1);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(title == u"-" ? QByteArray("\x81\r\n")
                                 : EncodeCp932(title + QStringLiteral("\r\n")).bytes);
    }
}

void Click(QListWidget* list, const QString& text) {
    const QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
    ASSERT_NE(item, nullptr) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// The window's title, then name=caption of its buttons and labels in the order they were made.
QString Captions(const QWidget& window) {
    QStringList all{window.windowTitle()};
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            all.append(button->objectName() + u'=' + button->text());
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            all.append(label->objectName() + u'=' + label->text());
        }
    }
    return all.join(u' ');
}

int ClosedWith(const QDialog& window) {
    return window.isVisible() ? -1 : window.result();
}

TEST(NewWorkWindow, RefusesOrConfirmsTheTitleOnOK) {
    QTemporaryDir dir;
    const QString start = dir.path() + u'/';
    WriteUnits(start, {"b.lin=一次関数", "a.LIN=比例", "c.txt=ほか", "d.lin=-", "f.lin=1～3の単元",
                       "g.lin=Unit"});
    // Given: the typed title and the answers to the questions. Expected: the messages, the
    // questions, the result (-1 still open), NewUnitTitle and the control with the focus. Dashes
    // typed by an input method on Linux are taken as Shift-JIS's own before anything else.
    const std::pair<const char*, const char*> rows[] = {
        {"", "単元名を入力してください||-1||edtTangen"},
        {"比例 N", "|同じ単元名がありますが、いいですか？|-1||edtTangen"},
        {"比例 Y", "|同じ単元名がありますが、いいですか？|1|比例|lstTitle"},
        {"比例[1]", "単元名に「[」や「]」は使えません||-1||edtTangen"},
        {"x\U0001F600", "「\U0001F600」はShift-JISで保存できない文字です||-1||edtTangen"},
        {"比例２", "||1|比例２|lstTitle"},
        // Letter case does not tell two units' records apart.
        {"uNIT N", "|同じ単元名がありますが、いいですか？|-1||edtTangen"},
        {"1\u301C3の単元 N", "|同じ単元名がありますが、いいですか？|-1||edtTangen"},
        {"1\u301C3の単元 Y", "|同じ単元名がありますが、いいですか？|1|1\uFF5E3の単元|lstTitle"},
        {"\u2016\u2212\u00A2\u00A3\u00AC\u2014",
         "||1|\u2225\uFF0D\uFFE0\uFFE1\uFFE2\u2015|lstTitle"},
        {"1\u301C3,", "単元名に「,」は使えません||-1||edtTangen"},
        // A title pasted with its line break is one line of the file, as the box shows it.
        {"比例の\r\n続き", "||1|比例の  続き|lstTitle"},
    };
    ScriptedDialogs dialogs;
    TfrmNewWork window;
    EXPECT_EQ(Captions(window), QStringLiteral("単元名入力 Label1=単元名を入力してください "
                                               "Label2=登録済みの単元名 btnOK=OK btnCancel=ｷｬﾝｾﾙ"));
    window.SetFolder(start + QStringLiteral("DATA"));
    window.SetCurrentTitle(QStringLiteral("今の単元"));
    auto* titles = Control<QListWidget>(window, "lstTitle");
    auto* title = Control<QLineEdit>(window, "edtTangen");
    for (const auto& [given, expected] : rows) {
        SCOPED_TRACE(given);
        dialogs.messages.clear();
        dialogs.questions.clear();
        QStringList words = QString::fromUtf8(given).split(u' ');
        window.NewUnitTitle.clear();
        window.show();
        EXPECT_EQ(Rows(window, "lstTitle"), QStringLiteral("比例 一次関数 ？ 1～3の単元 Unit"));
        EXPECT_EQ(title->text(), QStringLiteral("今の単元"));
        EXPECT_EQ(window.focusWidget(), title);
        title->setText(words.takeFirst());
        for (const QString& answer : words) {
            dialogs.answers.push_back(answer == u"Y" ? Answer::Yes : Answer::No);
        }
        titles->setFocus();
        Press(window, "btnOK");
        const QStringList seen{dialogs.messages.join(u','), dialogs.questions.join(u','),
                               QString::number(ClosedWith(window)), window.NewUnitTitle,
                               window.focusWidget()->objectName()};
        EXPECT_EQ(seen.join(u'|'), QString::fromUtf8(expected));
        Press(window, "btnCancel");
        EXPECT_EQ(ClosedWith(window), ModalCancel);
    }

    // A click copies a title, Return is OK, Escape closes; a unit saved in between is listed.
    window.show();
    Click(titles, QStringLiteral("一次関数"));
    dialogs.answers.push_back(Answer::Yes);
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(window.NewUnitTitle + QString::number(ClosedWith(window)),
              QStringLiteral("一次関数1"));
    WriteUnits(start, {"e.lin=比例の続き"});
    window.show();
    EXPECT_EQ(Rows(window, "lstTitle"),
              QStringLiteral("比例 一次関数 ？ 比例の続き 1～3の単元 Unit"));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(ClosedWith(window), QDialog::Rejected);
}

// A program folder with a catalogue of three units, one of whose files is missing, and two units
// that the catalogue does not list.
class EditQuesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        start = dir.path() + u'/';
        WriteUnits(start, {QStringLiteral("hirei.lin=比例"), QStringLiteral("ichiji.lin=一次関数"),
                           QStringLiteral("ten.lin=点をとる"), QStringLiteral("bunsu.lin=分数"),
                           QStringLiteral("old.que=古い形式")});
        WriteSjis(
            start + QStringLiteral("Index.ini"),
            QStringLiteral("[Index]\r\n1=比例,DATA\\hirei.lin\r\n2=消えた単元,DATA\\gone.lin\r\n"
                           "3=一次関数,DATA/ichiji.lin\r\n[other]\r\nx=1\r\n"));
        catalog = ParseCatalog(
            IniFile(start + QStringLiteral("Index.ini")).ReadSectionLines(QStringLiteral("index")));
    }

    // Messages shown since the last call, the two lists and the two file labels.
    QString Seen(const TfrmEditQues& window) {
        const QString seen =
            QStringList{dialogs.messages.join(u','), Rows(window, "lstIndexList"),
                        Rows(window, "lstTitle"), Control<QLabel>(window, "lblLeftFile")->text(),
                        Control<QLabel>(window, "lblFileName")->text()}
                .join(u'|');
        dialogs.messages.clear();
        return seen;
    }

    // Runs words: "Add", "Ins", "Cut", "OK", or L: / R: and a title to click on the left / right.
    void Run(TfrmEditQues& window, const QString& words) {
        for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
            if (word.startsWith(u"L:") || word.startsWith(u"R:")) {
                Click(Control<QListWidget>(window, word[0] == u'L' ? "lstIndexList" : "lstTitle"),
                      word.mid(2));
            } else {
                const QString name =
                    QStringLiteral("btn") + (word == u"Ins" ? QStringLiteral("Insert") : word);
                Press(window, name.toLatin1().constData());
            }
        }
    }

    QTemporaryDir dir;
    QString start;
    UnitCatalog catalog;
    ScriptedDialogs dialogs;
};

TEST_F(EditQuesTest, EveryButtonMovesOrRefusesAndOKWritesTheRealTitles) {
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 800, 600);
    TfrmEditQues window(catalog, start, &mainWindow);
    EXPECT_EQ(Captions(window),
              QStringLiteral("練習問題の編集 Label1=登録済の単元リスト lblLeftFile= "
                             "Label2=未登録の単元リスト lblFileName= btnAdd=<<=追　加　 "
                             "btnInsert=<==挿　入 btnCut===>削　除 btnHelp=ヘルプ btnOK=OK "
                             "btnCancel=ｷｬﾝｾﾙ"));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(Control(window, "btnHelp")->isEnabled());
    EXPECT_EQ(Control<QLabel>(window, "lblFileName")->textFormat(), Qt::PlainText);
    const QString shown = QStringLiteral(
        "消えた単元 DATA\\gone.linが見つかりません|比例 消えた単元？？？ 一次関数|分数 点をとる||");
    window.show();
    EXPECT_EQ(window.frameGeometry().center(), mainWindow.frameGeometry().center());
    EXPECT_EQ(Seen(window), shown);

    const std::pair<const char*, const char*> rows[] = {
        {"Add", "追加する項目が指定されていません|比例 消えた単元？？？ 一次関数|分数 点をとる||"},
        {"Ins",
         "挿入する項目(右側)を指定してください|比例 消えた単元？？？ 一次関数|分数 点をとる||"},
        {"R:点をとる Ins",
         "挿入場所（左側）を指定してください|比例 消えた単元？？？ 一次関数|分数 点をとる||"
         "DATA\\ten.lin"},
        {"Cut",
         "切り取る項目が指定されていません|比例 消えた単元？？？ 一次関数|分数 点をとる||"
         "DATA\\ten.lin"},
        {"L:一次関数",
         "|比例 消えた単元？？？ 一次関数|分数 点をとる|DATA/ichiji.lin|DATA\\ten.lin"},
        {"Ins", "|比例 消えた単元？？？ 点をとる 一次関数|分数||"},
        {"R:分数 Add", "|比例 消えた単元？？？ 点をとる 一次関数 分数|||"},
        {"L:消えた単元？？？ Cut", "|比例 点をとる 一次関数 分数|消えた単元？？？||"},
        {"R:消えた単元？？？", "|比例 点をとる 一次関数 分数|消えた単元？？？||DATA\\gone.lin"},
        {"Add", "|比例 点をとる 一次関数 分数 消えた単元？？？|||"},
    };
    for (const auto& [words, expected] : rows) {
        Run(window, QString::fromUtf8(words));
        EXPECT_EQ(Seen(window), QString::fromUtf8(expected)) << words;
    }
    Press(window, "btnOK");
    EXPECT_EQ(ClosedWith(window), ModalOk);
    EXPECT_EQ(ReadSjis(start + QStringLiteral("Index.ini")),
              QStringLiteral("[Index]\r\n1=比例,DATA\\hirei.lin\r\n"
                             "2=点をとる,DATA\\ten.lin\r\n3=一次関数,DATA/ichiji.lin\r\n"
                             "4=分数,DATA\\bunsu.lin\r\n5=消えた単元,DATA\\gone.lin\r\n"
                             "[other]\r\nx=1\r\n"));
    EXPECT_EQ(catalog.count, 5);
    EXPECT_EQ(catalog.UnitNames[4] + catalog.UnitFiles[3],
              QStringLiteral("消えた単元DATA\\bunsu.lin"));

    // The mark is shown again, once, and the message with it.
    window.show();
    EXPECT_EQ(Seen(window),
              QStringLiteral("消えた単元 DATA\\gone.linが見つかりません|比例 点をとる "
                             "一次関数 分数 消えた単元？？？|||"));
}

TEST_F(EditQuesTest, AddAndInsertStopAtTwentyButNoEntryIsLost) {
    // Given: catalogued units t1 … tn (all there) and the user's words. Expected: the messages,
    // then the number of entries that OK writes with the first and the last.
    const std::tuple<int, const char*, const char*, const char*> rows[] = {
        {19, "R:分数 Add R:点をとる Add", "項目数は２０以下です",
         "20 1=t1,DATA/t1.lin 20=分数,DATA\\bunsu.lin"},
        {19, "R:分数 L:t1 Ins R:点をとる L:t1 Ins", "項目数は２０以下です",
         "20 1=分数,DATA\\bunsu.lin 20=t19,DATA/t19.lin"},
        {22, "R:分数 Add L:t1 Cut R:分数 Add", "項目数は２０以下です,項目数は２０以下です",
         "21 1=t2,DATA/t2.lin 21=t22,DATA/t22.lin"},
    };
    for (const auto& [n, words, messages, written] : rows) {
        SCOPED_TRACE(words);
        std::vector<CatalogEntry> entries;
        for (int i = 1; i <= n; ++i) {
            WriteUnits(start, {QStringLiteral("t%1.lin=t%1").arg(i)});
            entries.push_back(
                {QStringLiteral("t%1").arg(i), QStringLiteral("DATA/t%1.lin").arg(i)});
        }
        ASSERT_EQ(WriteCatalog(start + QStringLiteral("Index.ini"), entries, catalog,
                               QStringList(catalog.CatalogIndex))
                      .problem,
                  QString());
        TfrmEditQues window(catalog, start);
        window.show();
        EXPECT_EQ(Control<QListWidget>(window, "lstIndexList")->count(), n);
        dialogs.messages.clear();
        Run(window, QString::fromUtf8(words) + QStringLiteral(" OK"));
        EXPECT_EQ(dialogs.messages.join(u','), QString::fromUtf8(messages));
        EXPECT_EQ(ClosedWith(window), ModalOk);
        const QStringList lines =
            IniFile(start + QStringLiteral("Index.ini")).ReadSectionLines(QStringLiteral("index"));
        EXPECT_EQ(QStringList({QString::number(lines.size()), lines.value(0),
                               lines.value(lines.size() - 1)})
                      .join(u' '),
                  QString::fromUtf8(written));
        EXPECT_EQ(catalog.CatalogIndex, lines);
    }
}

// A unit whose title cannot name a records section is refused; one whose runs a listed unit would
// share is not offered; an OK that cannot be written, or would undo another program's change of
// the catalogue, keeps the window open and writes nothing.
TEST_F(EditQuesTest, RefusedOKKeepsTheWindowTheFileAndTheCatalogue) {
    WriteUnits(start,
               {QStringLiteral("\U0001F600.lin=絵文字"), QStringLiteral("br.lin=比例]反比例"),
                QStringLiteral("blank.lin= 比例 "), QStringLiteral("easy.lin=やさしい練習")});
    const QString path = start + QStringLiteral("Index.ini");
    const QString before = ReadSjis(path);
    const QStringList lines = catalog.CatalogIndex;
    TfrmEditQues window(catalog, start);
    window.show();
    Run(window, QStringLiteral("R:比例]反比例 Add"));
    EXPECT_EQ(Seen(window),
              QStringLiteral("消えた単元 DATA\\gone.linが見つかりません,"
                             "単元名に「[」や「]」は使えません|"
                             "比例 消えた単元？？？ 一次関数|"
                             "比例]反比例 分数 やさしい練習 点をとる 絵文字||DATA\\br.lin"));
    Run(window, QStringLiteral("R:絵文字 Add OK"));
    EXPECT_EQ(
        dialogs.messages.last(),
        QStringLiteral("DATA\\\U0001F600.lin\n「\U0001F600」はShift-JISで保存できない文字です"));
    EXPECT_EQ(ClosedWith(window), -1);
    EXPECT_EQ(ReadSjis(path), before);
    EXPECT_EQ(catalog.CatalogIndex, lines);

    // Meanwhile another program adds a unit: this showing's edits are given up, its are kept.
    WriteSjis(path,
              QString(before).replace(QStringLiteral("[other]"),
                                      QStringLiteral("4=やさしい練習,DATA\\easy.lin\r\n[other]")));
    const QString changed = ReadSjis(path);
    dialogs.messages.clear();
    Run(window, QStringLiteral("L:絵文字 Cut L:一次関数 Cut OK"));
    EXPECT_EQ(
        Seen(window),
        QDir::toNativeSeparators(path) +
            QStringLiteral(
                "はほかのプログラムで変更されました。読み直してから、もう一度編集してください,"
                "消えた単元 DATA\\gone.linが見つかりません|"
                "比例 消えた単元？？？ 一次関数 やさしい練習|"
                "比例]反比例 分数 点をとる 絵文字||"));
    EXPECT_EQ(ReadSjis(path), changed);
    EXPECT_EQ(ClosedWith(window), -1);
    Press(window, "btnCancel");
    EXPECT_EQ(ClosedWith(window), ModalCancel);
    EXPECT_EQ(catalog.UnitNames[3], QStringLiteral("やさしい練習"));
}

// A unit whose title holds "," is refused as typing refuses it; a catalogue line that did not read
// is written back as it stood, under its new number.
TEST_F(EditQuesTest, ACommaTitleIsRefusedAndAnUnreadLineKeepsItsText) {
    WriteUnits(start, {QStringLiteral("comma.lin=比例,反比例")});
    WriteSjis(start + QStringLiteral("Index.ini"),
              QStringLiteral("[Index]\r\n1=比例,DATA\\hirei.lin\r\n3=コンマなし\r\n"
                             "4=一次関数,DATA/ichiji.lin\r\n"));
    catalog = ParseCatalog(
        IniFile(start + QStringLiteral("Index.ini")).ReadSectionLines(QStringLiteral("index")));
    TfrmEditQues window(catalog, start);
    window.show();
    EXPECT_EQ(Seen(window), QStringLiteral("? ?が見つかりません|比例 ?？？？ 一次関数|"
                                           "分数 比例,反比例 点をとる||"));
    const std::pair<const char*, const char*> rows[] = {
        {"R:比例,反比例 Add",
         "単元名に「,」は使えません|比例 ?？？？ 一次関数|分数 比例,反比例 点をとる||"
         "DATA\\comma.lin"},
        {"L:一次関数 Ins",
         "単元名に「,」は使えません|比例 ?？？？ 一次関数|分数 比例,反比例 点をとる|"
         "DATA/ichiji.lin|DATA\\comma.lin"},
        {"L:比例 Cut R:分数 Add", "|?？？？ 一次関数 分数|比例,反比例 点をとる 比例||"},
    };
    for (const auto& [words, expected] : rows) {
        Run(window, QString::fromUtf8(words));
        EXPECT_EQ(Seen(window), QString::fromUtf8(expected)) << words;
    }
    Press(window, "btnOK");
    EXPECT_EQ(ClosedWith(window), ModalOk);
    EXPECT_EQ(ReadSjis(start + QStringLiteral("Index.ini")),
              QStringLiteral("[Index]\r\n1=コンマなし\r\n2=一次関数,DATA/ichiji.lin\r\n"
                             "3=分数,DATA\\bunsu.lin\r\n"));
    // Shown again, the line is still the one that did not read.
    window.show();
    EXPECT_EQ(Seen(window), QStringLiteral("? ?が見つかりません|?？？？ 一次関数 分数|"
                                           "比例,反比例 比例 点をとる||"));
}

}  // namespace
