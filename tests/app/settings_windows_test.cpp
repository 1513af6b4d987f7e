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

#include "graph_model.h"
#include "scripted_dialogs.h"
#include "settings/label_window.h"
#include "settings/line_settings_window.h"
#include "settings/move_window.h"

namespace {

struct ToolValues {
    int mode, width, segment, ray;
    bool operator==(const ToolValues&) const = default;
};

ToolValues Values(const EditingState& edit) {
    return {edit.LineMode, edit.LineWidth, edit.SegmentEndKind, edit.RayEndKind};
}

enum class Finish { Ok, Enter, Cancel, CloseBox, Escape };

// Which domain groups can be used: "" none, "segment", "ray".
struct SetteiRow {
    const char* name;
    ToolValues start;
    const char* kindShown;  // the kind button checked on opening, "" for none
    const char* domainShown;
    QStringList clicks;
    const char* domainAfterClicks;
    Finish finish;
    int result;
    ToolValues end;
};

void ExpectDomainGroups(const TfrmSettei& window, const QString& open) {
    EXPECT_EQ(window.gbxHeniki1->isEnabled(), open == u"segment");
    EXPECT_EQ(window.gbxHeniki1->title(),
              open == u"segment" ? QStringLiteral("線分の変域") : QString());
    EXPECT_EQ(window.gbxHeniki2->isEnabled(), open == u"ray");
    EXPECT_EQ(window.gbxHeniki2->title(),
              open == u"ray" ? QStringLiteral("半直線の変域") : QString());
}

QString CheckedKind(const TfrmSettei& window) {
    for (const auto* button : window.gbxKind->findChildren<QRadioButton*>()) {
        if (button->isChecked()) {
            return button->objectName();
        }
    }
    return {};
}

// One window for every row, as the program keeps one: each showing must start from the globals.
TEST(SettingsWindowsTest, LineSettingsEditOnlyTheFourToolValues) {
    const SetteiRow rows[] = {
        {"segment including its start only, by Enter",
         {0, 1, 0, 0},
         "rbtLMode0",
         "",
         {"rbtLMode1", "rbtSenHeniki1"},
         "segment",
         Finish::Enter,
         1,
         {1, 1, 1, 0}},
        {"segment end kind, then the line tool",
         {1, 1, 0, 0},
         "rbtLMode1",
         "segment",
         {"rbtSenHeniki2", "rbtLMode0"},
         "",
         Finish::Ok,
         1,
         {0, 1, 2, 0}},
        {"cancel after every group",
         {2, 2, 1, 1},
         "rbtLMode2",
         "ray",
         {"rbtLMode1", "rbtLWidth3", "rbtSenHeniki3", "rbtLMode2", "rbtHanHeniki0"},
         "ray",
         Finish::Cancel,
         2,
         {2, 2, 1, 1}},
        {"point tool: no domain, its buttons cannot be clicked",
         {3, 3, 2, 1},
         "rbtLMode3",
         "",
         {"rbtSenHeniki0", "rbtHanHeniki0"},
         "",
         Finish::Ok,
         1,
         {3, 3, 2, 1}},
        {"close box",
         {0, 1, 0, 0},
         "rbtLMode0",
         "",
         {"rbtLMode2", "rbtHanHeniki1"},
         "ray",
         Finish::CloseBox,
         0,
         {0, 1, 0, 0}},
        {"escape",
         {1, 2, 3, 0},
         "rbtLMode1",
         "segment",
         {"rbtLWidth1", "rbtLMode3"},
         "",
         Finish::Escape,
         0,
         {1, 2, 3, 0}},
        {"label tool stays on OK",
         {4, 2, 1, 1},
         "",
         "",
         {"rbtLWidth3"},
         "",
         Finish::Ok,
         1,
         {4, 3, 1, 1}},
        {"label tool gives way to a picked kind",
         {4, 1, 0, 0},
         "",
         "",
         {"rbtLMode1", "rbtSenHeniki3"},
         "segment",
         Finish::Ok,
         1,
         {1, 1, 3, 0}},
        {"label tool on cancel",
         {4, 1, 0, 0},
         "",
         "",
         {"rbtLMode2", "rbtLWidth2"},
         "ray",
         Finish::Cancel,
         2,
         {4, 1, 0, 0}},
        {"after the label tool the kind is shown again",
         {0, 1, 0, 1},
         "rbtLMode0",
         "",
         {},
         "",
         Finish::Ok,
         1,
         {0, 1, 0, 1}},
    };
    EditingState edit;
    TfrmSettei window(edit);
    for (const SetteiRow& row : rows) {
        SCOPED_TRACE(row.name);
        edit.LineMode = row.start.mode;
        edit.LineWidth = row.start.width;
        edit.SegmentEndKind = row.start.segment;
        edit.RayEndKind = row.start.ray;
        window.setResult(-1);
        window.show();
        EXPECT_EQ(CheckedKind(window), QLatin1String(row.kindShown));
        ExpectDomainGroups(window, QLatin1String(row.domainShown));
        for (const QString& name : row.clicks) {
            window.findChild<QRadioButton*>(name)->click();
        }
        ExpectDomainGroups(window, QLatin1String(row.domainAfterClicks));
        switch (row.finish) {
            case Finish::Ok:
                window.btnOK->click();
                break;
            case Finish::Enter:
                QTest::keyClick(&window, Qt::Key_Return);
                break;
            case Finish::Cancel:
                window.btnCancel->click();
                break;
            case Finish::CloseBox:
                window.close();
                break;
            case Finish::Escape:
                QTest::keyClick(&window, Qt::Key_Escape);
                break;
        }
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.result(), row.result);
        EXPECT_EQ(Values(edit), row.end);
        if (row.finish == Finish::Cancel) {
            EXPECT_EQ(CheckedKind(window), QLatin1String(row.kindShown));
        }
    }
}

