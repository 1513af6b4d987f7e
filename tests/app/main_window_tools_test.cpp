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
        const char* button;
        GraphKind lineMode;
        QString name;
        bool henikiEnabled;
        QString henikiText;
    };
    const Row rows[] = {
        {"spdSenbun", GraphKind::Segment, "線分", true, " ≦ ≦"},
        {"spdHanchokusen", GraphKind::Ray, "半直線", true, "  ≦ "},
        {"spdTen", GraphKind::Point, "点", false, ""},
        {"SpdChokusen", GraphKind::Line, "直線", false, ""},
    };
    QToolButton* tools[] = {Ui<QToolButton>("SpdChokusen"), Ui<QToolButton>("spdSenbun"),
                            Ui<QToolButton>("spdHanchokusen"), Ui<QToolButton>("spdTen"),
                            Ui<QToolButton>("spdMoji")};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        QToolButton* button = Ui<QToolButton>(r.button);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(window->Edit.LineMode, r.lineMode);
        EXPECT_EQ(Ui<QLineEdit>("edtLineMode")->text(), r.name);
        EXPECT_EQ(Ui<QToolButton>("spdHeniki")->isEnabled(), r.henikiEnabled);
        EXPECT_EQ(Ui<ClickableLabel>("lblHeniki")->text(), r.henikiText);
        for (QToolButton* tool : tools) {
            EXPECT_EQ(tool->isChecked(), tool == button) << tool->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ClickingTheDownToolKeepsItDown) {
    QTest::mouseClick(Ui<QToolButton>("SpdChokusen"), Qt::LeftButton);
    EXPECT_TRUE(Ui<QToolButton>("SpdChokusen")->isChecked());
}

TEST_F(MainWindowTest, DomainButtonStepsTheSegmentEnds) {
    Press("spdSenbun");
    const QString expected[] = {" ≦ ＜", " ＜ ≦", " ＜ ＜", " ≦ ≦"};
    for (const QString& text : expected) {
        QTest::mouseClick(Ui<QToolButton>("spdHeniki"), Qt::LeftButton);
        EXPECT_EQ(Ui<ClickableLabel>("lblHeniki")->text(), text);
    }
    EXPECT_EQ(window->Edit.SegmentEndKind, 0);
}

TEST_F(MainWindowTest, DomainLabelStepsTheRayEnds) {
    Press("spdHanchokusen");
    QTest::mouseClick(Ui<ClickableLabel>("lblHeniki"), Qt::LeftButton);
    EXPECT_EQ(Ui<ClickableLabel>("lblHeniki")->text(), QStringLiteral("  ＜ "));
    EXPECT_EQ(window->Edit.RayEndKind, 1);
    QTest::mouseClick(Ui<ClickableLabel>("lblHeniki"), Qt::LeftButton);
    EXPECT_EQ(Ui<ClickableLabel>("lblHeniki")->text(), QStringLiteral("  ≦ "));
    EXPECT_EQ(window->Edit.RayEndKind, 0);
}

TEST_F(MainWindowTest, DomainStepsChangeNothingForTheLineTool) {
    Press("spdHeniki");
    EXPECT_EQ(window->Edit.SegmentEndKind, 0);
    EXPECT_EQ(window->Edit.RayEndKind, 0);
    EXPECT_EQ(Ui<ClickableLabel>("lblHeniki")->text(), QString());
}

TEST_F(MainWindowTest, LineToolResetsTheSegmentEndsButNotTheRayEnds) {
    Press("spdSenbun");
    Press("spdHeniki");
    Press("spdHanchokusen");
    Press("spdHeniki");
    Press("SpdChokusen");
    EXPECT_EQ(window->Edit.SegmentEndKind, 0);
    EXPECT_EQ(window->Edit.RayEndKind, 1);
}

TEST_F(MainWindowTest, PointToolCancelsAGestureInEveryState) {
    // A line's rubber band, a segment's line waiting for its first end, and its first end
    // waiting for the second.
    for (int state : {DrawRubberBand, DrawAwaitFirstEnd, DrawAwaitSecondEnd}) {
        state == DrawRubberBand ? Press("SpdChokusen") : Press("spdSenbun");
        for (int i = 0; i < state; ++i) {
            Click(i, 2 * i + 1);
        }
        ASSERT_EQ(window->GestureState(), state);
        Press("spdTen");
        EXPECT_EQ(window->GestureState(), DrawIdle) << state;
    }
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
}

