// The recovery copy as a classroom meets it: a program killed in the middle of a drawing, the next
// start that offers it back, a second program beside it, No, a damaged copy, a refused folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include "control_driver.h"
#include "drawing.h"
#include "main/main_window.h"
#include "recovery_copy.h"
#include "scripted_dialogs.h"
#include "tangen_window.h"

namespace {

const QString Question = QStringLiteral("前回保存されなかった図があります。復元しますか？");

// A program started on the recovery folder, with its answers scripted.
struct Start {
    ScriptedDialogs dialogs;
    TfrmMain window{QSize(1024, 768)};

    Start(const QString& folder, std::deque<Answer> answers = {}) {
        dialogs.answers = std::move(answers);
        window.FormShow();
        window.Recovery.Start(folder);
    }
};

TEST(Recovery, AKilledDrawingIsOfferedAtTheNextStartAndNotToASecondProgram) {
    QTemporaryDir dir;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(RECOVERY_CHILD), {dir.path()});
    ASSERT_TRUE(child.waitForReadyRead(60000));
    ASSERT_EQ(child.readAllStandardOutput().trimmed(), QByteArray("ready"));
    {
        // A second program running beside it neither offers nor takes the copy.
        Start second(dir.path());
        EXPECT_FALSE(second.window.OfferRecovery());
        EXPECT_TRUE(second.dialogs.questions.isEmpty());
    }
    child.kill();  // SIGKILL: no clean close
    ASSERT_TRUE(child.waitForFinished(10000));

    Start next(dir.path(), {Answer::Yes});
    ASSERT_TRUE(next.window.OfferRecovery());
    EXPECT_EQ(next.dialogs.questions, QStringList{Question});
    TfrmMain& w = next.window;
    ASSERT_EQ(w.Doc.Table().LineCount, 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(w.Doc.Table().LineTable[i].Color, ColorCycleTable[i]) << i;
        EXPECT_EQ(w.Doc.Table().LineTable[i].P2, (LatticePoint{i - 4, i % 3})) << i;
    }
    EXPECT_EQ(w.Doc.Plane().SpacingX, QStringLiteral("12"));
    EXPECT_EQ(w.Doc.Plane().SpacingY, QStringLiteral("8"));
    EXPECT_EQ(Control<PlaneView>(w, "imgCood")->planeGeometry().unitY, 8);
    EXPECT_FALSE(w.Doc.Saved());
    EXPECT_TRUE(w.Doc.FirstSaveDialog());  // never saved: 上書き保存 asks for a name
    EXPECT_TRUE(Control<QLabel>(*w.findChild<TfrmTangen*>(), "lblFileName")
                    ->text()
                    .endsWith(QStringLiteral("Graph1.lin")));
    // Brought back, it is a history of its own, where no step back counts as saved.
    EXPECT_FALSE(Control<QAction>(w, "mnuUndo")->isEnabled());
    w.AddOrReplaceLine(NewLineSpec(w.Edit, w.Doc.Table(), {0, 0}, {2, 1}), -1);
    Press(w, "mnuUndo");
    EXPECT_TRUE(w.Doc.NeedsSaving());  // closing asks

    // Saved, the drawing leaves nothing to recover.
    next.dialogs.files.push_back(dir.filePath(QStringLiteral("u.lin")));
    EXPECT_EQ(w.SaveWithName(QStringLiteral("復元した図")), Answer::Yes);
    w.Recovery.WaitForWrites();
    EXPECT_FALSE(w.Recovery.HasCopy());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("u.lin"))));
}

