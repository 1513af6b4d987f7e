// The line settings, label and move windows, each driven through a user's whole gesture without
// the main window.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <map>
#include <tuple>

#include "control_driver.h"
#include "graph_model.h"
#include "scripted_dialogs.h"
#include "settings/label_window.h"
#include "settings/line_settings_window.h"
#include "settings/move_window.h"

namespace {

// The checked kind button's value, "-" for none; then S when only the segment domain group can be
// used and carries its caption, R the same for the ray group, - when neither, ? for a mix.
QString Shown(const TfrmSettei& window) {
    QString kind = QStringLiteral("-");
    for (const auto* button : Control(window, "gbxKind")->findChildren<QRadioButton*>()) {
        kind = button->isChecked() ? button->objectName().right(1) : kind;
    }
    const auto group = [](const QGroupBox* g) { return (g->isEnabled() ? "+" : "-") + g->title(); };
    const QString groups = group(Control<QGroupBox>(window, "gbxHeniki1")) + u' ' +
                           group(Control<QGroupBox>(window, "gbxHeniki2"));
    return kind + (groups == u"+線分の変域 -"     ? u'S'
                   : groups == u"- +半直線の変域" ? u'R'
                   : groups == u"- -"             ? u'-'
                                                  : u'?');
}

// A window's title and size, then name=caption of each control in the order they were made, with
// ▣ for a picture.
QString Captions(const QWidget& window) {
    QStringList all{window.windowTitle(),
                    QStringLiteral("%1x%2").arg(window.width()).arg(window.height())};
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* group = qobject_cast<const QGroupBox*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const auto* label = qobject_cast<const QLabel*>(control);
        if (group || button || label) {
            const QString picture = button && !button->icon().isNull() ? QStringLiteral("▣") : "";
            all.append(control->objectName() + u'=' + picture +
                       (group    ? group->title()
                        : button ? button->text()
                                 : label->text()));
        }
    }
    return all.join(u' ');
}

// The result a window was closed with, -1 while it is open.
int ClosedWith(const QDialog& window) {
    return window.isVisible() ? -1 : window.result();
}

