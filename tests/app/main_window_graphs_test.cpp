// The graph table on the screen: adding, replacing, deleting, erasing and selecting graphs keep
// the table, the formula list, the memo and the graph count in step.
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "shiki_list.h"
#include "sjis_codec.h"
#include "tangen_window.h"
#include "window_fixture.h"

namespace {

TEST_F(MainWindowTest, AddedGraphIsListedSelectedAndCounted) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    EXPECT_EQ(window->Doc.Table().LineCount, 2);
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki")), (QStringList{"y=1/2･x+1", "y=-2x+5"}));
    EXPECT_EQ(SelectedRows(Ui<ShikiList>("lstShiki")), QList<int>{1});
    EXPECT_EQ(Ui<ShikiList>("lstShiki")->currentRow(), 1);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("2"));
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
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki")), (QStringList{"y=-2x+5", "y=x"}));
    EXPECT_EQ(window->Doc.Table().Memo.mid(1, 6),
              (QStringList{"16711680,16", "y=-2x+5", "1,3", "3,-1", "0,0", "0,0"}));
    EXPECT_EQ(SelectedRows(Ui<ShikiList>("lstShiki")), QList<int>{0});
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
    EXPECT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), MaxGraphs);
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki"))[3], QStringLiteral("y=2x-5"));
    EXPECT_EQ(window->Doc.Table().Memo.size(), memo.size());
    EXPECT_EQ(window->Doc.Table().ColorCycle, colourCycle);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("100"));
}

TEST_F(MainWindowTest, NewDrawingLeavesOnlyTheTitle) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    dialogs.answers = {Answer::No};  // not saved
    Press("mnuNewFile");
    const QString title = QStringLiteral("新しい単元");
    EXPECT_EQ(window->Doc.Table().Memo, QStringList{title});
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("0"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->text(), title);
    EXPECT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 0);
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
    EXPECT_EQ(window->Doc.Table().ColorCycle, 0);
    EXPECT_TRUE(window->Doc.Saved());
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Kelvane Tesmara   ：   ") + window->StartDir + "Graph1.lin");
}

TEST_F(MainWindowTest, CorrectDeletesTheSelectedGraphs) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);
    window->AddOrReplaceLine(Line(0, 0, 1, 1), -1);
    SetRowSelected(Ui<ShikiList>("lstShiki"), 0, true);  // rows 0 and 2 selected
    EXPECT_TRUE(window->Doc.Table().Selected.test(0));
    window->Doc.MarkSaved();
    QTest::mouseClick(Ui<QToolButton>("spdTeisei"), Qt::LeftButton);
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki")), QStringList{"y=-2x+5"});
    EXPECT_EQ(window->Doc.Table().Memo.size(), 7);
    EXPECT_EQ(window->Doc.Table().Memo[2], QStringLiteral("y=-2x+5"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("1"));
    EXPECT_FALSE(window->Doc.Saved());
}

TEST_F(MainWindowTest, CorrectWithNothingSelectedStillMarksTheDrawingChanged) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    Press("pumCancel");
    window->Doc.MarkSaved();
    Press("spdTeisei");
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_FALSE(window->Doc.Saved());
}

TEST_F(MainWindowTest, CorrectDuringAGestureCancelsItAndDeletesNothing) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    Press("spdSenbun");
    Click(0, 0), Click(1, 3);
    ASSERT_EQ(window->GestureState(), DrawAwaitFirstEnd);
    Ui<QAction>("mnuTetsei")->trigger();
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(window->GestureState(), DrawIdle);
}

TEST_F(MainWindowTest, EraseAllAsksAndNoKeepsEverything) {
    Press("spdShoukyo");  // an empty drawing: nothing to ask
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    dialogs.answers = {Answer::No};
    QTest::mouseClick(Ui<QToolButton>("spdShoukyo"), Qt::LeftButton);
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("全部削除してもいいですか？")});
    EXPECT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 1);
}

TEST_F(MainWindowTest, EraseAllWithYesKeepsTheTitleAndFileName) {
    window->Doc.Clear(QStringLiteral("一次関数"), QStringLiteral("DATA/ichiji.lin"));
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    dialogs.answers = {Answer::Yes};
    Ui<QAction>("mnuShoukyo")->trigger();
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
    EXPECT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 0);
    EXPECT_EQ(window->Doc.Table().Memo, QStringList{QStringLiteral("一次関数")});
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblFileName")->text(),
              QStringLiteral("DATA/ichiji.lin"));
    EXPECT_TRUE(window->Doc.Saved());
}