TEST_F(MainWindowTest, SegmentToolKeepsAGestureGoing) {
    Click(0, 1);
    Press("spdSenbun");
    EXPECT_EQ(window->GestureState(), DrawRubberBand);
}

TEST_F(MainWindowTest, SampleClickTakesTheNextAutomaticColour) {
    QTest::mouseClick(Ui<ImageView>("imgSample"), Qt::LeftButton);
    EXPECT_EQ(window->Doc.Table().ColorCycle, 1);
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    EXPECT_EQ(window->Doc.Table().LineTable[0].Color, ColorCycleTable[1]);
}

TEST_F(MainWindowTest, SampleClickKeepsAFixedColour) {
    window->Edit.FixedColor = 0x123456;
    Press("imgSample");
    EXPECT_EQ(window->Doc.Table().ColorCycle, 0);
}

TEST_F(MainWindowTest, LockDisablesExactlyTheListedControls) {
    QTest::mouseClick(Ui<QToolButton>("btnLocked"), Qt::LeftButton);
    for (QMenu* menu : {Ui<QMenu>("mnuFile"), Ui<QMenu>("mnuEdit"), Ui<QMenu>("mnuSettings"),
                        Ui<QMenu>("mnuRun"), Ui<QMenu>("mnuView"), Ui<QMenu>("mnuHelp")}) {
        EXPECT_FALSE(menu->menuAction()->isEnabled()) << menu->title().toStdString();
    }
    EXPECT_FALSE(Ui<QSpinBox>("spnMaruRad")->isEnabled());
    for (QWidget* usable : std::initializer_list<QWidget*>{
             Ui<QToolButton>("SpdChokusen"), Ui<QToolButton>("spdSenbun"),
             Ui<QToolButton>("spdHanchokusen"), Ui<QToolButton>("spdTen"),
             Ui<QToolButton>("spdTeisei"), Ui<QToolButton>("spdShoukyo"), Ui<ShikiList>("lstShiki"),
             Ui<QToolButton>("btnKaijo"), Ui<QToolButton>("BitBtn1"), Ui<QToolButton>("btnLocked"),
             Ui<QCheckBox>("chkMaru"), Ui<QToolButton>("btnHyoujun"),
             Ui<QToolButton>("btnIppan")}) {
        EXPECT_TRUE(usable->isEnabled()) << usable->objectName().toStdString();
    }
    // A line can still be drawn and deleted.
    EXPECT_TRUE(window->AddOrReplaceLine(Line(0, 1, 2, 2), -1));
    Press("spdTeisei");
    EXPECT_EQ(window->Doc.Table().LineCount, 0);
}

