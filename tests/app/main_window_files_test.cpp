// The file commands as a teacher uses them: save under a unit title, overwrite, the prompts,
// failed writes, opening good and bad files, edits of the unit contents, opening by title.
#include <functional>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "graph_file.h"
#include "plane/image_view.h"
#include "shiki_list.h"
#include "sjis_codec.h"
#include "tangen_window.h"
#include "test_files.h"
#include "units/new_work_window.h"
#include "units/tangen_open_window.h"
#include "window_fixture.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A format-5 unit with the given title and one line per row of lines (x1, y1, x2, y2).
QByteArray UnitFile(const QString& title, std::initializer_list<std::array<int, 4>> lines) {
    QStringList text{title, "<<spec5", "-99",  "-99",   "-99", "-99", "16", "8",    "True",
                     "5",   "5",       "True", "-----", "99",  "99",  "1",  "True", ">>"};
    for (const auto& l : lines) {
        TLineSpec g;
        g.P1 = {l[0], l[1]};
        g.P2 = {l[2], l[3]};
        g.Color = 255;
        g.Text = EquationText(g, EquationForm::Standard);
        text += QStringList{QStringLiteral("255,16"),
                            g.Text,
                            QStringLiteral("%1,%2").arg(l[0]).arg(l[1]),
                            QStringLiteral("%1,%2").arg(l[2]).arg(l[3]),
                            "0,0",
                            "0,0"};
    }
    return EncodeCp932(text.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes;
}

class FilesTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        window->StartDir = dir.path() + u'/';
        QDir(dir.path()).mkdir(QStringLiteral("DATA"));
    }
    QString Data(const QString& name) const { return dir.path() + QStringLiteral("/DATA/") + name; }
    // The unit title window answers with this title and OK.
    void AnswerTitle(const QString& title) {
        dialogs.modalScript = [title](QDialog& dialog) {
            auto* titleWindow = dynamic_cast<TfrmNewWork*>(&dialog);
            if (titleWindow == nullptr) {
                return int(ModalCancel);
            }
            dialog.show();
            Control<QLineEdit>(*titleWindow, "edtTangen")->setText(title);
            ::Press(*titleWindow, "btnOK");
            return dialog.result();
        };
    }
    QTemporaryDir dir;
};

TEST_F(FilesTest, SavingUnderATitleThenOverwriting) {
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    AnswerTitle(QStringLiteral("一次関数"));
    dialogs.files = {Data("first.txt")};  // a wrong extension becomes .lin
    Press("spdOverWrite");
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral(".txt拡張子は.linまたは.CAIを使ってください")});
    EXPECT_EQ(dialogs.fileDialogs, QStringList{Data(QString()) + QStringLiteral("|Graph1.lin")});
    const QByteArray saved = Bytes(Data("first.lin"));
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_TRUE(saved.startsWith(EncodeCp932(QStringLiteral("一次関数\r\n<<spec5\r\n")).bytes));
    EXPECT_EQ(saved.count("\r\n"), 18 + 6);
    EXPECT_TRUE(window->Doc.Saved());
    EXPECT_FALSE(window->Doc.FirstSaveDialog());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane Tesmara   ：   ") + Data("first.lin"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->text(), QStringLiteral("一次関数"));

    // The second overwrite save writes without asking.
    window->AddOrReplaceLine(Line(0, 0, 1, 2), -1);
    Press("spdOverWrite");
    EXPECT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(Bytes(Data("first.lin")).count("\r\n"), 18 + 12);

    // Save as onto an existing file: No asks again, Yes replaces it.
    AnswerTitle(QStringLiteral("比例の単元"));
    dialogs.files = {Data("first.lin"), Data("first.lin")};
    dialogs.answers = {Answer::No, Answer::Yes};
    window->AddOrReplaceLine(Line(0, 1, 1, 1), -1);
    Press("mnuSave");
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(dialogs.questions[0], Data("first.lin") + QStringLiteral("上書きしてもいいですか"));
    EXPECT_EQ(Bytes(Data("first.lin")).count("\r\n"), 18 + 18);
}