TEST_F(MainWindowTest, SelectAllAndDeselect) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    Ui<QAction>("mnuSelectAll")->trigger();
    EXPECT_EQ(window->Doc.Table().Selected.count(), 3u);
    EXPECT_EQ(SelectedRows(Ui<ShikiList>("lstShiki")), (QList<int>{0, 1, 2}));
    QTest::mouseClick(Ui<QToolButton>("btnKaijo"), Qt::LeftButton);
    EXPECT_TRUE(window->Doc.Table().Selected.none());
    EXPECT_TRUE(SelectedRows(Ui<ShikiList>("lstShiki")).isEmpty());
    QTest::mouseClick(Ui<QToolButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(window->Doc.Table().Selected.count(), 3u);
}

TEST_F(MainWindowTest, ListClicksChooseTheSelection) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    ShikiList* list = Ui<ShikiList>("lstShiki");
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
    // Below the rows: nothing stays chosen, and the plane already shows it (no handles left for
    // a redisplay to take away).
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(50, 150));
    EXPECT_TRUE(window->Doc.Table().Selected.none());
    const QImage plane = Ui<PlaneView>("imgCood")->image();
    Press("mnuReDisplay");
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image(), plane);
}

TEST_F(MainWindowTest, RightPressSelectsThePressedLineUnlessSeveralAreSelected) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    window->show();
    ShikiList* list = Ui<ShikiList>("lstShiki");
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, QPoint(50, 150));  // below the lines
    EXPECT_FALSE(Ui<QMenu>("pumShiki")->isVisible());
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, RowCentre(list, 0));
    EXPECT_EQ(SelectedRows(list), QList<int>{0});
    EXPECT_TRUE(Ui<QMenu>("pumShiki")->isVisible());
    Ui<QMenu>("pumShiki")->hide();
    Press("mnuSelectAll");
    SetRowSelected(list, 1, false);
    emit list->rightPressed(1, RowCentre(list, 1));
    EXPECT_EQ(SelectedRows(list), (QList<int>{0, 2}));
    Ui<QMenu>("pumShiki")->hide();
}

TEST_F(MainWindowTest, FingersChooseRowsAndOpenThePopupOnThem) {
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    window->show();
    ShikiList* list = Ui<ShikiList>("lstShiki");
    Finger finger{list->viewport()};
    finger.Tap(QPoint(50, 150));  // below the rows
    EXPECT_TRUE(window->Doc.Table().Selected.none());
    for (const int row : {0, 1, 2, 1}) {
        finger.Tap(RowCentre(list, row));
    }
    EXPECT_EQ(SelectedRows(list), (QList<int>{0, 2}));
    finger.Down(RowCentre(list, 1));
    finger.Hold();
    finger.Up(RowCentre(list, 1));
    EXPECT_TRUE(Ui<QMenu>("pumShiki")->isVisible());
    Ui<QAction>("W3")->trigger();
    Ui<QMenu>("pumShiki")->hide();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->Doc.Table().LineTable[i].Width, i == 1 ? 1 : 3);
    }
    while (window->Doc.Table().LineCount < 40) {
        window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);  // the list scrolls to the last row
    }
    const int top = list->indexAt(QPoint(50, 2)).row();
    finger.Drag(QPoint(50, 20), QPoint(50, 20 + 5 * ShikiList::ItemHeight));  // rows follow
    EXPECT_EQ(list->indexAt(QPoint(50, 2)).row(), top - 5);
}

TEST_F(MainWindowTest, PopupWidthsChangeTheSelectedGraphs) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);  // selected
    Ui<QAction>("W3")->trigger();
    EXPECT_EQ(window->Doc.Table().LineTable[0].Width, 1);
    EXPECT_EQ(window->Doc.Table().LineTable[1].Width, 3);
    EXPECT_EQ(window->Doc.Table().Memo[7], QStringLiteral("255,48"));
    EXPECT_EQ(window->Edit.LineWidth, 1);
}

TEST_F(MainWindowTest, PopupDeleteAndDeselect) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);  // selected
    Ui<QAction>("pumCancel")->trigger();
    EXPECT_TRUE(window->Doc.Table().Selected.none());
    SetRowSelected(Ui<ShikiList>("lstShiki"), 0, true);
    Ui<QAction>("pumDelete")->trigger();
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki")), QStringList{"y=-2x+5"});
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