TEST(SettingsWindowsTest, LabelWindowQueuesLabelsWithTheirSizes) {
    ScriptedDialogs dialogs;
    TfrmMoji window;
    const auto click = [](QListWidget* list, const QString& text) {
        QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    };
    const auto queued = [&] {
        QStringList items;
        for (QListWidget* list : {window.lstMoji, window.stlFSize}) {
            for (int i = 0; i < list->count(); ++i) {
                items.append(list->item(i)->text());
            }
        }
        return items.join(u' ');
    };

    window.show();
    EXPECT_EQ(window.pos(), window.screen()->availableGeometry().topLeft());
    EXPECT_EQ(window.edtInput->text(), QStringLiteral("①"));
    EXPECT_EQ(window.spnFontSize->value(), 12);
    window.btnAddMoji->click();
    click(window.lstNumber, QStringLiteral("⑩"));
    EXPECT_EQ(window.edtInput->text(), QStringLiteral("⑩"));
    window.spnFontSize->setValue(20);
    EXPECT_EQ(window.edtInput->font().pointSize(), 20);
    window.btnAddMoji->click();
    click(window.lstChar, QStringLiteral("時間"));
    window.edtInput->setText(QStringLiteral("x\U0001F600"));
    window.btnAddMoji->click();
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("「\U0001F600」はShift-JISで保存できない文字です")});
    window.edtInput->clear();
    window.btnAddMoji->click();
    EXPECT_EQ(queued(), QStringLiteral("① ⑩ 12 20"));
    const LabelQueue labels = window.queue();
    EXPECT_EQ(labels.texts, (QStringList{QStringLiteral("①"), QStringLiteral("⑩")}));
    EXPECT_EQ(labels.sizes, (QList<int>{12, 20}));
    EXPECT_EQ(labels.current, 0);

    const std::pair<int, int> sizes[] = {{72, 72}, {73, 72}, {6, 6}, {5, 6}};
    for (const auto& [asked, taken] : sizes) {
        window.spnFontSize->setValue(asked);
        EXPECT_EQ(window.spnFontSize->value(), taken) << asked;
        EXPECT_EQ(window.edtInput->font().pointSize(), taken) << asked;
    }
    window.BitBtn3->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), ModalOk);

    // Opening again offers the last size and an empty queue, which OK does not hand over.
    window.show();
    EXPECT_EQ(window.spnFontSize->value(), 6);
    EXPECT_EQ(queued(), QString());
    EXPECT_EQ(window.queue().current, -1);
    window.setResult(0);
    window.BitBtn3->click();
    EXPECT_TRUE(window.isVisible());
    click(window.lstAlpha, QStringLiteral("Ｚ"));
    window.btnAddMoji->click();
    EXPECT_EQ(queued(), QStringLiteral("Ｚ 6"));
    window.btnClear->click();
    EXPECT_EQ(queued(), QString());
    window.BitBtn3->click();
    EXPECT_TRUE(window.isVisible());
    window.BitBtn4->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), ModalCancel);
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST(SettingsWindowsTest, MoveWindowStepsAndRewritesTheMemo) {
    QWidget mainWindow;
    mainWindow.setGeometry(200, 150, 640, 480);
    mainWindow.show();
    QString moves;
    int rewrites = 0;
    TfrmMoveMoji window([&](char direction) { moves += QLatin1Char(direction); },
                        [&] { ++rewrites; }, &mainWindow);
    EXPECT_EQ(window.pos(), mainWindow.frameGeometry().topLeft() + QPoint(50, 50));
    const int left = window.pos().x();
    window.PlaceOver(QRect(left + 300, 400, 200, 300));
    EXPECT_EQ(window.pos(), QPoint(left, 400 - 183 + 40));

    window.show();
    EXPECT_FALSE(window.isModal());
    for (QToolButton* arrow :
         {window.btnLeft, window.btnUp, window.btnRight, window.btnDown, window.btnDown}) {
        QTest::mouseClick(arrow, Qt::LeftButton);
    }
    EXPECT_EQ(moves, QStringLiteral("LURDD"));
    EXPECT_EQ(rewrites, 0);
    window.btnOk->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(rewrites, 1);

    window.show();
    window.close();
    EXPECT_EQ(rewrites, 2);
    EXPECT_EQ(moves, QStringLiteral("LURDD"));
}

