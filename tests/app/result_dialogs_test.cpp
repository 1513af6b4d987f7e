// The practice's four result dialogs driven without the practice window, and the marks that the
// practice window copies onto its images.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <string>

#include "control_driver.h"
#include "dialogs.h"
#include "practice/practice_pictures.h"
#include "practice/result_dialogs.h"

namespace {

// The four dialogs as the practice window keeps them, with what their callbacks were asked to do
// ("records" while the end dialog waits behind the records window, "records!" if it did not).
struct ResultDialogs {
    QWidget practiceWindow;
    QStringList calls;
    TfrmSeikai seikai{&practiceWindow};
    TfrmAyamari ayamari{[this] { calls << QStringLiteral("correction"); },
                        [this] { calls << QStringLiteral("answer"); }, &practiceWindow};
    TfrmOwari owari{
        [this] { calls << QString::fromUtf16(owari.isVisible() ? u"records" : u"records!"); },
        &practiceWindow};
    TfrmHappy happy{&practiceWindow};

    ResultDialog& operator[](const char* name) {
        return *practiceWindow.findChild<ResultDialog*>(QLatin1String(name));
    }
};

// Title, size, background (0x00BBGGRR, when the dialog paints its own), then name=text of each
// control in the order made, ▣ and the size for a picture, /npx for a font of its own.
std::string Looks(const QDialog& dialog) {
    QStringList all{dialog.windowTitle(),
                    QStringLiteral("%1x%2").arg(dialog.width()).arg(dialog.height())};
    if (dialog.autoFillBackground()) {
        const QColor c = dialog.palette().color(QPalette::Window);
        all.append(QString::number(c.red() | c.green() << 8 | c.blue() << 16, 16));
    }
    for (const QWidget* control : dialog.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            const QSize size = label->pixmap().size();
            text = size.isEmpty() ? label->text()
                                  : QStringLiteral("▣%1x%2").arg(size.width()).arg(size.height());
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

TEST(ResultDialogsTest, EachDialogLooksAsMadeStandsInItsPlaceAndClosesWithItsResults) {
    // Given: a dialog, where it stands relative to a main window with a 300-pixel plane when the
    // practice plane's left is 328, its looks, and the ways out, tried one showing each (Modal:
    // closed while shown through ShowModal). Expected: the result of each (-1 when the dialog
    // stays open) with the callbacks it called.
    const struct {
        const char* dialog;
        QPoint place;
        const char* looks;
        const char* results;
    } rows[] = {
        {"frmSeikai",
         {320, 320},
         "正解 400x136 c0ffff Image1=▣48x48 Edit1=★★正解です★★/27px Image2=▣48x48 "
         "btnNext=次の問題 btnCancel=中止",
         "btnNext=1 btnCancel=2 Enter=1 Escape=-1 CloseBox=2 reject=2 Modal=2"},
        {"frmAyamari",
         {328, 320},
         "誤答 400x124 Image1=▣48x48 edtMess=誤りです。訂正してください/16px btnTeisei=訂正する "
         "btnGiveup=正解を表示する btnCancel=中止",
         "btnTeisei=1+correction btnGiveup=1+answer btnCancel=2 Enter=1+correction Escape=-1 "
         "CloseBox=2 reject=2 Modal=2"},
        {"frmOwari",
         {320, 320},
         "練習終わり 464x100 edtMess=　　　　練習を終わります/16px btnFukushu=間違った所を復習 "
         "btnRetry=もう一度やる btnEnd=終了 btnShowRecord=記録を見る",
         "btnFukushu=4 btnRetry=1 btnEnd=2 btnShowRecord=-1+records Enter=4 Escape=2 CloseBox=2 "
         "reject=2 Modal=2"},
        {"frmHappy",
         {240, 300},
         "全問正解 320x168 c0ffff Label1=全問正解です/27px Image1=▣192x32 btnEnd=OK",
         "btnEnd=2 Enter=2 Escape=2 CloseBox=2 reject=2 Modal=2"},
    };
    ResultDialogs all;
    const QRect main = QGuiApplication::primaryScreen()->availableGeometry().adjusted(10, 20, 0, 0);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dialog);
        ResultDialog& dialog = all[row.dialog];
        EXPECT_EQ(Looks(dialog), row.looks);
        dialog.PlaceNear(main, 300, 328);
        EXPECT_EQ(dialog.x() - main.left(), row.place.x());
        EXPECT_EQ(dialog.y() - main.top(), row.place.y());
        QStringList seen;
        for (const QString& way : QString::fromLatin1(row.results).split(u' ')) {
            const QString action = way.section(u'=', 0, 0);
            all.calls.clear();
            all.ayamari.HintUsed = false;
            dialog.setResult(-1);
            int result = -1;
            if (action == u"Modal") {
                QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
                result = ShowModal(dialog);
            } else {
                dialog.show();
                if (action == u"Enter" || action == u"Escape") {
                    // The key goes where the focus is, as the keyboard sends it.
                    QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
                    QTest::keyClick(focus, action == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
                } else if (action == u"CloseBox") {
                    dialog.close();
                } else if (action == u"reject") {
                    dialog.reject();
                } else {
                    // A click leaves the focus on the button for the next showing.
                    QTest::mouseClick(dialog.findChild<QPushButton*>(action), Qt::LeftButton);
                }
                result = dialog.isVisible() ? -1 : dialog.result();
                dialog.hide();
            }
            seen.append(action + u'=' + QString::number(result) +
                        (all.calls.isEmpty() ? QString() : u'+' + all.calls.join(u'+')));
        }
        EXPECT_EQ(seen.join(u' ').toStdString(), row.results);
    }
    EXPECT_TRUE(Control<QLineEdit>(all.seikai, "Edit1")->isReadOnly());
    const QLabel* happy = Control<QLabel>(all.happy, "Label1");
    EXPECT_EQ(happy->alignment(), Qt::AlignCenter);
    EXPECT_EQ(happy->palette().color(QPalette::Window).name().toStdString(), "#ffffff");
}

TEST(ResultDialogsTest, ShownAnswerCannotBeAskedForAgainOnTheSameQuestion) {
    ResultDialogs all;
    TfrmAyamari& ayamari = all.ayamari;
    // + or - for "正解を表示する", the message, * when "訂正する" has the focus.
    const auto shown = [&] {
        ayamari.show();
        return ((Control(ayamari, "btnGiveup")->isEnabled() ? u'+' : u'-') +
                Control<QLineEdit>(ayamari, "edtMess")->text() +
                (ayamari.focusWidget() == Control(ayamari, "btnTeisei") ? u'*' : u' '))
            .toStdString();
    };
    EXPECT_EQ(shown(), "+誤りです。訂正してください*");
    Press(ayamari, "btnGiveup");
    EXPECT_EQ(all.calls.join(u' ').toStdString(), "answer");
    EXPECT_TRUE(ayamari.HintUsed);
    EXPECT_EQ(shown(), "-正解を表示しています*");
    Press(ayamari, "btnTeisei");
    ayamari.HintUsed = false;  // the next question
    EXPECT_EQ(shown(), "+誤りです。訂正してください*");
}

TEST(ResultDialogsTest, EndOfRunWaitsBehindTheRecordsAndKeepsItsColourAndFirstButton) {
    ResultDialogs all;
    TfrmOwari& owari = all.owari;
    // The records window is shown from inside the dialog, which waits behind it.
    QTimer::singleShot(0, &owari, [&owari] {
        Press(owari, "btnShowRecord");
        Press(owari, "btnShowRecord");
        Press(owari, "btnRetry");
    });
    all.calls.clear();
    EXPECT_EQ(ShowModal(owari), ModalOk);
    EXPECT_EQ(all.calls.join(u' ').toStdString(), "records records");

    const auto focused = [&] {
        owari.show();
        const QWidget* focus = owari.focusWidget();
        owari.hide();
        return (focus ? focus->objectName() : QStringLiteral("none")).toStdString();
    };
    EXPECT_EQ(focused(), "btnFukushu");
    owari.SetBackground(0x008000);
    owari.SetTabFirst(TfrmOwari::Button::End);
    EXPECT_EQ(focused(), "btnEnd");
    EXPECT_EQ(Control(owari, "btnEnd")->nextInFocusChain(), Control(owari, "btnFukushu"));
    owari.SetTabFirst(TfrmOwari::Button::Fukushu);
    owari.SetReviewOffered(false);
    EXPECT_EQ(focused(), "btnEnd");
    EXPECT_EQ(owari.palette().color(QPalette::Window).name().toStdString(), "#008000");
}

TEST(ResultDialogsTest, DialogsStayInsideTheScreen) {
    ResultDialogs all;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    all.happy.PlaceNear(free, free.height() * 2, 328);
    EXPECT_EQ(all.happy.frameGeometry().bottom(), free.bottom());
    all.owari.PlaceNear(free.translated(free.width(), 0), 300, 328);
    EXPECT_EQ(all.owari.frameGeometry().right(), free.right());
}

// Whether every pixel of a part of a picture has one colour.
bool AllOf(const QImage& part, QRgb colour) {
    QImage solid = part;  // with the same colour space, which comparisons take into account
    solid.fill(colour);
    return part == solid;
}

TEST(ResultDialogsTest, PracticeMarksAreMadeForTheirRasterCopies) {
    // Black leaves what the marks are ORed or XORed onto as it was. The cross stays in the answer
    // panel's 65 rows, the arrow in the 20x20 that is copied.
    const QImage batsu = BatsuPicture();
    EXPECT_EQ(batsu.size(), QSize(100, 100));
    EXPECT_TRUE(AllOf(batsu.copy(0, 0, 100, 4), 0xFF000000));
    EXPECT_TRUE(AllOf(batsu.copy(0, 62, 100, 38), 0xFF000000));
    EXPECT_TRUE(AllOf(batsu.copy(47, 29, 6, 6), 0xFFFF0000));
    const QImage arrow = HintArrowPicture();
    EXPECT_EQ(arrow.size(), QSize(22, 22));
    EXPECT_TRUE(AllOf(arrow.copy(20, 0, 2, 22), 0xFF000000));
    EXPECT_TRUE(AllOf(arrow.copy(0, 20, 22, 2), 0xFF000000));
    EXPECT_TRUE(AllOf(arrow.copy(0, 0, 4, 4), 0xFFFFFFFF));
    EXPECT_TRUE(AllOf(arrow.copy(9, 9, 3, 3), 0xFFFFFFFF));
    EXPECT_TRUE(AllOf(arrow.copy(12, 0, 8, 3), 0xFF000000));
}

}  // namespace