TEST(Recovery, NoRemovesTheCopyAndADamagedOneIsSetAside) {
    QTemporaryDir dir;
    {
        Start first(dir.path());
        const auto draw = [&first] {
            first.window.AddOrReplaceLine(
                NewLineSpec(first.window.Edit, first.window.Doc.Table(), {0, 0}, {1, 2}), -1);
            first.window.Recovery.Write();
        };
        draw();
        // Every graph selected and deleted: nothing is left to recover.
        Press(first.window, "BitBtn1");
        Press(first.window, "spdTeisei");
        first.window.Recovery.Write();
        first.window.Recovery.WaitForWrites();
        ASSERT_FALSE(first.window.Doc.Saved());
        EXPECT_FALSE(first.window.Recovery.HasCopy());
        draw();
        first.window.Recovery.WaitForWrites();
        ASSERT_TRUE(first.window.Recovery.HasCopy());
    }  // gone without a close, as after a crash
    {
        Start next(dir.path(), {Answer::No});
        EXPECT_FALSE(next.window.OfferRecovery());
        next.window.Recovery.WaitForWrites();
        EXPECT_FALSE(next.window.Recovery.HasCopy());
        EXPECT_EQ(next.window.Doc.Table().LineCount, 0);
    }
    {
        // A copy of an empty drawing, as earlier versions left one, is no damage: it goes quietly.
        QFile empty(dir.filePath(QStringLiteral("recovery-1.tsr")));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        Drawing nothing;
        nothing.Clear(QStringLiteral("単元"), dir.filePath(QStringLiteral("u.lin")));
        empty.write(EncodeRecoveryCopy(*RecoveryCopyOf(nothing, QDateTime::currentDateTime())));
        empty.close();
        Start next(dir.path());
        EXPECT_FALSE(next.window.OfferRecovery());
        next.window.Recovery.WaitForWrites();
        EXPECT_FALSE(next.window.Recovery.HasCopy());
        EXPECT_TRUE(next.dialogs.messages.isEmpty());
        EXPECT_TRUE(next.dialogs.questions.isEmpty());
    }
    QFile damaged(dir.filePath(QStringLiteral("recovery-1.tsr")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("TesmaraRecovery 1\nfile x\n");  // cut off in the header
    damaged.close();
    Start last(dir.path());
    EXPECT_FALSE(last.window.OfferRecovery());
    ASSERT_EQ(last.dialogs.messages.size(), 1);
    EXPECT_TRUE(last.dialogs.messages[0].startsWith(
        QStringLiteral("前回保存されなかった図を読めませんでした。")));
    EXPECT_TRUE(last.dialogs.questions.isEmpty());
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("recovery-1-*.damaged")}, QDir::Files);
    EXPECT_EQ(aside.size(), 1);
    EXPECT_FALSE(last.window.Recovery.HasCopy());

    // With its folder gone the copy cannot be written: said once, at the next copy, not at each.
    ASSERT_TRUE(QDir(dir.path()).removeRecursively());
    last.window.AddOrReplaceLine(
        NewLineSpec(last.window.Edit, last.window.Doc.Table(), {2, 0}, {1, 3}), -1);
    for (int i = 0; i < 3; ++i) {
        last.window.Recovery.Write();
        last.window.Recovery.WaitForWrites();
    }
    ASSERT_EQ(last.dialogs.messages.size(), 2);
    EXPECT_TRUE(last.dialogs.messages[1].startsWith(
        QStringLiteral("保存していない図の控えを書けません。")));

    // No folder at the start, a file in its place: said once; copies begin once it can be made.
    ASSERT_TRUE(QFile(dir.path()).open(QIODevice::WriteOnly));
    {
        Start late(dir.path());
        for (int i = 0; i < 20; ++i) {
            if (i == 10) {
                ASSERT_TRUE(QFile::remove(dir.path()));
            }
            late.window.AddOrReplaceLine(
                NewLineSpec(late.window.Edit, late.window.Doc.Table(), {i % 7, 1}, {0, -2}), -1);
        }
        late.window.Recovery.WaitForWrites();
        ASSERT_EQ(late.dialogs.messages.size(), 1);
        EXPECT_TRUE(late.dialogs.messages[0].startsWith(QStringLiteral("保存していない図の控えを") +
                                                        dir.path() + u'に'));
    }
    Start again(dir.path(), {Answer::Yes});
    ASSERT_TRUE(again.window.OfferRecovery());
    EXPECT_EQ(again.window.Doc.Table().LineCount, 20);
}

TEST(Recovery, UndoAndRedoStepsAreChangesTheCopyFollows) {
    QTemporaryDir dir;
    Start s(dir.path(), {Answer::Yes});
    const auto draw = [&s](LatticePoint a, LatticePoint b) {
        s.window.AddOrReplaceLine(NewLineSpec(s.window.Edit, s.window.Doc.Table(), a, b), -1);
    };
    draw({0, 0}, {1, 2});
    Press(s.window, "spdShoukyo");  // the copy goes with the graphs
    // The erase taken back, a second graph, and that graph taken back and forth: the tenth
    // change writes the copy, as ten edits would.
    Press(s.window, "mnuUndo");
    draw({0, 1}, {3, 1});
    for (int i = 0; i < 7; ++i) {
        Press(s.window, i % 2 == 0 ? "mnuUndo" : "mnuRedo");
    }
    s.window.Recovery.WaitForWrites();
    EXPECT_FALSE(s.window.Recovery.HasCopy());
    Press(s.window, "mnuRedo");
    s.window.Recovery.WaitForWrites();
    EXPECT_TRUE(s.window.Recovery.HasCopy());
}

}  // namespace
