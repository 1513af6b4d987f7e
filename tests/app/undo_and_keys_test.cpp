// Undo and redo as a user takes back slips: by Ctrl+Z and Ctrl+Y on the shown window, read back
// from the list, the memo, the plane's pixels and the save prompt. Then drawing, choosing graphs
// and answering a practice question with key events alone.
#include <QAccessible>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <set>

#include "plane/image_view.h"
#include "practice/practice_window.h"
#include "practice/result_dialogs.h"
#include "settings/plane_settings_window.h"
#include "shiki_list.h"
#include "tangen_window.h"
#include "units/tangen_open_window.h"
#include "window_fixture.h"

namespace {

class UndoTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QPoint Px(int x, int y) const {
        return Ui<PlaneView>("imgCood")->planeGeometry().LatticeToPixel({x, y});
    }
    void Click(int x, int y) {
        QTest::mouseMove(Ui<PlaneView>("imgCood"), Px(x, y));
        QTest::mouseClick(Ui<PlaneView>("imgCood"), Qt::LeftButton, {}, Px(x, y));
    }
    void Undo() { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier); }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < int(ListTexts(Ui<ShikiList>("lstShiki")).size()); ++i) {
            rows << ListTexts(Ui<ShikiList>("lstShiki"))[i];
        }
        return rows;
    }
};

TEST_F(UndoTest, ThreeGraphsTwoUndosOneRedo) {
    EXPECT_FALSE(Ui<QAction>("mnuUndo")->isEnabled());
    Click(0, 0), Click(1, 2);  // y=2x
    Click(0, 1), Click(3, 1);  // y=1
    const QImage planeOfTwo = Ui<PlaneView>("imgCood")->image();
    const QStringList memoOfTwo = window->Doc.Table().Memo;
    Click(-2, 0), Click(-2, 3);  // x=-2
    ASSERT_EQ(Rows(), (QStringList{"y=2x", "y =1", "x = -2"}));
    Undo();
    Undo();
    EXPECT_EQ(Rows(), QStringList{"y=2x"});
    EXPECT_TRUE(Ui<QAction>("mnuRedo")->isEnabled());
    Redo();
    EXPECT_EQ(Rows(), (QStringList{"y=2x", "y =1"}));
    EXPECT_EQ(window->Doc.Table().Memo, memoOfTwo);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("2"));
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image(), planeOfTwo);
    EXPECT_FALSE(window->Doc.Saved());
    // A new graph after the undo forgets the undone one; its colour is the one the third graph
    // had, since the colour cycle went back with it.
    Click(1, 1), Click(2, 3);
    EXPECT_FALSE(Ui<QAction>("mnuRedo")->isEnabled());
    EXPECT_EQ(window->Doc.Table().LineTable[2].Color, ColorCycleTable[2]);
    EXPECT_TRUE(Ui<QAction>("mnuUndo")->isEnabled());
    // The lock disables both commands and their keys.
    Ui<QToolButton>("btnLocked")->click();
    EXPECT_FALSE(Ui<QAction>("mnuUndo")->isEnabled());
    Undo();
    EXPECT_EQ(window->Doc.Table().LineCount, 3);
}

TEST_F(UndoTest, GestureInProgressIsAllThatCtrlZTakesBack) {
    Click(2, 1);  // nothing to undo yet
    ASSERT_EQ(window->GestureState(), DrawRubberBand);
    Undo();
    EXPECT_EQ(window->GestureState(), DrawIdle);
    EXPECT_FALSE(Ui<QAction>("mnuUndo")->isEnabled());
    Click(0, 0), Click(1, 2);
    Click(3, 3);  // a rubber band from (3,3)
    ASSERT_EQ(window->GestureState(), DrawRubberBand);
    Undo();
    EXPECT_EQ(window->GestureState(), DrawIdle);
    EXPECT_EQ(Rows(), QStringList{"y=2x"});
    // Under the lock the history stays, but a gesture is still taken back.
    Ui<QToolButton>("btnLocked")->click();
    Click(-1, 3);
    Undo();
    EXPECT_EQ(window->GestureState(), DrawIdle);
    Undo();
    EXPECT_EQ(Rows(), QStringList{"y=2x"});
    Ui<QToolButton>("btnLocked")->click();
    Undo();
    EXPECT_EQ(Rows(), QStringList{});
}

