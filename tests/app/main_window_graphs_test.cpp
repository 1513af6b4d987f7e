// The graph table on the screen: adding, replacing, deleting, erasing and selecting graphs keep
// the table, the formula list, the memo and the graph count in step.
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "shiki_list.h"
#include "sjis_codec.h"
#include "tangen_window.h"
#include "window_fixture.h"

namespace {

QStringList ListTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts.append(list->item(i)->text());
    }
    return texts;
}

QList<int> SelectedRows(const QListWidget* list) {
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected()) {
            rows.append(i);
        }
    }
    return rows;
}

QPoint RowCentre(const QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

TEST_F(MainWindowTest, AddedGraphIsListedSelectedAndCounted) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    EXPECT_EQ(window->Doc.Table().LineCount, 2);
    EXPECT_EQ(ListTexts(window->lstShiki), (QStringList{"y=1/2･x+1", "y=-2x+5"}));
    EXPECT_EQ(SelectedRows(window->lstShiki), QList<int>{1});
    EXPECT_EQ(window->lstShiki->currentRow(), 1);
    EXPECT_EQ(window->frmTangen->lblNline->text(), QStringLiteral("2"));
    EXPECT_EQ(window->Doc.Table().Memo.size(), 13);
    EXPECT_EQ(window->Doc.Table().Memo[7], QStringLiteral("255,16"));
    EXPECT_EQ(window->Doc.Table().ColorCycle, 2);
    EXPECT_FALSE(window->Doc.Saved());
}

TEST_F(MainWindowTest, ReplacedGraphKeepsItsPlaceAndColour) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(0, 0, 1, 1), -1);
    TLineSpec moved =
        CopyLineSpec({1, 3}, {3, -1}, window->Doc.Table().LineTable[0], window->Edit.Form);
    window->AddOrReplaceLine(moved, 0);
    EXPECT_EQ(window->Doc.Table().LineCount, 2);
    EXPECT_EQ(ListTexts(window->lstShiki), (QStringList{"y=-2x+5", "y=x"}));
    EXPECT_EQ(window->Doc.Table().Memo.mid(1, 6),
              (QStringList{"16711680,16", "y=-2x+5", "1,3", "3,-1", "0,0", "0,0"}));
    EXPECT_EQ(SelectedRows(window->lstShiki), QList<int>{0});
    EXPECT_EQ(window->Doc.Table().ColorCycle, 2);
}

TEST_F(MainWindowTest, HundredthGraphIsAcceptedAndTheNextRefused) {
    for (int i = 0; i < MaxGraphs; ++i) {
        ASSERT_TRUE(window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1)) << i;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
    const QStringList memo = window->Doc.Table().Memo;
    const int colourCycle = window->Doc.Table().ColorCycle;
    EXPECT_FALSE(window->AddOrReplaceLine(Line(5, 5, 6, 7), -1));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("これ以上登録できません")});
    EXPECT_EQ(window->Doc.Table().Memo, memo);
    EXPECT_EQ(window->Doc.Table().ColorCycle, colourCycle);
    // A replacement does not grow the full table and is taken.
    EXPECT_TRUE(window->AddOrReplaceLine(Line(5, 5, 6, 7), 3));
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(window->Doc.Table().LineCount, MaxGraphs);
    EXPECT_EQ(window->lstShiki->count(), MaxGraphs);
    EXPECT_EQ(window->lstShiki->item(3)->text(), QStringLiteral("y=2x-5"));
    EXPECT_EQ(window->Doc.Table().Memo.size(), memo.size());
    EXPECT_EQ(window->Doc.Table().ColorCycle, colourCycle);
    EXPECT_EQ(window->frmTangen->lblNline->text(), QStringLiteral("100"));
}

TEST_F(MainWindowTest, ClearDrawingLeavesOnlyTheTitle) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    window->ClearDrawing(QStringLiteral("比例"), QStringLiteral("/tmp/x.lin"));
    EXPECT_EQ(window->Doc.Table().Memo, QStringList{QStringLiteral("比例")});
    EXPECT_EQ(window->frmTangen->lblNline->text(), QStringLiteral("0"));
    EXPECT_EQ(window->frmTangen->lblTangen->text(), QStringLiteral("比例"));
    EXPECT_EQ(window->lstShiki->count(), 0);
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
    EXPECT_EQ(window->Doc.Table().ColorCycle, 0);
    EXPECT_TRUE(window->Doc.Saved());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane Tesmara   ：   /tmp/x.lin"));
}

TEST_F(MainWindowTest, CorrectDeletesTheSelectedGraphs) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    window->AddOrReplaceLine(Line(0, 0, 1, 1), -1);
    window->lstShiki->item(0)->setSelected(true);  // rows 0 and 2 selected
    EXPECT_TRUE(window->Doc.Table().Selected.test(0));
    window->Doc.MarkSaved();
    QTest::mouseClick(window->spdTeisei, Qt::LeftButton);
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(ListTexts(window->lstShiki), QStringList{"y=-2x+5"});
    EXPECT_EQ(window->Doc.Table().Memo.size(), 7);
    EXPECT_EQ(window->Doc.Table().Memo[2], QStringLiteral("y=-2x+5"));
    EXPECT_EQ(window->frmTangen->lblNline->text(), QStringLiteral("1"));
    EXPECT_FALSE(window->Doc.Saved());
}

TEST_F(MainWindowTest, CorrectWithNothingSelectedStillMarksTheDrawingChanged) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->pumCancelClick();
    window->Doc.MarkSaved();
    window->spdTeiseiClick();
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_FALSE(window->Doc.Saved());
}

