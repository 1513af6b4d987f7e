// The practice's four result dialogs driven without the practice window, and the pictures that
// the dialogs and the practice window show.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "dialogs.h"
#include "practice/practice_pictures.h"
#include "practice/result_dialogs.h"

namespace {

// The four dialogs as the practice window keeps them, with what their callbacks were asked to do.
struct ResultDialogs {
    QStringList calls;
    TfrmSeikai seikai;
    TfrmAyamari ayamari{[this] { calls << QStringLiteral("correction"); },
                        [this] { calls << QStringLiteral("answer"); }};
    TfrmOwari owari{[this] { calls << QStringLiteral("records"); }};
    TfrmHappy happy;

    ResultDialog& ByName(const QString& name) {
        for (ResultDialog* dialog :
             std::initializer_list<ResultDialog*>{&seikai, &ayamari, &owari, &happy}) {
            if (dialog->objectName() == name) {
                return *dialog;
            }
        }
        throw std::invalid_argument(name.toStdString());
    }
};

// Title, size, background (0x00BBGGRR, when the dialog paints its own), then name=text of each
// control in the order made, ▣ and the size for a picture, /npx for a font of its own.
std::string Looks(const QDialog& dialog) {
    QStringList all{dialog.windowTitle(),
                    QStringLiteral("%1x%2").arg(dialog.width()).arg(dialog.height())};
    if (dialog.autoFillBackground()) {
        const QColor c = dialog.palette().color(QPalette::Window);
        all.append(QStringLiteral("%1").arg(c.red() | c.green() << 8 | c.blue() << 16, 6, 16,
                                            QChar(u'0')));
    }
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            const QPixmap picture = label->pixmap();
            text = picture.isNull()
                       ? label->text()
                       : QStringLiteral("▣%1x%2").arg(picture.width()).arg(picture.height());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
            text = edit->text();
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            text = button->text();
        }
        const int pixels = control->font().pixelSize();
        all.append(control->objectName() + u'=' + text +
                   (pixels == dialog.font().pixelSize() ? QString()
                                                        : QStringLiteral("/%1px").arg(pixels)));
    }
    return all.join(u' ').toStdString();
}

TEST(ResultDialogsTest, EachDialogLooksAsMadeAndEachWayOutGivesItsResult) {
    // Given: a dialog, its looks, and the ways out tried one showing each. Expected: the result of
    // each (-1 when the dialog stays open) with the callbacks it called.
    const struct {
        const char* dialog;
        const char* looks;
        const char* results;
    } rows[] = {
        {"frmSeikai",
         "正解 400x136 c0ffff Image1=▣48x48 Edit1=★★正解です★★/27px Image2=▣48x48 btnNext=次の問題 "
         "btnCancel=中止",
         "btnNext=1 btnCancel=2 Enter=1 Escape=2 CloseBox=2 reject=2"},
        {"frmAyamari",
         "誤答 400x124 Image1=▣48x48 edtMess=誤りです。訂正してください/16px btnTeisei=訂正する "
         "btnGiveup=正解を表示する btnCancel=中止",
         "btnTeisei=1+correction btnGiveup=1+answer btnCancel=2 Enter=1+correction CloseBox=2 "
         "done0=2"},
        {"frmOwari",
         "練習終わり 464x100 edtMess=　　　　練習を終わります/16px btnFukushu=間違った所を復習 "
         "btnRetry=もう一度やる btnEnd=終了 btnShowRecord=記録を見る",
         "btnFukushu=4 btnRetry=1 btnEnd=2 btnShowRecord=-1+records Enter=4 Escape=2 CloseBox=2 "
         "done0=2"},
        {"frmHappy", "全問正解 320x168 c0ffff Label1=全問正解です/27px Image1=▣192x32 btnEnd=OK",
         "btnEnd=2 Enter=2 CloseBox=2 reject=2"},
    };
    ResultDialogs all;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dialog);
        ResultDialog& dialog = all.ByName(QString::fromLatin1(row.dialog));
        EXPECT_EQ(Looks(dialog), row.looks);
        QStringList seen;
        for (const QString& way : QString::fromLatin1(row.results).split(u' ')) {
            const QString action = way.section(u'=', 0, 0);
            all.calls.clear();
            all.ayamari.HintUsed = false;
            dialog.setResult(-1);
            dialog.show();
            if (action == u"Enter" || action == u"Escape") {
                QTest::keyClick(&dialog, action == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
            } else if (action == u"CloseBox") {
                dialog.close();
            } else if (action == u"reject") {
                dialog.reject();
            } else if (action == u"done0") {
                dialog.done(0);
            } else {
                dialog.findChild<QPushButton*>(action)->click();
            }
            const int result = dialog.isVisible() ? -1 : dialog.result();
            seen.append(action + u'=' + QString::number(result) +
                        (all.calls.isEmpty() ? QString() : u'+' + all.calls.join(u'+')));
            dialog.hide();
        }
        EXPECT_EQ(seen.join(u' ').toStdString(), row.results);
    }
    EXPECT_TRUE(all.seikai.Edit1->isReadOnly());
    EXPECT_EQ(all.happy.Label1->alignment(), Qt::AlignCenter);
    EXPECT_EQ(all.happy.Label1->palette().color(QPalette::Window).name().toStdString(), "#ffffff");
}

TEST(ResultDialogsTest, ClosedThroughShowModalEveryDialogStopsTheRun) {
    ResultDialogs all;
    for (const char* name : {"frmSeikai", "frmAyamari", "frmOwari", "frmHappy"}) {
        ResultDialog& dialog = all.ByName(QString::fromLatin1(name));
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
        EXPECT_EQ(ShowModal(dialog), ModalCancel) << name;
    }
}