TEST_F(UndoTest, EveryStepShowsTheListAndTheFormSettingAsItIs) {
    Click(0, 0), Click(1, 2);  // y=2x in blue
    ShikiList* list = Ui<ShikiList>("lstShiki");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    dialogs.colours = {0x00FF00};
    Ui<QAction>("mnuChangeColor")->trigger();
    Ui<QToolButton>("btnIppan")->click();
    ASSERT_EQ(Rows(), QStringList{"-2x+y=0"});
    // The row's sample stroke as the screen shows it, without asking the list to paint again.
    const auto sample = [&] {
        QCoreApplication::processEvents();
        const QPoint at = list->viewport()->mapTo(window.get(), QPoint(19, 10));
        return window->screen()->grabWindow(window->winId()).toImage().pixelColor(at);
    };
    const auto form = [&]() -> std::string {
        return Ui<QGroupBox>("grpShiki")->title().contains(QStringLiteral("ａｘ＋ｂｙ＝ｃ"))
                   ? "ax+by=c"
                   : "y=ax+b";
    };
    EXPECT_EQ(form(), "ax+by=c");
    Undo();
    EXPECT_EQ(Rows(), QStringList{"y=2x"});
    EXPECT_EQ(form(), "y=ax+b");
    EXPECT_EQ(sample(), QColor(0, 255, 0));
    Undo();
    EXPECT_EQ(sample(), QColor(0, 0, 255));
    Redo();
    EXPECT_EQ(sample(), QColor(0, 255, 0));
    Redo();
    EXPECT_EQ(form(), "ax+by=c");
    // The next graph is written in the form the buttons show.
    Click(0, 1), Click(3, 1);
    EXPECT_EQ(Rows().last(), QStringLiteral("y=1"));
    // Other steps leave the form as it is, whatever the form of the graph they leave selected.
    Ui<QToolButton>("btnHyoujun")->click();
    Click(0, 2), Click(3, 3);
    Ui<QToolButton>("btnIppan")->click();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    Click(-4, 0), Click(-2, 3);
    Undo();
    Click(0, -4), Click(3, -3);
    EXPECT_EQ(Rows(), (QStringList{"-2x+y=0", "y =1", "-x+3y=6", "-x+3y=-12"}));
}

TEST_F(UndoTest, EraseAllUndoneBringsEveryGraphBackInItsColour) {
    Click(0, 0), Click(1, 2);
    Click(0, 1), Click(3, 1);
    const std::array<TLineSpec, 2> drawn{window->Doc.Table().LineTable[0],
                                         window->Doc.Table().LineTable[1]};
    dialogs.answers = {Answer::Yes};
    Ui<QToolButton>("spdShoukyo")->click();
    ASSERT_EQ(window->Doc.Table().LineCount, 0);
    Undo();
    ASSERT_EQ(window->Doc.Table().LineCount, 2);
    EXPECT_EQ(window->Doc.Table().LineTable[0], drawn[0]);
    EXPECT_EQ(window->Doc.Table().LineTable[1], drawn[1]);
    EXPECT_NE(drawn[0].Color, drawn[1].Color);
    // y=2x is drawn in its own colour again, blue at x = 0.5.
    const QPoint mid = Ui<PlaneView>("imgCood")->planeGeometry().RealToPixel(0.5, 1.0);
    bool inked = false;
    for (int dy = -1; dy <= 1; ++dy) {
        inked |= Ui<PlaneView>("imgCood")->image().pixel(mid + QPoint(0, dy)) == qRgb(0, 0, 255);
    }
    EXPECT_TRUE(inked);
}

TEST_F(UndoTest, BackAtTheSavedStateNothingIsAsked) {
    QTemporaryDir dir;
    window->Doc.MarkSaved(window->Doc.Title(), dir.filePath(QStringLiteral("u.lin")));
    window->Doc.SetFirstSaveDialog(false);
    Click(0, 0), Click(1, 2);
    Ui<QToolButton>("spdOverWrite")->click();
    ASSERT_TRUE(window->Doc.Saved());
    Undo();
    EXPECT_FALSE(window->Doc.Saved());
    Redo();
    EXPECT_TRUE(window->Doc.Saved());
    EXPECT_EQ(window->AskSaveChanges(), Answer::No);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    Click(0, 1), Click(3, 1);  // then the file opened again starts a history of its own
    dialogs.answers = {Answer::No};
    dialogs.files = {window->Doc.FileName()};
    Press("mnuOpenFile");
    EXPECT_FALSE(Ui<QAction>("mnuUndo")->isEnabled());
}