TEST(SettingsWindowsTest, ControlsCarryTheirCaptions) {
    EditingState edit;
    TfrmSettei settei(edit);
    TfrmMoji moji;
    TfrmMoveMoji move([](char) {}, [] {}, nullptr);
    const std::pair<QWidget*, QSize> windows[] = {
        {&settei, {474, 273}}, {&moji, {484, 420}}, {&move, {168, 183}}};
    QStringList titles;
    for (const auto& [window, size] : windows) {
        EXPECT_EQ(window->size(), size);
        titles.append(window->windowTitle());
    }
    EXPECT_EQ(titles.join(u' '), QStringLiteral("線の種類 文字の入力 平行移動"));

    QStringList captions;
    for (const QString& prefix : {QStringLiteral("gbx"), QStringLiteral("rbt")}) {
        for (const auto* widget : settei.findChildren<QWidget*>()) {
            if (widget->objectName().startsWith(prefix)) {
                const auto* group = qobject_cast<const QGroupBox*>(widget);
                const auto* button = qobject_cast<const QAbstractButton*>(widget);
                captions.append(widget->objectName() + u'=' +
                                (group ? group->title() : button->text()));
            }
        }
    }
    EXPECT_EQ(captions.join(u' '),
              QStringLiteral("gbxKind=種類 gbxWidth=太さ gbxHeniki1=線分の変域 "
                             "gbxHeniki2=半直線の変域 rbtLMode0=直線 rbtLMode1=線分 "
                             "rbtLMode2=半直線 rbtLMode3=点 rbtLWidth1=1ﾄﾞｯﾄ rbtLWidth2=2ﾄﾞｯﾄ "
                             "rbtLWidth3=3ﾄﾞｯﾄ rbtSenHeniki0=≦　≦ rbtSenHeniki1=≦　＜ "
                             "rbtSenHeniki2=＜　≦ rbtSenHeniki3=＜　＜ rbtHanHeniki0=≦ "
                             "rbtHanHeniki1=＜"));
    EXPECT_EQ(settei.btnOK->text(), QStringLiteral("OK"));
    EXPECT_TRUE(settei.btnOK->isDefault());
    EXPECT_EQ(settei.btnCancel->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_TRUE(settei.windowFlags() & Qt::Tool);

    const auto items = [](const QListWidget* list) {
        QString all;
        for (int i = 0; i < list->count(); ++i) {
            all += list->item(i)->text();
        }
        return all;
    };
    EXPECT_EQ(items(moji.lstChar), QStringLiteral("★☆km分ｍcm個時間秒"));
    EXPECT_EQ(items(moji.lstAlpha),
              QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"));
    EXPECT_EQ(items(moji.lstNumber), QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩"));
    EXPECT_EQ(moji.Label1->text(), QStringLiteral("表示される文字"));
    EXPECT_EQ(moji.Label2->text(), QStringLiteral("フォントの大きさ"));
    EXPECT_EQ(moji.BitBtn3->text() + moji.BitBtn4->text() + moji.btnClear->text(),
              QStringLiteral("OKｷｬﾝｾﾙクリア"));
    EXPECT_TRUE(moji.btnAddMoji->text().isEmpty());
    EXPECT_FALSE(moji.btnAddMoji->icon().isNull());
    EXPECT_EQ(move.btnOk->text(), QStringLiteral("閉じる"));
    for (const QToolButton* arrow : {move.btnLeft, move.btnRight, move.btnUp, move.btnDown}) {
        EXPECT_FALSE(arrow->icon().isNull()) << arrow->objectName().toStdString();
    }
}

}  // namespace