TEST_F(MainWindowTest, CorrectDuringAGestureCancelsItAndDeletesNothing) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->spdSenbunClick();
    Click(0, 0), Click(1, 3);
    ASSERT_EQ(window->Gesture.State(), DrawAwaitFirstEnd);
    window->mnuTetsei->trigger();
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(window->Gesture.State(), DrawIdle);
}

TEST_F(MainWindowTest, EraseAllAsksAndNoKeepsEverything) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    dialogs.answers = {Answer::No};
    QTest::mouseClick(window->spdShoukyo, Qt::LeftButton);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("全部削除してもいいですか？")});
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(window->lstShiki->count(), 1);
}

TEST_F(MainWindowTest, EraseAllWithYesKeepsTheTitleAndFileName) {
    window->Doc.Clear(QStringLiteral("一次関数"), QStringLiteral("DATA/ichiji.lin"));
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    dialogs.answers = {Answer::Yes};
    window->mnuShoukyo->trigger();
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
    EXPECT_EQ(window->lstShiki->count(), 0);
    EXPECT_EQ(window->Doc.Table().Memo, QStringList{QStringLiteral("一次関数")});
    EXPECT_EQ(window->frmTangen->lblFileName->text(), QStringLiteral("DATA/ichiji.lin"));
    EXPECT_TRUE(window->Doc.Saved());
}

TEST_F(MainWindowTest, EraseAllOfAnEmptyDrawingAsksNothing) {
    window->spdShoukyoClick();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(window->Doc.Table().Memo, QStringList{QStringLiteral("Kelvane")});
}

TEST_F(MainWindowTest, SelectAllAndDeselect) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    window->mnuSelectAll->trigger();
    EXPECT_EQ(window->Doc.Table().Selected.count(), 3u);
    EXPECT_EQ(SelectedRows(window->lstShiki), (QList<int>{0, 1, 2}));
    QTest::mouseClick(window->btnKaijo, Qt::LeftButton);
    EXPECT_TRUE(window->Doc.Table().Selected.none());
    EXPECT_TRUE(SelectedRows(window->lstShiki).isEmpty());
    QTest::mouseClick(window->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(window->Doc.Table().Selected.count(), 3u);
}

TEST_F(MainWindowTest, ListClicksChooseTheSelection) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    ShikiList* list = window->lstShiki;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 0));
    EXPECT_EQ(SelectedRows(list), QList<int>{0});
    EXPECT_TRUE(window->Doc.Table().Selected.test(0));
    EXPECT_EQ(window->Doc.Table().Selected.count(), 1u);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(list, 2));
    EXPECT_EQ(SelectedRows(list), (QList<int>{0, 2}));
    EXPECT_EQ(window->Doc.Table().Selected.count(), 2u);
    EXPECT_EQ(CurrentIndex(window->Doc.Table()), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
    EXPECT_EQ(SelectedRows(list), QList<int>{1});
}

TEST_F(MainWindowTest, RightPressSelectsThePressedLineAndOpensThePopup) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    window->show();
    ShikiList* list = window->lstShiki;
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, RowCentre(list, 0));
    EXPECT_EQ(window->ClickedRow, 0);
    EXPECT_EQ(SelectedRows(list), QList<int>{0});
    EXPECT_TRUE(window->pumShiki->isVisible());
    window->pumShiki->hide();
}

TEST_F(MainWindowTest, RightPressKeepsASelectionOfSeveralLines) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    window->show();
    window->mnuSelectAllClick();
    window->lstShiki->item(1)->setSelected(false);
    window->lstShikiRightPress(1, RowCentre(window->lstShiki, 1));
    EXPECT_EQ(SelectedRows(window->lstShiki), (QList<int>{0, 2}));
    window->pumShiki->hide();
}

TEST_F(MainWindowTest, RightPressBelowTheLastLineOpensNoPopup) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->show();
    ShikiList* list = window->lstShiki;
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, QPoint(50, 150));
    EXPECT_EQ(window->ClickedRow, 1);
    EXPECT_FALSE(window->pumShiki->isVisible());
}

TEST_F(MainWindowTest, PopupWidthsChangeTheSelectedGraphs) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);  // selected
    window->W3->trigger();
    EXPECT_EQ(window->Doc.Table().LineTable[0].Width, 1);
    EXPECT_EQ(window->Doc.Table().LineTable[1].Width, 3);
    EXPECT_EQ(window->Doc.Table().Memo[7], QStringLiteral("255,48"));
    EXPECT_EQ(window->Edit.LineWidth, 1);
}

TEST_F(MainWindowTest, PopupDeleteAndDeselect) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);  // selected
    window->pumCancel->trigger();
    EXPECT_TRUE(window->Doc.Table().Selected.none());
    window->lstShiki->item(0)->setSelected(true);
    window->pumDelete->trigger();
    EXPECT_EQ(ListTexts(window->lstShiki), QStringList{"y=-2x+5"});
}

TEST_F(MainWindowTest, RowTextIsPaddedToThirtyEightColumns) {
    struct Row {
        QString text;
        int length;
    };
    const Row rows[] = {
        {"y=2x", 38},
        {"y=1/2･x+1 (0≦x＜2)", 38},  // "≦" and "＜" count two columns each
        {QString(38, u'1'), 38},
        {QString(40, u'1'), 40},
    };
    for (const Row& r : rows) {
        const QString padded = PaddedRowText(r.text);
        EXPECT_TRUE(padded.startsWith(r.text));
        EXPECT_EQ(padded.size() - r.text.size() + SjisByteLength(r.text), r.length);
    }
}

}  // namespace