TEST_F(UndoTest, PlaneSettingsAcceptedWithOkAreOneStep) {
    Click(0, 0), Click(1, 2);
    const QImage planeBefore = Ui<PlaneView>("imgCood")->image();
    Ui<QAction>("mnuSetCoodSize")->trigger();
    TfrmSetCood* settings = Owned<TfrmSetCood>("frmSetCood");
    Control<QLineEdit>(*settings, "edtDY")->setText(QStringLiteral("8"));  // tried out: no step
    Control<QLineEdit>(*settings, "edtDX")->setText(QStringLiteral("12"));
    ::Press(*settings, "btnOk");
    ASSERT_EQ(window->Doc.Plane().SpacingX, QStringLiteral("12"));
    Undo();
    EXPECT_EQ(window->Doc.Plane().SpacingX, QStringLiteral("16"));
    EXPECT_EQ(window->Doc.Plane().SpacingY, QStringLiteral("16"));
    EXPECT_EQ(Rows(), QStringList{"y=2x"});
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image(), planeBefore);
}

class KeysTest : public UndoTest {
  protected:
    void Key(QWidget* target, int key, int times = 1, Qt::KeyboardModifiers modifiers = {}) {
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(target, Qt::Key(key), modifiers);
        }
    }
    // Moves the plane's cursor from where it is to p with arrow keys.
    void CursorTo(LatticePoint p) {
        const LatticePoint from = Ui<PlaneView>("imgCood")->latticeCursor();
        Key(Ui<PlaneView>("imgCood"), p.X > from.X ? Qt::Key_Right : Qt::Key_Left,
            std::abs(p.X - from.X));
        Key(Ui<PlaneView>("imgCood"), p.Y > from.Y ? Qt::Key_Up : Qt::Key_Down,
            std::abs(p.Y - from.Y));
    }
    void Enter() { Key(Ui<PlaneView>("imgCood"), Qt::Key_Return); }
    void ShiftEnter() { Key(Ui<PlaneView>("imgCood"), Qt::Key_Return, 1, Qt::ShiftModifier); }
};

TEST_F(KeysTest, LineSegmentAndDragWithKeysAlone) {
    Ui<PlaneView>("imgCood")->setFocus();
    CursorTo({0, 0});
    Enter();
    CursorTo({1, 2});
    EXPECT_EQ(Ui<QLineEdit>("edtCood")->text(), QStringLiteral(" (  1,  2)"));
    // The cursor's cross is shown over the plane and is not part of the picture. Every pixel of
    // its arms stands out from the plane under it, on the band, on the axes at the origin and on
    // the grid; the pixel past an arm's end is the plane's own.
    PlaneView* plane = Ui<PlaneView>("imgCood");
    for (const LatticePoint p : {LatticePoint{1, 2}, LatticePoint{0, 0}, LatticePoint{3, -1},
                                 LatticePoint{0, 4}, LatticePoint{1, 2}}) {
        CursorTo(p);
        const QPoint at = plane->planeGeometry().LatticeToPixel(p);
        const QImage shown = plane->grab().toImage();
        for (const QPoint arm : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            for (int k = 2; k <= ImageView::KeyCursorArm; ++k) {
                const QColor a = shown.pixelColor(at + k * arm);
                const QColor b = plane->image().pixelColor(at + k * arm);
                EXPECT_GE(std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                    std::abs(a.blue() - b.blue())}),
                          96)
                    << p.X << "," << p.Y << " arm " << arm.x() << "," << arm.y() << " at " << k;
            }
            const QPoint past = at + (ImageView::KeyCursorArm + 1) * arm;
            EXPECT_EQ(shown.pixel(past), plane->image().pixel(past));
        }
    }
    Enter();
    ASSERT_EQ(Rows(), QStringList{"y=2x"});

    Ui<QToolButton>("spdSenbun")->click();
    Ui<PlaneView>("imgCood")->setFocus();
    CursorTo({0, 1});
    Enter();
    CursorTo({2, 2});
    Enter();  // the line y=1/2x+1 is fixed; now its domain
    CursorTo({-2, 2});
    Enter();
    CursorTo({4, 2});
    Key(Ui<PlaneView>("imgCood"), Qt::Key_Space);
    ASSERT_EQ(window->Doc.Table().LineCount, 2);
    EXPECT_EQ(window->Doc.Table().LineTable[1].D1.X, -2);
    EXPECT_EQ(window->Doc.Table().LineTable[1].D2.X, 4);

    // Home in the list selects y=2x; on the plane Shift+Enter grabs its end (1,2), the arrows
    // drag it and Shift+Enter lets it go.
    Ui<ShikiList>("lstShiki")->setFocus();
    Key(Ui<ShikiList>("lstShiki"), Qt::Key_Home);
    ASSERT_EQ(window->Doc.Table().Selected.to_ulong(), 0b01u);
    Ui<PlaneView>("imgCood")->setFocus();
    CursorTo({2, 2});
    ShiftEnter();  // no end of a selected graph here: nothing is held
    CursorTo({1, 2});
    ShiftEnter();
    CursorTo({1, 3});
    ShiftEnter();
    EXPECT_EQ(Rows()[0].trimmed(), QStringLiteral("y=3x"));

    // Esc cancels a gesture in progress and nothing else.
    Ui<QToolButton>("SpdChokusen")->click();
    Ui<PlaneView>("imgCood")->setFocus();
    Enter();
    ASSERT_EQ(window->GestureState(), DrawRubberBand);
    Key(Ui<PlaneView>("imgCood"), Qt::Key_Escape);
    EXPECT_EQ(window->GestureState(), DrawIdle);
    EXPECT_EQ(window->Doc.Table().LineCount, 2);
}

