// A student practising a sample unit through the windows, and a teacher testing a drawing: the
// unit chosen, clicks on the practice plane, the dialogs answered, the record written or not,
// kept while another program holds the records file, or not written in a folder that may not be.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "file_lock.h"
#include "plane/image_view.h"
#include "practice/practice_window.h"
#include "practice/result_dialogs.h"
#include "practice_records.h"
#include "refusing_disk.h"
#include "sjis_codec.h"
#include "tangen_window.h"
#include "units/tangen_open_window.h"
#include "window_fixture.h"

namespace {

QString ReadSjis(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? DecodeCp932(f.readAll()).text : QString();
}

class PracticeTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->StartDir = dir.path() + u'/';
        QDir(dir.path()).mkdir(QStringLiteral("DATA"));
        WriteUnit(QStringLiteral("比例の練習"));
    }
    // A unit of two questions, y=2x and the point (2, -3), with a plane of spacing 8.
    void WriteUnit(const QString& title) {
        const QStringList lines{title,    "<<spec5",   "-99",  "-99",  "-99",  "-99",
                                "8",      "8",         "True", "5",    "5",    "True",
                                "-----",  "99",        "99",   "1",    "True", ">>",
                                "255,16", "y=2x",      "0,0",  "1,2",  "0,0",  "0,0",
                                "255,19", "(  2, -3)", "2,-3", "5,99", "0,0",  "0,0"};
        QFile f(dir.filePath(QStringLiteral("DATA/hirei.lin")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodeCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes);
    }
    // Practises the unit once a practice, each run answered with a miss so that the end-of-run
    // dialog asks how to go on: endOfRun answers it, after the number of runs ended so far.
    void Practise(int practices, const std::function<int(int)>& endOfRun) {
        int choices = 0;
        int runs = 0;
        dialogs.modalScript = [&](QDialog& dialog) -> int {
            if (auto* open = dynamic_cast<TfrmTangenOpen*>(&dialog)) {
                return ChooseFirstUnit(*open, &choices, practices);
            }
            if (auto* practice = dynamic_cast<TfrmRenshu*>(&dialog)) {
                dialog.show();
                while (practice->isVisible()) {
                    for (const LatticePoint p :
                         {LatticePoint{0, 0}, {1, 1}, {1, 2}, {-1, -2}, {2, -3}}) {
                        ClickPractice(*practice, p);
                    }
                }
                return practice->result();
            }
            if (dynamic_cast<TfrmOwari*>(&dialog)) {
                return endOfRun(++runs);
            }
            return ModalOk;
        };
        Press("spdRenshu");
    }
    QString Records() const { return dir.filePath(QStringLiteral("Record.ini")); }
    // The run numbers the records file holds for the unit, with their marks.
    QString Runs() const {
        QStringList runs;
        for (const auto& [number, value] :
             PracticeRecords::Read(Records()).Runs(QStringLiteral("比例の練習"))) {
            runs.append(QString::number(number) + value.section(u' ', 2, 2));
        }
        return runs.join(u' ');
    }

    QTemporaryDir dir;
    QStringList shown;  // the windows and dialogs in the order they were shown
};