TEST_F(MainWindowTest, UnlockingEnablesTheLockedCommandsAgain) {
    Press("btnLocked");
    Press("btnLocked");
    for (QMenu* menu : {Ui<QMenu>("mnuFile"), Ui<QMenu>("mnuEdit"), Ui<QMenu>("mnuSettings"),
                        Ui<QMenu>("mnuRun"), Ui<QMenu>("mnuView"), Ui<QMenu>("mnuHelp")}) {
        EXPECT_TRUE(menu->menuAction()->isEnabled()) << menu->title().toStdString();
    }
    EXPECT_TRUE(Ui<QSpinBox>("spnMaruRad")->isEnabled());
    EXPECT_TRUE(Ui<QToolButton>("spdMoji")->isEnabled());
    for (QWidget* unlocked : std::initializer_list<QWidget*>{
             Ui<QToolButton>("spdOverWrite"), Ui<QToolButton>("spdTest"),
             Ui<QToolButton>("spdRenshu"), Ui<QToolButton>("spdKiroku")}) {
        EXPECT_TRUE(unlocked->isEnabled()) << unlocked->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, LockButtonShowsTheLockItWillRelease) {
    const QImage open = Ui<QToolButton>("btnLocked")->icon().pixmap(16, 16).toImage();
    Press("btnLocked");
    const QImage closed = Ui<QToolButton>("btnLocked")->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(open.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              Ui<ImageView>("imgUnLocked")
                  ->image()
                  .copy(0, 0, 16, 16)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(closed.convertToFormat(QImage::Format_ARGB32_Premultiplied),
              Ui<ImageView>("imgLocked")
                  ->image()
                  .copy(0, 0, 16, 16)
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST_F(MainWindowTest, FormButtonsNeedASelection) {
    QTest::mouseClick(Ui<QToolButton>("btnIppan"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("グラフの式を選択してください")});
    EXPECT_TRUE(Ui<QCheckBox>("chkKeishiki")->isChecked());
}

TEST_F(MainWindowTest, GeneralFormRewritesOnlyTheSelectedGraphs) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    window->AddOrReplaceLine(Line(1, 3, 3, -1), -1);  // selected
    QTest::mouseClick(Ui<QToolButton>("btnIppan"), Qt::LeftButton);
    EXPECT_EQ(Ui<QGroupBox>("grpShiki")->title(),
              QStringLiteral("グラフの式（２元１次方程式 ａｘ＋ｂｙ＝ｃの形）"));
    EXPECT_FALSE(Ui<QCheckBox>("chkKeishiki")->isChecked());
    EXPECT_EQ(window->Edit.Form, EquationForm::General);
    EXPECT_EQ(window->Doc.Table().LineTable[0].Text, QStringLiteral("y=1/2･x+1"));
    EXPECT_EQ(window->Doc.Table().LineTable[1].Text, QStringLiteral("2x+y=5"));
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki"))[1], QStringLiteral("2x+y=5"));
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
    EXPECT_EQ(image(Ui<QToolButton>("btnHyoujun")->icon()), glyph(Ui<ImageView>("imgOk1")));
    EXPECT_EQ(image(Ui<QToolButton>("btnIppan")->icon()), glyph(Ui<ImageView>("imgNotOk2")));
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);  // selected: the form buttons take it
    Press("btnIppan");
    EXPECT_EQ(image(Ui<QToolButton>("btnHyoujun")->icon()), glyph(Ui<ImageView>("imgNotOk1")));
    EXPECT_EQ(image(Ui<QToolButton>("btnIppan")->icon()), glyph(Ui<ImageView>("imgOk2")));
}

TEST_F(MainWindowTest, PanelColourBoxSwitchesTealAndWhite) {
    // The current graph's equation is written again in the new colours.
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    const auto inked = [&](QColor colour) {
        const QImage panel = Ui<ImageView>("imgShiki")->image();
        for (int y = 0; y < panel.height(); ++y) {
            for (int x = 0; x < panel.width(); ++x) {
                if (panel.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    Ui<QCheckBox>("chkRanColor")->setChecked(false);
    EXPECT_EQ(Ui<ImageView>("imgHenikiX")->image().pixelColor(3, 3), QColor(Qt::white));
    EXPECT_TRUE(inked(Qt::black));
    EXPECT_FALSE(inked(QColor(0, 128, 128)));
    Ui<QCheckBox>("chkRanColor")->setChecked(true);
    EXPECT_EQ(Ui<ImageView>("imgHenikiX")->image().pixelColor(3, 3), QColor(0, 128, 128));
    EXPECT_TRUE(inked(Qt::white));
    EXPECT_FALSE(inked(Qt::black));
}

TEST_F(MainWindowTest, FormulaBoxHidesTheListTexts) {
    Ui<QCheckBox>("chkShiki")->setChecked(false);
    EXPECT_FALSE(Ui<ShikiList>("lstShiki")->showText());
    Ui<QCheckBox>("chkShiki")->setChecked(true);
    EXPECT_TRUE(Ui<ShikiList>("lstShiki")->showText());
}

TEST_F(MainWindowTest, ValueTableClickTogglesItsWidth) {
    QTest::mouseClick(Ui<ImageView>("imgTable"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Ui<ImageView>("imgTable")->width(), 28 * 35);
    EXPECT_EQ(Ui<QFrame>("pnlTable")->width(), 28 * 35 + 2);
    QTest::mouseClick(Ui<ImageView>("imgTable"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Ui<ImageView>("imgTable")->width(), 353);
    EXPECT_EQ(Ui<QFrame>("pnlTable")->width(), 355);
}

TEST_F(MainWindowTest, MouseOverThePlaneShowsTheLatticePoint) {
    struct Row {
        LatticePoint p;
        QString text;
    };
    const Row rows[] = {{{3, -2}, " (  3, -2)"}, {{0, 0}, " (  0,  0)"}, {{-12, 10}, " (-12, 10)"}};
    for (const Row& r : rows) {
        emit Ui<PlaneView>("imgCood")->mouseMoved(
            Ui<PlaneView>("imgCood")->planeGeometry().LatticeToPixel(r.p));
        EXPECT_EQ(Ui<QLineEdit>("edtCood")->text(), r.text);
    }
}

}  // namespace