TEST(ResultDialogsTest, ShownAnswerCannotBeAskedForAgainOnTheSameQuestion) {
    ResultDialogs all;
    TfrmAyamari& ayamari = all.ayamari;
    const auto shown = [&] {
        ayamari.show();
        // + or - for "正解を表示する", the message, * when "訂正する" has the focus.
        return ((ayamari.btnGiveup->isEnabled() ? u'+' : u'-') + ayamari.edtMess->text() +
                (ayamari.focusWidget() == ayamari.btnTeisei ? u'*' : u' '))
            .toStdString();
    };
    EXPECT_EQ(shown(), "+誤りです。訂正してください*");
    ayamari.btnGiveup->click();
    EXPECT_EQ(all.calls.join(u' ').toStdString(), "answer");
    EXPECT_EQ(ayamari.result(), ModalOk);
    EXPECT_TRUE(ayamari.HintUsed);
    EXPECT_EQ(shown(), "-正解を表示しています*");
    ayamari.btnTeisei->click();
    // The next question starts without the hint.
    ayamari.HintUsed = false;
    EXPECT_EQ(shown(), "+誤りです。訂正してください*");
}

TEST(ResultDialogsTest, EndOfRunWaitsBehindTheRecordsAndKeepsItsColourAndFirstButton) {
    ResultDialogs all;
    TfrmOwari& owari = all.owari;
    // The records window is shown from within the dialog, which must still be open behind it.
    bool openWhileRecordsShown = false;
    const TfrmOwari* behind = nullptr;
    TfrmOwari waiting([&] { openWhileRecordsShown = behind->isVisible(); });
    behind = &waiting;
    QTimer::singleShot(0, &waiting, [&waiting] {
        waiting.btnShowRecord->click();
        waiting.btnRetry->click();
    });
    EXPECT_EQ(ShowModal(waiting), ModalOk);
    EXPECT_TRUE(openWhileRecordsShown);

    const auto focused = [&] {
        owari.show();
        const QWidget* focus = owari.focusWidget();
        const QString name = focus ? focus->objectName() : QStringLiteral("none");
        owari.hide();
        return name.toStdString();
    };
    EXPECT_EQ(focused(), "btnFukushu");
    owari.SetBackground(0x008000);
    owari.SetTabFirst(owari.btnEnd);
    EXPECT_EQ(focused(), "btnEnd");
    EXPECT_EQ(owari.btnEnd->nextInFocusChain(), owari.btnFukushu);
    owari.SetTabFirst(owari.btnFukushu);
    owari.btnFukushu->setEnabled(false);
    EXPECT_EQ(focused(), "btnEnd");
    EXPECT_EQ(owari.palette().color(QPalette::Window).name().toStdString(), "#008000");
}

TEST(ResultDialogsTest, DialogsStandBelowTheMainPlaneAndInsideTheScreen) {
    ResultDialogs all;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect main(free.left() + 10, free.top() + 20, 700, 500);
    // Given: dialog, main plane height and where the frame's top-left is expected relative to
    // the main window; the practice plane's left is 328.
    const struct {
        const char* dialog;
        int planeHeight;
        QPoint offset;
    } rows[] = {
        {"frmSeikai", 300, {320, 320}}, {"frmAyamari", 300, {328, 320}},
        {"frmOwari", 300, {320, 320}},  {"frmHappy", 300, {240, 300}},
        {"frmSeikai", 2000, {320, -1}}, {"frmHappy", 2000, {240, -1}},
    };
    for (const auto& row : rows) {
        ResultDialog& dialog = all.ByName(QString::fromLatin1(row.dialog));
        dialog.PlaceNear(main, row.planeHeight, 328);
        // -1: the plane is taller than the screen, so the dialog rests on the screen's bottom.
        const QPoint expected(
            main.left() + row.offset.x(),
            row.offset.y() < 0 ? free.bottom() + 1 - dialog.height() : main.top() + row.offset.y());
        EXPECT_TRUE(dialog.pos() == expected)
            << row.dialog << ' ' << row.planeHeight << ": " << dialog.x() << ',' << dialog.y();
    }
    all.owari.PlaceNear(main.translated(free.width(), 0), 300, 328);
    EXPECT_EQ(all.owari.frameGeometry().right(), free.right());
}

TEST(ResultDialogsTest, PracticeMarksAreMadeForTheirRasterCopies) {
    const QImage batsu = BatsuPicture();
    ASSERT_EQ(batsu.size(), QSize(100, 100));
    EXPECT_EQ(batsu.pixel(50, 32), 0xFFFF0000u);
    EXPECT_EQ(batsu.pixel(30, 14), 0xFFFF0000u);
    const QImage arrow = HintArrowPicture();
    ASSERT_EQ(arrow.size(), QSize(22, 22));
    EXPECT_EQ(arrow.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(arrow.pixel(10, 10), 0xFFFFFFFFu);
    // Black leaves the image it is ORed or XORed onto as it was: nothing but the marks is
    // black-free, the cross stays in the answer panel's 65 rows and the arrow in the copied 20x20.
    int batsuOutside = 0;
    int arrowOutside = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const QRgb p = batsu.pixel(x, y);
            batsuOutside += (p != 0xFF000000u && p != 0xFFFF0000u) || (y >= 65 && p != 0xFF000000u);
            if (x < 22 && y < 22) {
                const QRgb a = arrow.pixel(x, y);
                arrowOutside += (a != 0xFF000000u && a != 0xFFFFFFFFu) ||
                                ((x >= 20 || y >= 20) && a != 0xFF000000u);
            }
        }
    }
    EXPECT_EQ(batsuOutside, 0);
    EXPECT_EQ(arrowOutside, 0);
}

}  // namespace
