// The unit contents window: shown modally by its menu, showing the memo, and giving back what the
// user typed.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "tangen_window.h"
#include "window_fixture.h"

namespace {

using TangenWindowTest = MainWindowTest;

TEST_F(TangenWindowTest, MenuShowsItModallyWithTheMemo) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    QString shownMemo;
    dialogs.modalScript = [&](QDialog& dialog) {
        dialog.show();
        shownMemo = Owned<TfrmTangen>("frmTangen")->memFile->toPlainText();
        Owned<TfrmTangen>("frmTangen")->btnReturn->click();
        return dialog.result();
    };
    Ui<QAction>("mnuShowTangen")->trigger();
    EXPECT_EQ(dialogs.modalWindows, QStringList{QStringLiteral("単元の内容")});
    EXPECT_EQ(shownMemo, QStringLiteral("Kelvane\n16711680,16\ny=1/2･x+1\n0,1\n2,2\n0,0\n0,0"));
    EXPECT_EQ(window->Doc.Table().Memo.size(), 7);
}

TEST_F(TangenWindowTest, TypedTextGoesBackIntoTheMemo) {
    int result = 0;
    dialogs.modalScript = [&](QDialog& dialog) {
        dialog.show();
        Owned<TfrmTangen>("frmTangen")
            ->memFile->setPlainText(QStringLiteral("比例の単元\nメモの行"));
        Owned<TfrmTangen>("frmTangen")->btnReturn->click();
        result = dialog.result();
        return result;
    };
    Press("mnuShowTangen");
    EXPECT_EQ(result, ModalOk);
    EXPECT_EQ(window->Doc.Table().Memo,
              (QStringList{QStringLiteral("比例の単元"), QStringLiteral("メモの行")}));
}

TEST_F(TangenWindowTest, ClosingByTheCloseButtonKeepsTypedTextToo) {
    dialogs.modalScript = [&](QDialog& dialog) {
        dialog.show();
        Owned<TfrmTangen>("frmTangen")->memFile->setPlainText(QStringLiteral("Kelvane\n追加"));
        dialog.close();
        return int(ModalCancel);
    };
    Press("mnuShowTangen");
    EXPECT_EQ(window->Doc.Table().Memo,
              (QStringList{QStringLiteral("Kelvane"), QStringLiteral("追加")}));
}

TEST_F(TangenWindowTest, UntouchedMemoStaysAsItWas) {
    window->Doc.Update([](GraphTable& t) {
        t.Memo = QStringList{QStringLiteral("title"), QString(), QStringLiteral("x")};
    });
    dialogs.modalScript = [&](QDialog& dialog) {
        dialog.show();
        Owned<TfrmTangen>("frmTangen")->btnReturn->click();
        return dialog.result();
    };
    Press("mnuShowTangen");
    EXPECT_EQ(window->Doc.Table().Memo,
              (QStringList{QStringLiteral("title"), QString(), QStringLiteral("x")}));
}

TEST_F(TangenWindowTest, LabelsShowTheFileInfoAsPlainText) {
    window->Doc.Clear(QStringLiteral("<b>x</b>"), QStringLiteral("DATA/a.lin"));
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    TfrmTangen* tangen = Owned<TfrmTangen>("frmTangen");
    EXPECT_EQ(tangen->lblTangen->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(tangen->lblTangen->textFormat(), Qt::PlainText);
    EXPECT_EQ(tangen->lblFileName->textFormat(), Qt::PlainText);
    EXPECT_EQ(tangen->lblFileName->text(), QStringLiteral("DATA/a.lin"));
    EXPECT_EQ(tangen->lblNline->text(), QStringLiteral("3"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane Tesmara   ：   DATA/a.lin"));
}

TEST_F(TangenWindowTest, ControlsCarryTheirCaptions) {
    TfrmTangen* tangen = Owned<TfrmTangen>("frmTangen");
    EXPECT_EQ(tangen->Label4->text(), QStringLiteral("単元名"));
    EXPECT_EQ(tangen->Label5->text(), QStringLiteral("ﾌｧｲﾙ名"));
    EXPECT_EQ(tangen->Label2->text(), QStringLiteral("ﾃﾞｰﾀ数"));
    EXPECT_EQ(tangen->Label1->text(), QStringLiteral("データ"));
    EXPECT_EQ(tangen->btnReturn->text(), QStringLiteral("戻る"));
    EXPECT_FALSE(tangen->memFile->isReadOnly());
    EXPECT_EQ(tangen->memFile->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

}  // namespace