// One window for every row, as the program keeps one: each showing must start from the globals.
TEST(SettingsWindowsTest, LineSettingsEditOnlyTheFourToolValues) {
    // Given: the values in force (mode, width, segment end kind, ray end kind), the buttons
    // clicked ("rbt" left off) and how the window is closed. Expected: Shown() on opening and
    // after the clicks, the result, the values afterwards and Shown() after closing.
    const std::pair<const char*, const char*> rows[] = {
        {"0100 LMode1 SenHeniki1 Enter", "0- 1S 1 1110 1S"},
        {"1100 SenHeniki2 LMode0 OK", "1S 0- 1 0120 0-"},
        {"2211 LMode1 LWidth3 SenHeniki3 LMode2 HanHeniki0 Cancel", "2R 2R 2 2211 2R"},
        // The point tool's domain groups are shut: their buttons cannot be clicked.
        {"3321 SenHeniki0 HanHeniki0 OK", "3- 3- 1 3321 3-"},
        {"0100 LMode2 HanHeniki1 CloseBox", "0- 2R 0 0100 2R"},
        {"1230 LWidth1 LMode3 Escape", "1S 3- 0 1230 3-"},
        // The label tool has no kind button: it stays unless the user picks a kind.
        {"4211 LWidth3 OK", "-- -- 1 4311 --"},
        {"4100 LMode1 SenHeniki3 OK", "-- 1S 1 1130 1S"},
        {"4100 LMode2 LWidth2 Cancel", "-- 2R 2 4100 --"},
        {"0101 OK", "0- 0- 1 0101 0-"},
    };
    EditingState edit;
    TfrmSettei window(edit);
    EXPECT_EQ(Captions(window),
              QStringLiteral("線の種類 474x273 gbxKind=種類 rbtLMode0=直線 rbtLMode1=線分 "
                             "rbtLMode2=半直線 rbtLMode3=点 gbxWidth=太さ rbtLWidth1=1ﾄﾞｯﾄ "
                             "rbtLWidth2=2ﾄﾞｯﾄ rbtLWidth3=3ﾄﾞｯﾄ gbxHeniki1=線分の変域 "
                             "rbtSenHeniki0=≦　≦ rbtSenHeniki1=≦　＜ rbtSenHeniki2=＜　≦ "
                             "rbtSenHeniki3=＜　＜ gbxHeniki2=半直線の変域 rbtHanHeniki0=≦ "
                             "rbtHanHeniki1=＜ btnOK=OK btnCancel=ｷｬﾝｾﾙ"));
    EXPECT_TRUE(window.windowFlags() & Qt::Tool);
    const std::map<QString, std::function<void()>> closers{
        {QStringLiteral("OK"), [&] { Press(window, "btnOK"); }},
        {QStringLiteral("Enter"), [&] { QTest::keyClick(&window, Qt::Key_Return); }},
        {QStringLiteral("Cancel"), [&] { Press(window, "btnCancel"); }},
        {QStringLiteral("CloseBox"), [&] { window.close(); }},
        {QStringLiteral("Escape"), [&] { QTest::keyClick(&window, Qt::Key_Escape); }}};
    for (const auto& [given, expected] : rows) {
        SCOPED_TRACE(given);
        QStringList words = QString::fromLatin1(given).split(u' ');
        const QString start = words.takeFirst();
        const QString closer = words.takeLast();
        std::tie(edit.LineMode, edit.LineWidth, edit.SegmentEndKind, edit.RayEndKind) =
            std::tuple(KindOfNumber(start[0].digitValue()), start[1].digitValue(),
                       start[2].digitValue(), start[3].digitValue());
        window.setResult(-1);
        window.show();
        QStringList seen{Shown(window)};
        for (const QString& name : words) {
            window.findChild<QRadioButton*>(QStringLiteral("rbt") + name)->click();
        }
        seen.append(Shown(window));
        closers.at(closer)();
        seen << QString::number(ClosedWith(window))
             << QString::asprintf("%d%d%d%d", KindNumber(edit.LineMode), edit.LineWidth,
                                  edit.SegmentEndKind, edit.RayEndKind)
             << Shown(window);
        EXPECT_EQ(seen.join(u' ').toStdString(), expected);
    }
}

