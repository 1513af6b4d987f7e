// Drawing and editing with the mouse on the main window: real mouse events on the plane, the
// tool buttons, the arrows and the colour commands, read back from the list, memo and pixels.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "clickable_label.h"
#include "device_pixels.h"
#include "help/help_desk.h"
#include "help/help_window.h"
#include "plane/image_view.h"
#include "settings/label_window.h"
#include "settings/line_settings_window.h"
#include "shiki_list.h"
#include "tangen_window.h"
#include "window_fixture.h"

namespace {

class PlaneMouseTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QPoint Px(int x, int y) const {
        return Ui<PlaneView>("imgCood")->planeGeometry().LatticeToPixel({x, y});
    }
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseMove(Ui<PlaneView>("imgCood"), Px(x, y));
        QTest::mousePress(Ui<PlaneView>("imgCood"), button, {}, Px(x, y));
        QTest::mouseRelease(Ui<PlaneView>("imgCood"), button, {}, Px(x, y));
    }
    void RightDrag(LatticePoint from, LatticePoint to) {
        QTest::mouseMove(Ui<PlaneView>("imgCood"), Px(from.X, from.Y));
        QTest::mousePress(Ui<PlaneView>("imgCood"), Qt::RightButton, {}, Px(from.X, from.Y));
        QTest::mouseMove(Ui<PlaneView>("imgCood"), Px(to.X, to.Y));
        QTest::mouseRelease(Ui<PlaneView>("imgCood"), Qt::RightButton, {}, Px(to.X, to.Y));
    }
    QRgb At(QPoint p) const { return Ui<PlaneView>("imgCood")->image().pixel(p); }
    QString Row(int i) const { return ListTexts(Ui<ShikiList>("lstShiki"))[i]; }
};

TEST_F(PlaneMouseTest, SegmentWithChosenEndsByMouse) {
    Ui<QToolButton>("spdSenbun")->click();
    Ui<QToolButton>("spdHeniki")->click();  // ≦ ＜
    Click(0, 0);
    EXPECT_EQ(Ui<PlaneView>("imgCood")->cursor().shape(), Qt::BitmapCursor);
    // The band follows the mouse in the inverting pen and leaves nothing behind when it moves on.
    const QImage before = Ui<PlaneView>("imgCood")->image();
    QTest::mouseMove(Ui<PlaneView>("imgCood"), Px(4, 3));
    EXPECT_NE(Ui<PlaneView>("imgCood")->image(), before);
    EXPECT_EQ(Ui<QLineEdit>("edtCood")->text(), QStringLiteral(" (  4,  3)"));
    QTest::mouseMove(Ui<PlaneView>("imgCood"), Px(0, 0));  // back on the first point: band gone
    QImage cleared = Ui<PlaneView>("imgCood")->image();
    const QPoint first = Px(0, 0);
    EXPECT_EQ(cleared.copy(0, 0, first.x() - 6, cleared.height()),
              before.copy(0, 0, first.x() - 6, before.height()));
    Click(1, 2);
    Click(2, 7);
    Click(-1, 3);
    ASSERT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 1);
    EXPECT_EQ(Row(0), QStringLiteral("y=2x (-1≦x＜2)"));
    EXPECT_EQ(window->Doc.Table().Memo.size(), 7);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("1"));
    // Solid in the first colour (blue) on the segment, at x = 0.5 between the ends.
    const QPoint mid = Ui<PlaneView>("imgCood")->planeGeometry().RealToPixel(0.5, 1.0);
    bool inked = false;
    for (int dy = -1; dy <= 1; ++dy) {
        inked |= At(mid + QPoint(0, dy)) == qRgb(0, 0, 255);
    }
    EXPECT_TRUE(inked);
    EXPECT_FALSE(window->Doc.Saved());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlaneMouseTest, PointsLinesDragsAndMessages) {
    Ui<QToolButton>("spdTen")->click();
    Click(3, -2);
    EXPECT_EQ(Row(0), QStringLiteral("(  3, -2)"));
    EXPECT_EQ(window->Doc.Table().LineTable[0].P2, (LatticePoint{5, 99}));
    Ui<QToolButton>("SpdChokusen")->click();
    Click(0, 0);
    Click(0, 0);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("座標が同じなので線が引けません")});
    Click(0, 0);
    Click(2, 1);
    EXPECT_EQ(Row(1), QStringLiteral("y=1/2･x"));
    // A press outside the grid is ignored.
    QTest::mouseClick(Ui<PlaneView>("imgCood"), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(window->GestureState(), DrawIdle);

    // The selected line's end dragged with the right button.
    RightDrag({2, 1}, {2, 4});
    EXPECT_EQ(Row(1), QStringLiteral("y=2x"));
    EXPECT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 2);
    // A right click on the point's place selects the point only.
    RightDrag({0, 0}, {0, 0});
    window->Doc.SetSelection(0b1);
    RightDrag({3, -2}, {3, -2});
    EXPECT_TRUE(SelectedRows(Ui<ShikiList>("lstShiki")).contains(0));
    EXPECT_FALSE(SelectedRows(Ui<ShikiList>("lstShiki")).contains(1));
}