TEST_F(KeysTest, FormulaListKeysSelectMoveAndDelete) {
    window->AddOrReplaceLine(Line(0, 0, 1, 2), -1);
    window->AddOrReplaceLine(Line(0, 1, 3, 1), -1);
    window->AddOrReplaceLine(Line(0, 0, 1, -1), -1);
    Ui<ShikiList>("lstShiki")->setFocus();
    Ui<ShikiList>("lstShiki")->setCurrentIndex(Ui<ShikiList>("lstShiki")->model()->index(0, 0));
    Key(Ui<ShikiList>("lstShiki"), Qt::Key_Down, 1, Qt::ShiftModifier);
    EXPECT_EQ(window->Doc.Table().Selected.to_ulong(), 0b011u);
    Key(Ui<ShikiList>("lstShiki"), Qt::Key_Right, 2, Qt::ControlModifier);
    Key(Ui<ShikiList>("lstShiki"), Qt::Key_Down, 1, Qt::ControlModifier);
    EXPECT_EQ(window->Doc.Table().LineTable[0].P1, (LatticePoint{2, -1}));
    EXPECT_EQ(window->Doc.Table().LineTable[1].P1, (LatticePoint{2, 0}));
    EXPECT_EQ(window->Doc.Table().LineTable[2].P1, (LatticePoint{0, 0}));  // not selected: stays
    Key(Ui<ShikiList>("lstShiki"), Qt::Key_Delete);
    ASSERT_EQ(window->Doc.Table().LineCount, 1);
    EXPECT_EQ(window->Doc.Table().LineTable[0].P2, (LatticePoint{1, -1}));
    Key(Ui<ShikiList>("lstShiki"), Qt::Key_A, 1, Qt::ControlModifier);
    EXPECT_TRUE(window->Doc.Table().Selected.test(0));
}

TEST_F(KeysTest, APracticeQuestionAnsweredByKeys) {
    window->AddOrReplaceLine(Line(-1, -2, 1, 2), -1);
    QStringList shown;
    dialogs.modalScript = [&](QDialog& dialog) -> int {
        shown.append(dialog.metaObject()->className());
        dialog.show();
        if (auto* practice = dynamic_cast<TfrmRenshu*>(&dialog)) {
            auto* plane = Control<PlaneView>(*practice, "imgCood");
            EXPECT_EQ(practice->focusWidget(), plane);
            plane->setLatticeCursor({3, 3});
            Key(plane, Qt::Key_Left, 3), Key(plane, Qt::Key_Down, 3);
            Key(plane, Qt::Key_Return);  // (0,0)
            Key(plane, Qt::Key_Right), Key(plane, Qt::Key_Up, 2);
            Key(plane, Qt::Key_Return);  // (1,2): y=2x, right at once
            return practice->result();
        }
        // Enter takes the default button: the next question, which ends this one-question test.
        // Esc on the end dialog stops.
        Key(&dialog, dynamic_cast<TfrmSeikai*>(&dialog) ? Qt::Key_Return : Qt::Key_Escape);
        return dialog.result();
    };
    Press("spdTest");
    EXPECT_EQ(Owned<TfrmRenshu>("frmRenshu")->Session().MarkString(), QStringLiteral("O"));
    // Enter on 正解 went on, so the run ended with every answer right.
    EXPECT_EQ(shown, (QStringList{"TfrmRenshu", "TfrmSeikai", "TfrmHappy"}));
}