TEST(SettingsWindowsTest, LabelWindowQueuesLabelsWithTheirSizes) {
    ScriptedDialogs dialogs;
    TfrmMoji window;
    const auto pick = [](QListWidget* list, const QString& text) {
        const QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    };
    const auto queued = [&] { return Rows(window, "lstMoji") + u'/' + Rows(window, "stlFSize"); };
    EXPECT_EQ(Captions(window),
              QStringLiteral("文字の入力 484x420 Label1=表示される文字 Label2=フォントの大きさ "
                             "btnAddMoji=▣ btnClear=クリア BitBtn3=OK BitBtn4=ｷｬﾝｾﾙ"));
    EXPECT_EQ(Rows(window, "lstChar"), QStringLiteral("★ ☆ km 分 ｍ cm 個 時間 秒"));
    EXPECT_EQ(Rows(window, "lstAlpha").remove(u' '),
              QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"));
    EXPECT_EQ(Rows(window, "lstNumber"), QStringLiteral("① ② ③ ④ ⑤ ⑥ ⑦ ⑧ ⑨ ⑩"));

    // At the top left of the free area when it is shown, the first time and every time after.
    const QPoint topLeft = window.screen()->availableGeometry().topLeft();
    EXPECT_EQ(PlaceWhenShown(window), topLeft);
    window.hide();
    window.move(topLeft + QPoint(300, 200));
    EXPECT_EQ(PlaceWhenShown(window), topLeft);
    auto* input = Control<QLineEdit>(window, "edtInput");
    auto* size = Control<QSpinBox>(window, "spnFontSize");
    EXPECT_EQ(input->text() + size->text(), QStringLiteral("①12"));
    Press(window, "btnAddMoji");
    pick(Control<QListWidget>(window, "lstNumber"), QStringLiteral("⑩"));
    size->setValue(20);
    Press(window, "btnAddMoji");
    input->setText(QStringLiteral("x\U0001F600"));
    Press(window, "btnAddMoji");
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("「\U0001F600」はShift-JISで保存できない文字です")});
    input->clear();
    Press(window, "btnAddMoji");
    // The wave dash of an input method on Linux is queued as the Shift-JIS one; a label pasted
    // with a line break is one line, as the box shows it.
    input->setText(QStringLiteral("1\u301C3"));
    Press(window, "btnAddMoji");
    input->setText(QStringLiteral("a\nb"));
    Press(window, "btnAddMoji");
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(queued(), QStringLiteral("① ⑩ 1\uFF5E3 a b/12 20 20 20"));
    const LabelQueue labels = window.queue();
    EXPECT_EQ(labels.texts, (QStringList{QStringLiteral("①"), QStringLiteral("⑩"),
                                         QStringLiteral("1\uFF5E3"), QStringLiteral("a b")}));
    EXPECT_EQ(labels.sizes, (QList<int>{12, 20, 20, 20}));
    EXPECT_EQ(labels.current, 0);

    const std::pair<int, int> sizes[] = {{72, 72}, {73, 72}, {6, 6}, {5, 6}};
    for (const auto& [asked, taken] : sizes) {
        size->setValue(asked);
        EXPECT_EQ(size->value(), taken) << asked;
        EXPECT_EQ(input->font().pointSize(), taken) << asked;
    }
    Press(window, "BitBtn3");
    EXPECT_EQ(ClosedWith(window), ModalOk);

    // Opening again offers the last size and an empty queue, which OK does not hand over.
    window.show();
    EXPECT_EQ(size->value(), 6);
    EXPECT_EQ(queued(), QStringLiteral("/"));
    Press(window, "BitBtn3");
    EXPECT_EQ(ClosedWith(window), -1);
    pick(Control<QListWidget>(window, "lstAlpha"), QStringLiteral("Ｚ"));
    Press(window, "btnAddMoji");
    EXPECT_EQ(queued(), QStringLiteral("Ｚ/6"));
    Press(window, "btnClear");
    Press(window, "BitBtn3");
    EXPECT_EQ(ClosedWith(window), -1);
    EXPECT_EQ(window.queue().current, -1);
    Press(window, "BitBtn4");
    EXPECT_EQ(ClosedWith(window), ModalCancel);
}

TEST(SettingsWindowsTest, MoveWindowStepsAndRewritesTheMemo) {
    QWidget mainWindow;
    mainWindow.setGeometry(200, 150, 640, 480);
    mainWindow.show();
    QString moves;
    int rewrites = 0;
    TfrmMoveMoji window([&](char direction) { moves += QLatin1Char(direction); },
                        [&] { ++rewrites; }, &mainWindow);
    EXPECT_EQ(Captions(window), QStringLiteral("平行移動 168x183 btnUp=▣ btnLeft=▣ btnRight=▣ "
                                               "btnDown=▣ btnOk=閉じる"));
    EXPECT_EQ(window.pos(), mainWindow.frameGeometry().topLeft() + QPoint(50, 50));
    const int left = window.pos().x();
    window.PlaceOver(QRect(left + 300, 400, 200, 300));
    EXPECT_EQ(window.pos(), QPoint(left, 400 - 183 + 40));

    window.show();
    EXPECT_FALSE(window.isModal());
    for (const char* arrow : {"btnLeft", "btnUp", "btnRight", "btnDown", "btnDown"}) {
        QTest::mouseClick(Control<QToolButton>(window, arrow), Qt::LeftButton);
    }
    EXPECT_EQ(moves + QString::number(rewrites), QStringLiteral("LURDD0"));
    Press(window, "btnOk");
    EXPECT_EQ(ClosedWith(window), ModalOk);
    EXPECT_EQ(rewrites, 1);
    // The close box too, or the moves would be lost at the next save.
    window.show();
    window.close();
    EXPECT_EQ(moves + QString::number(rewrites), QStringLiteral("LURDD2"));
}

}  // namespace