TEST_F(PlaneMouseTest, ClicksOnScaledScreensLandOnTheLatticePointUnderThem) {
    // Qt's position of any device pixel of a point's lattice lines (corner or centre) is the point.
    PlaneView* plane = Ui<PlaneView>("imgCood");
    LatticePoint pressed{};
    QObject::connect(plane, &PlaneView::latticePressed,
                     [&](GestureButton, LatticePoint at, bool, bool) { pressed = at; });
    for (const double ratio : {1.25, 1.5, 2.0}) {
        const DeviceGrid grid(ratio);
        for (const LatticePoint p : {LatticePoint{3, -2}, LatticePoint{-7, 5}}) {
            const QPoint at = grid.At(Px(p.X, p.Y));
            for (int d = 0; d < grid.thin * grid.thin * 2; ++d) {
                const double inside = d % 2 * 0.5;
                const QPointF pos((at.x() + d / 2 % grid.thin + inside) / ratio,
                                  (at.y() + d / 2 / grid.thin + inside) / ratio);
                QMouseEvent press(QEvent::MouseButtonPress, pos, plane->mapToGlobal(pos),
                                  Qt::RightButton, Qt::RightButton, {});
                QApplication::sendEvent(plane, &press);
                EXPECT_EQ(pressed, p) << ratio << " " << pos.x() << "," << pos.y();
                QMouseEvent release(QEvent::MouseButtonRelease, pos, plane->mapToGlobal(pos),
                                    Qt::RightButton, {}, {});
                QApplication::sendEvent(plane, &release);
            }
        }
    }
}

TEST_F(PlaneMouseTest, AFingerDrawsDragsEndsAndSlidesPoints) {
    PlaneView* plane = Ui<PlaneView>("imgCood");
    Finger finger{plane};
    const QImage bare = plane->image();
    finger.Down(Px(0, 0));
    finger.To(Px(2, 1));
    EXPECT_NE(plane->image(), bare);  // the band follows the finger
    finger.Up(Px(2, 1));
    finger.Tap(Px(0, 1));
    finger.Tap(Px(1, 3));
    EXPECT_EQ(ListTexts(Ui<ShikiList>("lstShiki")), (QStringList{"y=1/2･x", "y=2x+1"}));
    // Near the selected line's end, and not on it, the finger drags the end along; a long press
    // there and a lift where it landed is the right click, which chooses that line alone.
    const QPoint nearEnd(10, -12);
    finger.Drag(Px(1, 3) + nearEnd, Px(3, 4) + nearEnd);
    EXPECT_EQ(Row(1), QStringLiteral("y=x+1"));
    window->Doc.SetSelection(0b11);
    finger.Down(Px(2, 1) + nearEnd);
    finger.Hold();
    finger.Up(Px(2, 1) + nearEnd);
    EXPECT_EQ(SelectedRows(Ui<ShikiList>("lstShiki")), QList<int>{0});
    // A point shows where it would go as the finger slides, and is placed where it lifts.
    Ui<QToolButton>("spdTen")->click();
    const QImage lines = plane->image();
    finger.Down(Px(-3, 2));
    finger.To(Px(-2, -1));
    EXPECT_NE(plane->image().pixel(Px(-2, -1)), lines.pixel(Px(-2, -1)));
    finger.Up(Px(-2, -1));
    EXPECT_EQ(Row(2), QStringLiteral("( -2, -1)"));
    EXPECT_EQ(plane->image().pixel(Px(-3, 2)), lines.pixel(Px(-3, 2)));
    EXPECT_EQ(window->Doc.Table().LineCount, 3);
    EXPECT_EQ(window->GestureState(), DrawIdle);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlaneMouseTest, ArrowsStepsAndColoursMarkTheDrawingUnsaved) {
    window->AddOrReplaceLine(Line(0, 0, 2, 1), -1);
    window->AddOrReplaceLine(Line(3, 0, 3, 5), -1);
    window->Doc.SetSelection(0b1);
    window->Doc.MarkSaved();
    Ui<QToolButton>("btnUp")->click();
    EXPECT_EQ(Row(0), QStringLiteral("y=1/2･x+1"));
    EXPECT_FALSE(window->Doc.Saved());
    Ui<QToolButton>("btnKatamukiUp")->click();
    EXPECT_EQ(Row(0), QStringLiteral("y=x+1"));
    Ui<QToolButton>("btnSeppenDw")->click();
    EXPECT_EQ(Row(0), QStringLiteral("y=x"));
    window->Doc.SetSelection(window->Doc.Table().Selected | std::bitset<MaxGraphs>(1u << 1));
    Ui<QToolButton>("btnKatamukiDw")->click();
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("x = 3は１次関数ではないので\n傾きや切片がありません"));

    // Recolour the selection; all graphs back to automatic colours with white.
    dialogs.colours = {0x00FF00, 0xFFFFFF};
    Ui<QAction>("mnuChangeColor")->trigger();
    EXPECT_EQ(window->Doc.Table().LineTable[0].Color, 0x00FF00);
    EXPECT_EQ(window->Doc.Table().LineTable[1].Color, 0x00FF00);
    Ui<QToolButton>("spdLineColor")->click();
    EXPECT_EQ(window->Doc.Table().LineTable[1].Color, ColorCycleTable[1]);
    EXPECT_EQ(window->Doc.Table().ColorCycle, 2);
    // Not while a band follows the mouse.
    Ui<QToolButton>("SpdChokusen")->click();
    Click(5, 5);
    Ui<QToolButton>("spdLineColor")->click();
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("途中で色は変更できません"));
    EXPECT_EQ(dialogs.colourDialogs, 2);
}

