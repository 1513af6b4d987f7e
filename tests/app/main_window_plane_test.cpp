// Drawing and editing with the mouse on the main window: real mouse events on the plane, the
// tool buttons, the arrows and the colour commands, read back from the list, memo and pixels.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "clickable_label.h"
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
        return window->imgCood->planeGeometry().LatticeToPixel({x, y});
    }
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseMove(window->imgCood, Px(x, y));
        QTest::mousePress(window->imgCood, button, {}, Px(x, y));
        QTest::mouseRelease(window->imgCood, button, {}, Px(x, y));
    }
    void RightDrag(LatticePoint from, LatticePoint to) {
        QTest::mouseMove(window->imgCood, Px(from.X, from.Y));
        QTest::mousePress(window->imgCood, Qt::RightButton, {}, Px(from.X, from.Y));
        QTest::mouseMove(window->imgCood, Px(to.X, to.Y));
        QTest::mouseRelease(window->imgCood, Qt::RightButton, {}, Px(to.X, to.Y));
    }
    QRgb At(QPoint p) const { return window->imgCood->image().pixel(p); }
    QString Row(int i) const { return window->lstShiki->item(i)->text(); }
};

TEST_F(PlaneMouseTest, SegmentWithChosenEndsByMouse) {
    window->spdSenbun->click();
    window->spdHeniki->click();  // ≦ ＜
    Click(0, 0);
    EXPECT_EQ(window->imgCood->cursor().shape(), Qt::BitmapCursor);
    // The band follows the mouse in the inverting pen and leaves nothing behind when it moves on.
    const QImage before = window->imgCood->image();
    QTest::mouseMove(window->imgCood, Px(4, 3));
    EXPECT_NE(window->imgCood->image(), before);
    EXPECT_EQ(window->edtCood->text(), QStringLiteral(" (  4,  3)"));
    QTest::mouseMove(window->imgCood, Px(0, 0));  // back on the first point: band gone
    QImage cleared = window->imgCood->image();
    const QPoint first = Px(0, 0);
    EXPECT_EQ(cleared.copy(0, 0, first.x() - 6, cleared.height()),
              before.copy(0, 0, first.x() - 6, before.height()));
    Click(1, 2);
    Click(2, 7);
    Click(-1, 3);
    ASSERT_EQ(window->lstShiki->count(), 1);
    EXPECT_EQ(Row(0), QStringLiteral("y=2x (-1≦x＜2)"));
    EXPECT_EQ(window->Doc.Table().Memo.size(), 7);
    EXPECT_EQ(window->frmTangen->lblNline->text(), QStringLiteral("1"));
    // Solid in the first colour (blue) on the segment, at x = 0.5 between the ends.
    const QPoint mid = window->imgCood->planeGeometry().RealToPixel(0.5, 1.0);
    bool inked = false;
    for (int dy = -1; dy <= 1; ++dy) {
        inked |= At(mid + QPoint(0, dy)) == qRgb(0, 0, 255);
    }
    EXPECT_TRUE(inked);
    EXPECT_FALSE(window->Doc.Saved());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlaneMouseTest, PointsLinesDragsAndMessages) {
    window->spdTen->click();
    Click(3, -2);
    EXPECT_EQ(Row(0), QStringLiteral("(  3, -2)"));
    EXPECT_EQ(window->Doc.Table().LineTable[0].P2, (LatticePoint{5, 99}));
    window->SpdChokusen->click();
    Click(0, 0);
    Click(0, 0);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("座標が同じなので線が引けません")});
    Click(0, 0);
    Click(2, 1);
    EXPECT_EQ(Row(1), QStringLiteral("y=1/2･x"));
    // A press outside the grid is ignored.
    QTest::mouseClick(window->imgCood, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(window->Gesture.State(), DrawIdle);

    // The selected line's end dragged with the right button.
    RightDrag({2, 1}, {2, 4});
    EXPECT_EQ(Row(1), QStringLiteral("y=2x"));
    EXPECT_EQ(window->lstShiki->count(), 2);
    // A right click on the point's place selects the point only.
    RightDrag({0, 0}, {0, 0});
    window->Doc.SetSelection(0b1);
    RightDrag({3, -2}, {3, -2});
    EXPECT_TRUE(window->lstShiki->item(0)->isSelected());
    EXPECT_FALSE(window->lstShiki->item(1)->isSelected());
}

TEST_F(PlaneMouseTest, ArrowsStepsAndColoursMarkTheDrawingUnsaved) {
    window->AddOrReplaceLine(Line(0, 0, 2, 1), -1);
    window->AddOrReplaceLine(Line(3, 0, 3, 5), -1);
    window->Doc.SetSelection(0b1);
    window->Doc.MarkSaved();
    window->btnUp->click();
    EXPECT_EQ(Row(0), QStringLiteral("y=1/2･x+1"));
    EXPECT_FALSE(window->Doc.Saved());
    window->btnKatamukiUp->click();
    EXPECT_EQ(Row(0), QStringLiteral("y=x+1"));
    window->btnSeppenDw->click();
    EXPECT_EQ(Row(0), QStringLiteral("y=x"));
    window->Doc.SetSelection(window->Doc.Table().Selected | std::bitset<MaxGraphs>(1u << 1));
    window->btnKatamukiDw->click();
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("x = 3は１次関数ではないので\n傾きや切片がありません"));

    // Recolour the selection; all graphs back to automatic colours with white.
    dialogs.colours = {0x00FF00, 0xFFFFFF};
    window->mnuChangeColor->trigger();
    EXPECT_EQ(window->Doc.Table().LineTable[0].Color, 0x00FF00);
    EXPECT_EQ(window->Doc.Table().LineTable[1].Color, 0x00FF00);
    window->spdLineColor->click();
    EXPECT_EQ(window->Doc.Table().LineTable[1].Color, ColorCycleTable[1]);
    EXPECT_EQ(window->Doc.Table().ColorCycle, 2);
    // Not while a band follows the mouse.
    window->SpdChokusen->click();
    Click(5, 5);
    window->spdLineColor->click();
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("途中で色は変更できません"));
    EXPECT_EQ(dialogs.colourDialogs, 2);
}