TEST_F(PracticeTest, AStudentPractisesAUnitAndTheRunIsRecorded) {
    const PlaneSettings drawingPlane = window->Doc.Plane();
    int unitChoices = 0;
    dialogs.modalScript = [&](QDialog& dialog) -> int {
        shown.append(dialog.objectName().isEmpty() ? dialog.windowTitle() : dialog.objectName());
        if (auto* open = dynamic_cast<TfrmTangenOpen*>(&dialog)) {
            return ChooseFirstUnit(*open, &unitChoices, 1);  // the second choice ends the command
        }
        if (auto* practice = dynamic_cast<TfrmRenshu*>(&dialog)) {
            dialog.show();
            EXPECT_EQ(practice->windowTitle(), QStringLiteral("練習　比例の練習／hirei.lin"));
            EXPECT_EQ(practice->Geometry().unitY, 8);  // the unit's own plane
            auto* plane = Control<ImageView>(*practice, "imgCood");
            EXPECT_EQ(plane->pos(), QPoint(328, 26));
            const QImage fresh = plane->image();
            QTest::keyClick(practice->focusWidget(), Qt::Key_Escape);  // before the first click
            EXPECT_TRUE(practice->isVisible() && plane->image() == fresh);
            ClickPractice(*practice, {0, 0});
            // Escape is やり直し wherever the focus is, and never closes the window.
            for (const char* name : {"lstRecord", "btnEnd"}) {
                QWidget* focus = Control(*practice, name);
                focus->setFocus();
                QTest::keyClick(focus, Qt::Key_Escape);
                EXPECT_TRUE(practice->isVisible());
                EXPECT_FALSE(Control(*practice, "btnTeisei")->isEnabled());
                ClickPractice(*practice, {0, 0});
            }
            ClickPractice(*practice, {1, 1});  // wrong: y=x
            ClickPractice(*practice, {1, 2});
            ClickPractice(*practice, {-1, -2});  // right after a miss: ×
            ClickPractice(*practice, {2, -3});   // the point, right at once: ○
            // The square of the first point taken back stays; that of a graded answer goes.
            for (const auto& [p, ink] : {std::pair{LatticePoint{0, 0}, 0}, {{1, 2}, 255}}) {
                const QPoint side = practice->Geometry().LatticeToPixel(p) + QPoint(-4, -2);
                EXPECT_EQ(plane->image().pixel(side), qRgb(ink, ink, ink));
            }
            return practice->result();
        }
        if (dynamic_cast<TfrmAyamari*>(&dialog) || dynamic_cast<TfrmSeikai*>(&dialog)) {
            return ModalOk;
        }
        return ModalCancel;  // the end-of-run dialog: 終了
    };
    Press("spdRenshu");
    EXPECT_EQ(shown.size(), 7);  // open, practice, 誤答, 正解, 正解, end of run, open
    EXPECT_EQ(Owned<TfrmRenshu>("frmRenshu")->Session().MarkString(), QStringLiteral("XO"));
    EXPECT_EQ(OwnedUi<QListWidget>("frmRenshu", "lstRecord")->item(1)->text().left(4),
              QStringLiteral("(1)×"));
    EXPECT_FALSE(OwnedUi<QTimer>("frmRenshu", "timSecond")->isActive());
    const QString records = ReadSjis(dir.filePath(QStringLiteral("Record.ini")));
    EXPECT_TRUE(records.startsWith(QStringLiteral("[比例の練習]\r\n1=")));
    EXPECT_TRUE(records.contains(QStringLiteral(" XO 00:0"))) << records.toStdString();
    EXPECT_EQ(window->Doc.Plane(), drawingPlane);  // the unit's plane does not stay
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PracticeTest, ATeacherTestsTheDrawingWithoutARecord) {
    Press("spdTest");  // "Graph1.lin" of a new drawing, but nothing drawn
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("テストするデータがありません")});
    int choices = 0;
    dialogs.modalScript = [&](QDialog& dialog) {
        auto& open = dynamic_cast<TfrmTangenOpen&>(dialog);
        open.show();
        QApplication::setActiveWindow(&open);  // the list takes the focus: nothing is chosen yet
        QTest::keyClick(Control(open, "lstTitle"), Qt::Key_Return);
        return ChooseFirstUnit(open, &choices, 1);
    };
    Press("mnuTangenOpen");
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("単元を選択してください"));
    while (window->Doc.Table().LineCount < 100) {
        window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);  // y=1/2･x+1
    }
    bool happy = false;
    dialogs.modalScript = [&](QDialog& dialog) -> int {
        if (auto* practice = dynamic_cast<TfrmRenshu*>(&dialog)) {
            dialog.show();
            EXPECT_EQ(practice->windowTitle(), QStringLiteral("練習　比例の練習／hirei.lin"));
            auto* marks = Control<QListWidget>(*practice, "lstRecord");
            while (practice->isVisible()) {
                const QListWidgetItem* asked = marks->item(practice->Session().RunIndex() + 1);
                EXPECT_TRUE(marks->viewport()->rect().contains(marks->visualItemRect(asked)));
                const TLineSpec q = practice->Session().Current();  // answered right at once
                if (practice->Session().RunIndex() == 1) {
                    // By a finger: a long press does nothing here, a drag draws the answer.
                    Finger finger{Control(*practice, "imgCood")};
                    const auto at = [&](LatticePoint p) {
                        return practice->Geometry().LatticeToPixel(p);
                    };
                    finger.Down(at(q.P1));
                    finger.Hold();
                    finger.Up(at(q.P1));
                    const bool point = q.Kind == GraphKind::Point;  // slid onto its place
                    finger.Drag(at(point ? LatticePoint{0, 0} : q.P1), at(point ? q.P1 : q.P2));
                    continue;
                }
                ClickPractice(*practice, q.P1);
                if (q.Kind != GraphKind::Point) {
                    ClickPractice(*practice, q.P2);
                }
            }
            return practice->result();
        }
        happy |= dynamic_cast<TfrmHappy*>(&dialog) != nullptr;
        return ModalOk;
    };
    Press("spdTest");
    EXPECT_TRUE(happy);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Record.ini"))));
    window->Doc.MarkSaved(window->Doc.Title(), QStringLiteral("unit.cai"));
    Press("spdTest");
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("ファイルの拡張子が.linｑｕｅではありません"));
    // The extension is what follows the last dot.
    window->Doc.MarkSaved(window->Doc.Title(), QStringLiteral("unit.lin.cai"));
    Press("spdTest");
    EXPECT_EQ(dialogs.messages.size(), 4);
    happy = false;
    window->Doc.MarkSaved(window->Doc.Title(), QStringLiteral("unit.cai.lin"));
    Press("spdTest");
    EXPECT_TRUE(happy);
    EXPECT_EQ(dialogs.messages.size(), 4);
}