TEST_F(PlaneMouseTest, LabelsFromTheLabelWindowArePlacedByClicks) {
    Ui<QToolButton>("spdSenbun")->click();
    dialogs.modalScript = [&](QDialog& dialog) {
        auto* labels = dynamic_cast<TfrmMoji*>(&dialog);
        if (labels == nullptr) {
            return int(ModalCancel);
        }
        dialog.show();
        Control<QLineEdit>(*labels, "edtInput")->setText(QStringLiteral("Ａ"));
        Control<QSpinBox>(*labels, "spnFontSize")->setValue(20);
        ::Press(*labels, "btnAddMoji");
        Control<QLineEdit>(*labels, "edtInput")->setText(QStringLiteral("km"));
        ::Press(*labels, "btnAddMoji");
        ::Press(*labels, "BitBtn3");
        return dialog.result();
    };
    Ui<QToolButton>("spdMoji")->click();
    ASSERT_TRUE(Ui<QListWidget>("lstMojiM")->isVisible());
    EXPECT_EQ(Ui<QLineEdit>("edtLineMode")->text(), QStringLiteral("文字"));
    QTest::mouseClick(Ui<PlaneView>("imgCood"), Qt::LeftButton, {}, QPoint(3, 3));  // in the margin
    QTest::mouseClick(Ui<PlaneView>("imgCood"), Qt::LeftButton, {}, Px(2, 2));
    ASSERT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 2);
    EXPECT_EQ(Row(0), QStringLiteral("Ａ"));
    EXPECT_EQ(window->Doc.Table().LineTable[1].D2.X, 20);
    EXPECT_FALSE(Ui<QListWidget>("lstMojiM")->isVisible());
    EXPECT_EQ(window->Edit.LineMode, GraphKind::Segment);  // the earlier tool is back
    EXPECT_TRUE(Ui<QToolButton>("spdSenbun")->isChecked());
}