TEST_F(PlaneMouseTest, LabelsFromTheLabelWindowArePlacedByClicks) {
    window->spdSenbun->click();
    dialogs.modalScript = [&](QDialog& dialog) {
        auto* labels = dynamic_cast<TfrmMoji*>(&dialog);
        if (labels == nullptr) {
            return int(ModalCancel);
        }
        dialog.show();
        labels->edtInput->setText(QStringLiteral("Ａ"));
        labels->spnFontSize->setValue(20);
        labels->btnAddMoji->click();
        labels->edtInput->setText(QStringLiteral("km"));
        labels->btnAddMoji->click();
        labels->BitBtn3->click();
        return dialog.result();
    };
    window->spdMoji->click();
    ASSERT_TRUE(window->lstMojiM->isVisible());
    EXPECT_EQ(window->edtLineMode->text(), QStringLiteral("文字"));
    QTest::mouseClick(window->imgCood, Qt::LeftButton, {}, QPoint(3, 3));  // in the margin
    QTest::mouseClick(window->imgCood, Qt::LeftButton, {}, Px(2, 2));
    ASSERT_EQ(window->lstShiki->count(), 2);
    EXPECT_EQ(Row(0), QStringLiteral("Ａ"));
    EXPECT_EQ(window->Doc.Table().LineTable[1].D2.X, 20);
    EXPECT_FALSE(window->lstMojiM->isVisible());
    EXPECT_EQ(window->Edit.LineMode, KindSegment);  // the earlier tool is back
    EXPECT_TRUE(window->spdSenbun->isChecked());
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
    window->mnuSetSenshu->trigger();
    EXPECT_EQ(window->Edit.LineMode, KindRay);
    EXPECT_EQ(window->Edit.LineWidth, 3);
    EXPECT_TRUE(window->spdHanchokusen->isChecked());
    EXPECT_EQ(window->lblHeniki->text(), QStringLiteral("  ＜ "));
}

TEST_F(PlaneMouseTest, LeavingThePlaneForTheBareWindowCancelsTheGesture) {
    window->SpdChokusen->click();
    Click(1, 1);
    ASSERT_EQ(window->Gesture.State(), DrawRubberBand);
    QWidget* body = window->centralWidget();
    QTest::mouseMove(body, QPoint(body->width() - 3, body->height() - 3));
    EXPECT_EQ(window->Gesture.State(), DrawIdle);
    EXPECT_EQ(window->lstShiki->count(), 0);
}

TEST_F(PlaneMouseTest, ClipboardCopiesPastesAndClearsThePicture) {
    QGuiApplication::clipboard()->clear();
    window->mnuClipBoardToClick();  // nothing to paste: said, and nothing changes
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("クリップボードに絵がありません")});
    EXPECT_FALSE(window->bitmapPasted);

    window->AddOrReplaceLine(Line(0, 0, 1, 2), -1);
    window->mnuClipBoardClick();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              window->imgCood->image());

    // A red picture as the background: graphs are drawn over it, and a moved graph leaves no
    // trace behind.
    QImage red(window->imgCood->image().size() / 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(red);
    window->mnuClipBoardToClick();
    ASSERT_TRUE(window->bitmapPasted);
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
    window->btnRight->click();
    window->btnRight->click();
    EXPECT_TRUE(inkNear({6, 8}));
    EXPECT_FALSE(inkNear({4, 8}));

    dialogs.answers = {Answer::Yes};
    window->mnuClearBitMapClick();
    EXPECT_FALSE(window->bitmapPasted);
    EXPECT_NE(At(corner), qRgb(255, 0, 0));
}

TEST_F(PlaneMouseTest, F1OpensTheTopicOfWhatHasTheFocus) {
    const std::pair<QWidget*, const char*> rows[] = {
        {window->lstShiki, "104.html"},
        {window->imgCood, "index.html"},  // the main window's own topic is the contents
    };
    for (const auto& [widget, topic] : rows) {
        widget->setFocus();
        window->Help->ShowTopicOf(nullptr);
        ASSERT_NE(window->Help->Window(), nullptr);
        EXPECT_TRUE(window->Help->Window()->txtTopic->source().toString().endsWith(topic))
            << topic << " " << window->Help->Window()->txtTopic->source().toString().toStdString();
    }
    window->OnePoint->trigger();
    EXPECT_TRUE(window->Help->Window()->txtTopic->source().toString().endsWith("230.html"));
    EXPECT_EQ(window->Help->Window()->windowModality(), Qt::NonModal);

    // F1 pressed in the real file-open dialog opens its topic, modal over the dialog so that it
    // can be read and closed.
    InstallDialogs(nullptr);
    QString topicInDialog;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        topicInDialog = window->Help->Window()->txtTopic->source().toString();
        modality = window->Help->Window()->windowModality();
        window->Help->Window()->close();
        static_cast<QDialog*>(dialog)->reject();
    });
    const QString chosen = ChooseOpenFile(QDir::tempPath(), QString(), {"*.lin"});
    InstallDialogs(&dialogs);
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(topicInDialog.endsWith("1213.html")) << topicInDialog.toStdString();
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

}  // namespace