// Whether a screen reader's name is one a Japanese user understands: it holds kana or kanji, or it
// is the "OK" that Japanese programs show on their buttons.
bool IsJapaneseName(const QString& name) {
    if (name == u"OK" || name == u"ＯＫ") {
        return true;
    }
    return std::any_of(name.begin(), name.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3040 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
               (u >= 0xFF66 && u <= 0xFF9F);
    });
}

// Every control a student or a teacher uses, in every window, is named in Japanese for a screen
// reader.
TEST_F(KeysTest, EveryControlOfEveryWindowHasAJapaneseAccessibleName) {
    window->AddOrReplaceLine(Line(0, 0, 1, 2), -1);
    // Each window is shown, as it makes some of its parts then, and left with Cancel; the
    // practice's question is answered, which makes its result dialogs.
    dialogs.modalScript = [](QDialog& dialog) {
        dialog.show();
        if (auto* practice = dynamic_cast<TfrmRenshu*>(&dialog)) {
            for (const LatticePoint p : {LatticePoint{0, 0}, LatticePoint{1, 2}}) {
                ClickPractice(*practice, p);
            }
        }
        return int(ModalCancel);
    };
    window->RunPractice({Line(0, 0, 1, 2)}, window->Doc.Plane());
    for (const char* command :
         {"mnuTangenOpen", "mnuSave", "mnuEditQues", "mnuPrint", "mnuSetSenshu", "mnuSetCoodSize",
          "mnuMove", "mnuShowTangen", "mnuShowRecord", "ShowHelp", "ShowAbout", "spdMoji"}) {
        Press(command);
    }
    // The main window and every window it owns, however deep: those the commands made and the
    // practice's result dialogs.
    std::vector<QWidget*> roots{window.get()};
    QStringList names;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() && !qobject_cast<QMenu*>(widget)) {
            roots.push_back(widget);
            names.append(widget->objectName());
        }
    }
    names.sort();
    EXPECT_EQ(names.join(u' ').toStdString(),
              "frmAyamari frmEditQues frmHappy frmHelp frmKiroku frmMoji frmMoveMoji frmNewWork "
              "frmOwari frmPrint frmRenshu frmSeikai frmSetCood frmSettei frmTangen frmTangenOpen "
              "frmVersion");
    for (QWidget* root : roots) {
        std::set<QString> spoken;
        for (QWidget* control : root->findChildren<QWidget*>()) {
            const bool used = control->focusPolicy() != Qt::NoFocus ||
                              qobject_cast<ImageView*>(control) != nullptr;
            // A spin box's own edit field is read out under the spin box's name.
            const bool inSpinBox = qobject_cast<QAbstractSpinBox*>(control->parentWidget());
            if (!used || inSpinBox || control->window() != root || !control->isVisibleTo(root)) {
                continue;
            }
            // What a screen reader says: the label whose buddy the control is, or its own name
            // (the name given, a caption; a combo box's shown text on Linux, whatever its name).
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QString name = accessible->text(QAccessible::Name);
            for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
                name = label->role() == QAccessible::StaticText ? label->text(QAccessible::Name)
                                                                : name;
            }
            EXPECT_TRUE(IsJapaneseName(name))
                << root->objectName().toStdString() << " " << control->metaObject()->className()
                << " " << control->objectName().toStdString() << " \"" << name.toStdString()
                << "\"";
            // Two controls of one window with one name cannot be told apart by ear.
            EXPECT_TRUE(spoken.insert(name).second)
                << root->objectName().toStdString() << " \"" << name.toStdString() << "\" twice";
        }
    }
}

}  // namespace