TEST_F(PlaneMouseTest, LineSettingsChooseTheToolThroughItsButton) {
    dialogs.modalScript = [&](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QRadioButton*>(QStringLiteral("rbtLMode2"))->click();
        dialog.findChild<QRadioButton*>(QStringLiteral("rbtLWidth3"))->click();
        dialog.findChild<QRadioButton*>(QStringLiteral("rbtHanHeniki1"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        return dialog.result();
    };
    Ui<QAction>("mnuSetSenshu")->trigger();
    EXPECT_EQ(window->Edit.LineMode, GraphKind::Ray);
    EXPECT_EQ(window->Edit.LineWidth, 3);
    EXPECT_TRUE(Ui<QToolButton>("spdHanchokusen")->isChecked());
    EXPECT_EQ(Ui<ClickableLabel>("lblHeniki")->text(), QStringLiteral("  ＜ "));
}

TEST_F(PlaneMouseTest, LeavingThePlaneForTheBareWindowCancelsTheGesture) {
    Ui<QToolButton>("SpdChokusen")->click();
    Click(1, 1);
    ASSERT_EQ(window->GestureState(), DrawRubberBand);
    QWidget* body = window->centralWidget();
    QTest::mouseMove(body, QPoint(body->width() - 3, body->height() - 3));
    EXPECT_EQ(window->GestureState(), DrawIdle);
    EXPECT_EQ(int(ListTexts(Ui<ShikiList>("lstShiki")).size()), 0);
}

TEST_F(PlaneMouseTest, ClipboardCopiesPastesAndClearsThePicture) {
    QGuiApplication::clipboard()->clear();
    const QImage empty = Ui<PlaneView>("imgCood")->image();
    Press("mnuClipBoardTo");  // nothing to paste: said, and nothing changes
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("クリップボードに絵がありません")});
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image(), empty);

    window->AddOrReplaceLine(Line(0, 0, 1, 2), -1);
    Press("mnuClipBoard");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              Ui<PlaneView>("imgCood")->image());

    // A red picture as the background: graphs are drawn over it, and a moved graph leaves no
    // trace behind.
    QImage red(Ui<PlaneView>("imgCood")->image().size() / 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(red);
    Press("mnuClipBoardTo");
    const QPoint corner(3, 5);
    EXPECT_EQ(At(corner), qRgb(255, 0, 0));
    EXPECT_EQ(At(QPoint(red.width() + 3, red.height() + 5)), qRgb(255, 255, 255));
    // y=2x passes (4, 8); after two steps right it passes (6, 8) and (4, 8) is white again.
    auto inkNear = [&](LatticePoint p) {
        bool ink = false;
        for (int d = -1; d <= 1; ++d) {
            ink |= At(Px(p.X, p.Y) + QPoint(d, 0)) != qRgb(255, 255, 255);
        }
        return ink;
    };
    ASSERT_TRUE(inkNear({4, 8}));
    window->Doc.SetSelection(window->Doc.Table().Selected | std::bitset<MaxGraphs>(1u << 0));
    Ui<QToolButton>("btnRight")->click();
    Ui<QToolButton>("btnRight")->click();
    EXPECT_TRUE(inkNear({6, 8}));
    EXPECT_FALSE(inkNear({4, 8}));

    dialogs.answers = {Answer::Yes};
    Press("mnuClearBitMap");
    EXPECT_NE(At(corner), qRgb(255, 0, 0));
    Press("mnuReDisplay");  // the picture is not laid down again
    EXPECT_NE(At(corner), qRgb(255, 0, 0));
}

TEST_F(PlaneMouseTest, F1OpensTheTopicOfWhatHasTheFocus) {
    window->AddOrReplaceLine(Line(0, 0, 1, 2), -1);  // something to move
    Press("mnuSetCoodSize"), Press("mnuMove"), Press("spdMoji");
    const std::pair<QWidget*, const char*> rows[] = {
        {Ui<ShikiList>("lstShiki"), "104.html"},
        {Ui<PlaneView>("imgCood"), "index.html"},  // the main window's own topic is the contents
        {Owned<QWidget>("frmSetCood")->findChild<QWidget*>("edtDX"), "106.html"},
        {Owned<QWidget>("frmMoji")->findChild<QWidget*>("edtInput"), "102.html"},
        {Owned<QWidget>("frmMoveMoji")->findChild<QWidget*>("btnLeft"), "105.html"},
    };
    HelpDesk* help = window->findChild<HelpDesk*>();
    const auto shownTopic = [&] {
        return Control<QTextBrowser>(*help->Window(), "txtTopic")->source().toString();
    };
    for (const auto& [widget, topic] : rows) {
        QTest::keyClick(widget, Qt::Key_F1);  // where the focus is, the key goes
        ASSERT_NE(help->Window(), nullptr);
        const QString shown = shownTopic();
        EXPECT_TRUE(shown.endsWith(topic)) << topic << " " << shown.toStdString();
    }
    Ui<QAction>("OnePoint")->trigger();
    EXPECT_TRUE(shownTopic().endsWith("230.html"));
    EXPECT_EQ(help->Window()->windowModality(), Qt::NonModal);

    // F1 pressed in the real file-open dialog opens its topic, modal over the dialog so that it
    // can be read and closed.
    InstallDialogs(nullptr);
    QString topicInDialog;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        topicInDialog = shownTopic();
        modality = help->Window()->windowModality();
        help->Window()->close();
        static_cast<QDialog*>(dialog)->reject();
    });
    const QString chosen = ChooseOpenFile(QDir::tempPath(), QString(), {"*.lin"});
    InstallDialogs(&dialogs);
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(topicInDialog.endsWith("1213.html")) << topicInDialog.toStdString();
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

}  // namespace