TEST_F(FilesTest, AFailedWriteKeepsTheOldFileAndTheDrawingUnsaved) {
    // A name so long that the file can exist but no temporary file beside it can be made.
    const QString longName = Data(QString(250, u'a') + QStringLiteral(".lin"));
    WriteBytes(longName, "old contents");
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    AnswerTitle(QStringLiteral("単元"));
    dialogs.files = {longName};
    dialogs.answers = {Answer::Yes};
    const QString caption = window->windowTitle();
    Press("mnuSave");
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.last(), longName + QStringLiteral("の保存に失敗しました"));
    EXPECT_EQ(Bytes(longName), QByteArray("old contents"));
    EXPECT_FALSE(window->Doc.Saved());
    EXPECT_EQ(window->windowTitle(), caption);
    // Within the save prompt a failed write counts as Cancel: nothing is replaced.
    AnswerTitle(QStringLiteral("単元"));
    dialogs.files = {longName};
    dialogs.answers = {Answer::Yes, Answer::Yes};
    EXPECT_EQ(window->AskSaveChanges(), Answer::Cancel);
}

TEST_F(FilesTest, SavePromptAndCloseQuery) {
    EXPECT_EQ(window->AskSaveChanges(), Answer::No);  // nothing to save
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("現在のデータを保存しますか")});
    dialogs.answers = {Answer::No};
    Press("mnuNewFile");
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->text(), QStringLiteral("新しい単元"));
    EXPECT_TRUE(window->Doc.FirstSaveDialog());
    EXPECT_EQ(dialogs.messages, QStringList{});
    Press("spdOverWrite");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("保存するﾃﾞｰﾀがありません")});
}

TEST_F(FilesTest, OpeningGoodAndBadFiles) {
    WriteBytes(Data("good.lin"), UnitFile(QStringLiteral("比例"), {{0, 0, 1, 2}, {0, 1, 2, 2}}));
    QByteArray hundredOne;
    {
        QStringList many;
        for (int i = 0; i < 101; ++i) {
            many << QStringLiteral("255,16") << QStringLiteral("y=x") << QStringLiteral("0,0")
                 << QStringLiteral("1,1") << QStringLiteral("0,0") << QStringLiteral("0,0");
        }
        hundredOne = UnitFile(QStringLiteral("多い"), {}) +
                     EncodeCp932(many.join(QStringLiteral("\r\n"))).bytes;
    }
    WriteBytes(Data("many.lin"), hundredOne);
    WriteBytes(Data("empty.lin"), QByteArray());
    WriteBytes(Data("binary.lin"), QByteArray("\x81\x00\xff\xfe", 4));
    QByteArray bad = UnitFile(QStringLiteral("壊れた"), {{0, 0, 1, 2}});
    bad.replace("0,0\r\n1,2", "0,x\r\n1,2");
    WriteBytes(Data("bad.lin"), bad);

    // A cancelled open of a new drawing keeps the next overwrite save asking for a name.
    Press("mnuOpenFile");
    EXPECT_TRUE(window->Doc.FirstSaveDialog());

    dialogs.files = {Data("good")};  // typed without its extension
    Press("mnuOpenFile");
    ASSERT_EQ(window->Doc.Table().LineCount, 2);
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki"))[1], QStringLiteral("y=1/2･x+1"));
    EXPECT_EQ(window->Doc.Plane().SpacingY, QStringLiteral("8"));
    EXPECT_FALSE(window->Doc.FirstSaveDialog());
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblFileName")->text(), Data("good.lin"));
    const QStringList memo = window->Doc.Table().Memo;
    const PlaneSettings settings = window->Doc.Plane();
    struct Row {
        const char* file;
        const char* message;  // after the path
    } rows[] = {
        {"many.lin", "には100個より多いグラフがあるため読み込めません"},
        {"empty.lin", "にはグラフがありません"},
        {"binary.lin", "の1行目が正しくありません：Shift-JISの文字として読めないバイトがあります"},
        {"bad.lin", "の21行目が正しくありません：「0,x」は整数ではありません"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        dialogs.messages.clear();
        EXPECT_FALSE(window->OpenFile(Data(QString::fromUtf8(r.file))));
        EXPECT_EQ(dialogs.messages,
                  QStringList{Data(QString::fromUtf8(r.file)) + QString::fromUtf8(r.message)});
        EXPECT_EQ(window->Doc.Table().Memo, memo);
        EXPECT_EQ(window->Doc.Table().LineCount, 2);
        EXPECT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 2);
        EXPECT_EQ(window->Doc.Plane(), settings);
    }
}