TEST_F(PracticeTest, APractisedUnitLeavesTheDrawingItsHistoryAndItsCopyAsTheyWere) {
    QTemporaryDir copies;
    window->Recovery.Start(copies.path());
    // Nine changes on the drawing's own plane of spacing 16, the last an undo: had the practice
    // counted as a change, it would be the tenth and write the copy with the unit's plane.
    for (int i = 0; i < 8; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 2), -1);
    }
    Press("mnuUndo");
    const DrawingState before = window->Doc.State();
    const QImage planeBefore = Ui<PlaneView>("imgCood")->image();
    int choices = 0;
    dialogs.modalScript = [&](QDialog& dialog) -> int {
        if (auto* open = dynamic_cast<TfrmTangenOpen*>(&dialog)) {
            return ChooseFirstUnit(*open, &choices, 1);
        }
        auto& practice = dynamic_cast<TfrmRenshu&>(dialog);
        dialog.show();
        EXPECT_EQ(practice.Geometry().unitY, 8);
        ::Press(practice, "btnEnd");
        return practice.result();
    };
    Press("spdRenshu");
    window->Recovery.WaitForWrites();
    EXPECT_FALSE(window->Recovery.HasCopy());
    EXPECT_EQ(window->Doc.Plane(), before.Plane);
    EXPECT_EQ(window->Doc.Table().Memo, before.Table.Memo);
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image(), planeBefore);
    EXPECT_FALSE(window->Doc.Saved());
    // The history is the drawing's own: its redo step is kept, and its undo steps lead back to
    // the empty drawing on spacing 16, which the file holds.
    ASSERT_TRUE(Ui<QAction>("mnuRedo")->isEnabled());
    Press("mnuRedo");
    EXPECT_EQ(window->Doc.Table().LineCount, 8);
    for (int i = 0; i < 8; ++i) {
        Press("mnuUndo");
    }
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
    EXPECT_FALSE(Ui<QAction>("mnuUndo")->isEnabled());
    EXPECT_EQ(Ui<PlaneView>("imgCood")->planeGeometry().unitY, 16);
    EXPECT_TRUE(window->Doc.Saved());
}

TEST_F(PracticeTest, AUnitWhoseTitleCannotNameASectionIsSaidOnceAndPractisedWithoutARecord) {
    WriteUnit(QStringLiteral("比例]反比例"));
    const QStringList said{
        QStringLiteral("この単元の記録は残せません（単元名に「[」や「]」があります）")};
    Practise(1, [&](int run) {
        EXPECT_EQ(dialogs.messages, said);  // as the practice started, not at the end of a run
        return run == 1 ? ModalOk : ModalCancel;
    });
    EXPECT_EQ(dialogs.messages, said);
    EXPECT_FALSE(QFile::exists(Records()));
}

// Another program holds "Record.ini" past the wait: the run is kept and goes in first with the
// next run or when the practice ends; one still kept then is reported.
TEST_F(PracticeTest, RunsKeptWhileAnotherProgramHoldsTheRecordsGoInLaterOrAreReported) {
    window->RecordsLockWait = std::chrono::milliseconds(50);
    auto other = std::make_unique<QLockFile>(FileLock::LockPath(Records()));
    ASSERT_TRUE(other->tryLock(0));
    Practise(2, [&](int run) -> int {
        EXPECT_EQ(dialogs.messages.isEmpty(), run < 4) << run;
        switch (run) {
            case 1:  // kept; the other program is done before the next run ends
                EXPECT_EQ(Runs(), "");
                other->unlock();
                return ModalOk;
            case 2:  // both runs written, in order; the other program takes the file again
                EXPECT_EQ(Runs(), "1XO 2XO");
                EXPECT_TRUE(other->tryLock(0));
                return ModalOk;
            case 3:  // kept, and still not written when the practice ends
                return ModalCancel;
            default:  // the next practice: kept, and written as it ends
                EXPECT_EQ(dialogs.messages,
                          QStringList{QStringLiteral("この練習の記録は書き込めませんでした")});
                dialogs.messages.clear();
                other->unlock();
                return ModalCancel;
        }
    });
    EXPECT_EQ(Runs(), "1XO 2XO 3XO");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// A start folder that may not be written, as a share without the right to: practice goes on, and
// every run that cannot be recorded says so, naming the file; none is dropped without a word.
TEST_F(PracticeTest, AFolderThatMayNotBeWrittenSaysSoAtEveryRunAndPracticeGoesOn) {
    const ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.made()) {
        GTEST_SKIP() << "the folder cannot be made read-only here";
    }
    Practise(2, [](int run) { return run == 1 ? ModalOk : ModalCancel; });
    const QString denied =
        Records() + QStringLiteral("に書き込む権限がないため、練習の記録を残せません");
    EXPECT_EQ(dialogs.messages, (QStringList{denied, denied, denied}));  // three runs
    EXPECT_FALSE(QFile::exists(Records()));
    EXPECT_EQ(OwnedUi<QListWidget>("frmRenshu", "lstRecord")->count(), 5);  // the third run's marks
}

}  // namespace
