// The tool bar: drawing tools, domain ends, the sample, the lock, the display form buttons and
// the display check boxes.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "clickable_label.h"
#include "plane/image_view.h"
#include "shiki_list.h"
#include "window_fixture.h"

namespace {

TEST_F(MainWindowTest, ToolButtonsChooseTheTool) {
    struct Row {
        QToolButton* TfrmMain::*button;
        int lineMode;
        QString name;
        bool henikiEnabled;
        QString henikiText;
    };
    const Row rows[] = {
        {&TfrmMain::spdSenbun, KindSegment, "線分", true, " ≦ ≦"},
        {&TfrmMain::spdHanchokusen, KindRay, "半直線", true, "  ≦ "},
        {&TfrmMain::spdTen, KindPoint, "点", false, ""},
        {&TfrmMain::SpdChokusen, KindLine, "直線", false, ""},
    };
    QToolButton* tools[] = {window->SpdChokusen, window->spdSenbun, window->spdHanchokusen,
                            window->spdTen, window->spdMoji};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        QToolButton* button = (*window).*r.button;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(window->Edit.LineMode, r.lineMode);
        EXPECT_EQ(window->edtLineMode->text(), r.name);
        EXPECT_EQ(window->spdHeniki->isEnabled(), r.henikiEnabled);
        EXPECT_EQ(window->lblHeniki->text(), r.henikiText);
        for (QToolButton* tool : tools) {
            EXPECT_EQ(tool->isChecked(), tool == button) << tool->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ClickingTheDownToolKeepsItDown) {
    QTest::mouseClick(window->SpdChokusen, Qt::LeftButton);
    EXPECT_TRUE(window->SpdChokusen->isChecked());
}

TEST_F(MainWindowTest, DomainButtonStepsTheSegmentEnds) {
    window->spdSenbunClick();
    const QString expected[] = {" ≦ ＜", " ＜ ≦", " ＜ ＜", " ≦ ≦"};
    for (const QString& text : expected) {
        QTest::mouseClick(window->spdHeniki, Qt::LeftButton);
        EXPECT_EQ(window->lblHeniki->text(), text);
    }
    EXPECT_EQ(window->Edit.SegmentEndKind, 0);
}

TEST_F(MainWindowTest, DomainLabelStepsTheRayEnds) {
    window->spdHanchokusenClick();
    QTest::mouseClick(window->lblHeniki, Qt::LeftButton);
    EXPECT_EQ(window->lblHeniki->text(), QStringLiteral("  ＜ "));
    EXPECT_EQ(window->Edit.RayEndKind, 1);
    QTest::mouseClick(window->lblHeniki, Qt::LeftButton);
    EXPECT_EQ(window->lblHeniki->text(), QStringLiteral("  ≦ "));
    EXPECT_EQ(window->Edit.RayEndKind, 0);
}

TEST_F(MainWindowTest, DomainStepsChangeNothingForTheLineTool) {
    window->spdHenikiClick();
    EXPECT_EQ(window->Edit.SegmentEndKind, 0);
    EXPECT_EQ(window->Edit.RayEndKind, 0);
    EXPECT_EQ(window->lblHeniki->text(), QString());
}

TEST_F(MainWindowTest, LineToolResetsTheSegmentEndsButNotTheRayEnds) {
    window->spdSenbunClick();
    window->spdHenikiClick();
    window->spdHanchokusenClick();
    window->spdHenikiClick();
    window->SpdChokusenClick();
    EXPECT_EQ(window->Edit.SegmentEndKind, 0);
    EXPECT_EQ(window->Edit.RayEndKind, 1);
}

TEST_F(MainWindowTest, PointToolCancelsAGestureInEveryState) {
    // A line's rubber band, a segment's line waiting for its first end, and its first end
    // waiting for the second.
    for (int state : {DrawRubberBand, DrawAwaitFirstEnd, DrawAwaitSecondEnd}) {
        state == DrawRubberBand ? window->SpdChokusenClick() : window->spdSenbunClick();
        for (int i = 0; i < state; ++i) {
            Click(i, 2 * i + 1);
        }
        ASSERT_EQ(window->Gesture.State(), state);
        window->spdTenClick();
        EXPECT_EQ(window->Gesture.State(), DrawIdle) << state;
        EXPECT_FALSE(window->Gesture.InProgress()) << state;
    }
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
}

TEST_F(MainWindowTest, SegmentToolKeepsAGestureGoing) {
    Click(0, 1);
    window->spdSenbunClick();
    EXPECT_EQ(window->Gesture.State(), DrawRubberBand);
}

TEST_F(MainWindowTest, SampleClickTakesTheNextAutomaticColour) {
    QTest::mouseClick(window->imgSample, Qt::LeftButton);
    EXPECT_EQ(window->Doc.Table().ColorCycle, 1);
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    EXPECT_EQ(window->Doc.Table().LineTable[0].Color, ColorCycleTable[1]);
}

TEST_F(MainWindowTest, SampleClickKeepsAFixedColour) {
    window->Edit.FixedColor = 0x123456;
    window->imgSampleClick();
    EXPECT_EQ(window->Doc.Table().ColorCycle, 0);
}

TEST_F(MainWindowTest, LockDisablesExactlyTheListedControls) {
    QTest::mouseClick(window->btnLocked, Qt::LeftButton);
    EXPECT_TRUE(window->LockState);
    for (QMenu* menu : {window->mnuFile, window->mnuEdit, window->mnuSettings, window->mnuRun,
                        window->mnuView, window->mnuHelp}) {
        EXPECT_FALSE(menu->menuAction()->isEnabled()) << menu->title().toStdString();
    }
    EXPECT_FALSE(window->spnMaruRad->isEnabled());
    for (QWidget* usable : std::initializer_list<QWidget*>{
             window->SpdChokusen, window->spdSenbun, window->spdHanchokusen, window->spdTen,
             window->spdTeisei, window->spdShoukyo, window->lstShiki, window->btnKaijo,
             window->BitBtn1, window->btnLocked, window->chkMaru, window->btnHyoujun,
             window->btnIppan}) {
        EXPECT_TRUE(usable->isEnabled()) << usable->objectName().toStdString();
    }
    // A line can still be drawn and deleted.
    EXPECT_TRUE(window->AddOrReplaceLine(Line(0, 1, 2, 2), -1));
    window->spdTeiseiClick();
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
}

TEST_F(MainWindowTest, UnlockingEnablesTheLockedCommandsAgain) {
    window->btnLockedClick();
    window->btnLockedClick();
    EXPECT_FALSE(window->LockState);
    for (QMenu* menu : {window->mnuFile, window->mnuEdit, window->mnuSettings, window->mnuRun,
                        window->mnuView, window->mnuHelp}) {
        EXPECT_TRUE(menu->menuAction()->isEnabled()) << menu->title().toStdString();
    }
    EXPECT_TRUE(window->spnMaruRad->isEnabled());
    EXPECT_TRUE(window->spdMoji->isEnabled());
    for (QWidget* unlocked : std::initializer_list<QWidget*>{
             window->spdOverWrite, window->spdTest, window->spdRenshu, window->spdKiroku}) {
        EXPECT_TRUE(unlocked->isEnabled()) << unlocked->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, LockButtonShowsTheLockItWillRelease) {
    const QImage open = window->btnLocked->icon().pixmap(16, 16).toImage();
    window->btnLockedClick();
    const QImage closed = window->btnLocked->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(open.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              window->imgUnLocked->image()
                  .copy(0, 0, 16, 16)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(closed.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              window->imgLocked->image()
                  .copy(0, 0, 16, 16)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST_F(MainWindowTest, FormButtonsNeedASelection) {
    QTest::mouseClick(window->btnIppan, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("グラフの式を選択してください")});
    EXPECT_TRUE(window->chkKeishiki->isChecked());
}

TEST_F(MainWindowTest, GeneralFormRewritesOnlyTheSelectedGraphs) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);  // selected
    QTest::mouseClick(window->btnIppan, Qt::LeftButton);
    EXPECT_EQ(window->grpShiki->title(),
              QStringLiteral("グラフの式（２元１次方程式 ａｘ＋ｂｙ＝ｃの形）"));
    EXPECT_FALSE(window->chkKeishiki->isChecked());
    EXPECT_EQ(window->Edit.Form, EquationForm::General);
    EXPECT_EQ(window->Doc.Table().LineTable[0].Text, QStringLiteral("y=1/2･x+1"));
    EXPECT_EQ(window->Doc.Table().LineTable[1].Text, QStringLiteral("2x+y=5"));
    EXPECT_EQ(window->lstShiki->item(1)->text(), QStringLiteral("2x+y=5"));
    EXPECT_EQ(window->Doc.Table().Memo[8], QStringLiteral("2x+y=5"));
    EXPECT_TRUE(window->Doc.Table().Selected.test(1));
    // New graphs take the chosen form.
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    EXPECT_EQ(window->Doc.Table().LineTable[2].Text, QStringLiteral("-x+2y=2"));
}

TEST_F(MainWindowTest, FormButtonsShowWhichFormIsChosen) {
    auto image = [](const QIcon& icon) {
        return icon.pixmap(25, 25).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    auto glyph = [](const ImageView* view) {
        return view->image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    EXPECT_EQ(image(window->btnHyoujun->icon()), glyph(window->imgOk1));
    EXPECT_EQ(image(window->btnIppan->icon()), glyph(window->imgNotOk2));
    window->SetShikiForm(2);
    EXPECT_EQ(image(window->btnHyoujun->icon()), glyph(window->imgNotOk1));
    EXPECT_EQ(image(window->btnIppan->icon()), glyph(window->imgOk2));
}

TEST_F(MainWindowTest, PanelColourBoxSwitchesTealAndWhite) {
    window->chkRanColor->setChecked(false);
    EXPECT_EQ(window->PanelBackColour, 0xFFFFFF);
    EXPECT_EQ(window->PanelTextColour, 0x000000);
    EXPECT_EQ(window->imgHenikiX->image().pixelColor(3, 3), QColor(Qt::white));
    window->chkRanColor->setChecked(true);
    EXPECT_EQ(window->PanelBackColour, 0x808000);
    EXPECT_EQ(window->PanelTextColour, 0xFFFFFF);
    EXPECT_EQ(window->imgHenikiX->image().pixelColor(3, 3), QColor(0, 128, 128));
}

TEST_F(MainWindowTest, FormulaBoxHidesTheListTexts) {
    window->chkShiki->setChecked(false);
    EXPECT_FALSE(window->lstShiki->showText());
    window->chkShiki->setChecked(true);
    EXPECT_TRUE(window->lstShiki->showText());
}

TEST_F(MainWindowTest, ValueTableClickTogglesItsWidth) {
    QTest::mouseClick(window->imgTable, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->imgTable->width(), 28 * 35);
    EXPECT_EQ(window->pnlTable->width(), 28 * 35 + 2);
    QTest::mouseClick(window->imgTable, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->imgTable->width(), 353);
    EXPECT_EQ(window->pnlTable->width(), 355);
}

TEST_F(MainWindowTest, MouseOverThePlaneShowsTheLatticePoint) {
    struct Row {
        LatticePoint p;
        QString text;
    };
    const Row rows[] = {{{3, -2}, " (  3, -2)"}, {{0, 0}, " (  0,  0)"}, {{-12, 10}, " (-12, 10)"}};
    for (const Row& r : rows) {
        emit window->imgCood->mouseMoved(window->imgCood->planeGeometry().LatticeToPixel(r.p));
        EXPECT_EQ(window->edtCood->text(), r.text);
    }
}

}  // namespace