TEST_F(FilesTest, EditedUnitContentsAreTakenOnlyWhenTheyRead) {
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    window->Doc.MarkSaved();
    auto typeMemo = [&](const QString& text) {
        dialogs.modalScript = [&, text](QDialog& dialog) {
            dialog.show();
            OwnedUi<QPlainTextEdit>("frmTangen", "memFile")->setPlainText(text);
            ::Press(*Owned<QWidget>("frmTangen"), "btnReturn");
            return dialog.result();
        };
        Press("mnuShowTangen");
    };
    const QStringList before = window->Doc.Table().Memo;
    typeMemo(QStringLiteral("単元\n255,16\ny=x\n0,0\n1,1\n0,0\n0,x"));
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("単元の内容の7行目が正しくありません：「0,x」は整数ではありません"));
    EXPECT_EQ(window->Doc.Table().Memo, before);
    typeMemo(QStringLiteral("単元\n255,16\ny=x\n0,0\n1,1\n0,0\n0,0\n☃"));
    EXPECT_TRUE(dialogs.messages.last().startsWith(QStringLiteral("単元の内容の8行目：")));
    EXPECT_EQ(window->Doc.Table().Memo, before);
    EXPECT_TRUE(window->Doc.Saved());
    // A memo that reads replaces the drawing; a trailing line that makes no graph stays. Dashes
    // that an input method on Linux types are kept as Shift-JIS holds them.
    typeMemo(QStringLiteral("単元1\u301C3\n255,16\ny=x\n0,0\n1,1\n0,0\n0,0\nメモ\u2014"));
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki"))[0], QStringLiteral("y=x"));
    EXPECT_EQ(window->Doc.Table().Memo.first(), QStringLiteral("単元1\uFF5E3"));
    EXPECT_EQ(window->Doc.Table().Memo.last(), QStringLiteral("メモ\u2015"));
    EXPECT_FALSE(window->Doc.Saved());
}

TEST_F(FilesTest, OpeningByTitleWithThePreview) {
    WriteBytes(Data("a.lin"), UnitFile(QStringLiteral("比例"), {{0, 0, 1, 2}}));
    WriteBytes(Data("b.lin"), UnitFile(QStringLiteral("一次関数"), {{0, 1, 2, 2}, {0, 0, 1, 1}}));
    WriteBytes(Data("c.cai"), UnitFile(QStringLiteral("CAIの単元"), {{0, 0, 1, 3}}));
    const PlaneSettings settings = window->Doc.Plane();
    int step = 0;
    dialogs.modalScript = [&](QDialog& dialog) {
        auto* open = dynamic_cast<TfrmTangenOpen*>(&dialog);
        if (open == nullptr) {
            return int(ModalCancel);
        }
        dialog.show();
        auto* titles = Control<QListWidget>(*open, "lstTitle");
        EXPECT_EQ(titles->count(), 2);
        EXPECT_EQ(titles->item(0)->text(), QStringLiteral("比例"));
        if (step++ == 0) {
            ::Press(*open, "btnOK");  // nothing chosen yet
            EXPECT_EQ(dialogs.messages.last(), QStringLiteral("単元を選択してください"));
            ::Press(*open, "radCai");
            EXPECT_EQ(titles->count(), 1);
            ::Press(*open, "radQue");
            titles->setCurrentRow(1);
            open->lstTitleClick();
            EXPECT_EQ(open->QuestionCount(), 2);
            EXPECT_EQ(Control<QLineEdit>(*open, "edtDataFormat")->text(), QStringLiteral("5"));
            open->btnCancelClick();
            return dialog.result();
        }
        titles->setCurrentRow(1);
        open->lstTitleClick();
        // Both red lines of the unit are drawn on the preview.
        const QImage& preview = Control<ImageView>(*open, "imgCood")->image();
        int red = 0;
        for (int y = 0; y < preview.height(); ++y) {
            for (int x = 0; x < preview.width(); ++x) {
                red += preview.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
            }
        }
        EXPECT_GT(red, 2 * 300);
        ::Press(*open, "btnOK");
        EXPECT_EQ(open->SelectedUnitTitle, QStringLiteral("一次関数"));
        return dialog.result();
    };
    Press("mnuTangenOpen");
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
    EXPECT_EQ(window->Doc.Plane(), settings);  // a previewed unit leaves the plane alone
    Press("mnuTangenOpen");
    ASSERT_EQ(window->Doc.Table().LineCount, 2);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->text(), QStringLiteral("一次関数"));
    EXPECT_EQ(window->Doc.Plane().SpacingY, QStringLiteral("8"));
    EXPECT_FALSE(window->Doc.FirstSaveDialog());
}

// Whichever way the highlight moves, the preview, the file name and OK's title are those of the
// highlighted row; a file named with two dots is the file it names.
TEST_F(FilesTest, OpeningByTitleTakesTheHighlightedRow) {
    WriteBytes(Data("hirei.lin"), UnitFile(QStringLiteral("比例のグラフ"), {{0, 0, 1, 2}}));
    WriteBytes(Data("ichiji.lin"),
               UnitFile(QStringLiteral("一次関数"), {{0, 1, 2, 2}, {0, 0, 1, 1}}));
    WriteBytes(Data("unit.lin"), UnitFile(QStringLiteral("版1"), {{0, 0, 1, 3}}));
    WriteBytes(Data("unit.v2.lin"),
               UnitFile(QStringLiteral("版2"), {{0, 0, 1, 4}, {0, 1, 1, 4}, {0, 2, 1, 4}}));
    // Given: a gesture in the list. Expected: the highlighted title, the file name shown, the
    // title read from the previewed file and its number of questions.
    const std::pair<std::function<void(QListWidget*)>, const char*> rows[] = {
        {[](QListWidget* list) {
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(list->model()->index(0, 0)).center());
         },
         "比例のグラフ hirei.lin 比例のグラフ 1"},
        {[](QListWidget* list) { QTest::keyClick(list, Qt::Key_Down); },
         "一次関数 ichiji.lin 一次関数 2"},
        {[](QListWidget* list) { QTest::keyClick(list, Qt::Key_End); }, "版2 unit.v2.lin 版2 3"},
        {[](QListWidget* list) { QTest::keyClick(list, Qt::Key_Home); },
         "比例のグラフ hirei.lin 比例のグラフ 1"},
        {[](QListWidget* list) {
             QTest::sendKeyEvent(QTest::Click, list, Qt::Key_unknown, QStringLiteral("版"), {});
         },
         "版1 unit.lin 版1 1"},
        {[](QListWidget* list) { QTest::keyClick(list, Qt::Key_Down); }, "版2 unit.v2.lin 版2 3"},
    };
    dialogs.modalScript = [&](QDialog& dialog) {
        auto* open = dynamic_cast<TfrmTangenOpen*>(&dialog);
        if (open == nullptr) {
            return int(ModalCancel);
        }
        dialog.show();
        auto* titles = Control<QListWidget>(*open, "lstTitle");
        for (const auto& [gesture, expected] : rows) {
            gesture(titles);
            const QListWidgetItem* highlighted = titles->currentItem();
            EXPECT_EQ(QStringList({highlighted ? highlighted->text() : QString(),
                                   Control<QLabel>(*open, "lblFileName")->text(),
                                   open->Questions.title(), QString::number(open->QuestionCount())})
                          .join(u' '),
                      QString::fromUtf8(expected));
        }
        QTest::keyClick(titles, Qt::Key_Return);  // Enter in the list is OK
        EXPECT_EQ(open->SelectedUnitTitle + u' ' + open->SelectedPath(),
                  QStringLiteral("版2 ") + Data("unit.v2.lin"));
        return dialog.result();
    };
    Press("mnuTangenOpen");
    EXPECT_EQ(dialogs.messages, QStringList());
    ASSERT_EQ(window->Doc.Table().LineCount, 3);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->text(), QStringLiteral("版2"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblFileName")->text(), Data("unit.v2.lin"));
}

}  // namespace
