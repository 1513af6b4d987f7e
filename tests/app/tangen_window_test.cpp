// The unit contents window: shown modally by its menu, showing the memo, and giving back what the
// user typed.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "tangen_window.h"
#include "window_fixture.h"

namespace {

using TangenWindowTest = MainWindowTest;

// The menu shows the memo modally; what is typed there becomes the memo, whether 戻る or the close
// box leaves the window, and an untouched memo stays as it was, empty lines and all.
TEST_F(TangenWindowTest, MenuShowsTheMemoAndWhatWasTypedGoesBackIntoIt) {
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    // Given: the text typed (none: untouched) and whether the close box leaves the window.
    // Expected: the memo afterwards; each showing shows the memo the row before left.
    const struct {
        const char* typed;
        bool closeBox;
        const char* memo;
    } rows[] = {
        {nullptr, false, "Kelvane\n16711680,16\ny=1/2･x+1\n0,1\n2,2\n0,0\n0,0"},
        {"比例の単元\n\nメモの行", false, "比例の単元\n\nメモの行"},
        {nullptr, false, "比例の単元\n\nメモの行"},
        {"Kelvane\n追加", true, "Kelvane\n追加"},
    };
    for (const auto& row : rows) {
        const QString before = window->Doc.Table().Memo.join(u'\n');
        dialogs.modalScript = [&](QDialog& dialog) {
            dialog.show();
            auto* memo = Control<QPlainTextEdit>(dialog, "memFile");
            EXPECT_EQ(memo->toPlainText(), before);
            if (row.typed != nullptr) {
                memo->setPlainText(QString::fromUtf8(row.typed));
            }
            row.closeBox ? void(dialog.close()) : ::Press(dialog, "btnReturn");
            EXPECT_EQ(dialog.result(), row.closeBox ? int(QDialog::Rejected) : int(ModalOk));
            return dialog.result();
        };
        Ui<QAction>("mnuShowTangen")->trigger();
        EXPECT_EQ(window->Doc.Table().Memo.join(u'\n'), QString::fromUtf8(row.memo)) << row.memo;
    }
    EXPECT_EQ(dialogs.modalWindows, QStringList(4, QStringLiteral("単元の内容")));
}

TEST_F(TangenWindowTest, LabelsShowTheFileInfoAsPlainText) {
    window->Doc.Clear(QStringLiteral("<b>x</b>"), QStringLiteral("DATA/a.lin"));
    for (int i = 0; i < 3; ++i) {
        window->AddOrReplaceLine(Line(0, i, 1, i + 1), -1);
    }
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->textFormat(), Qt::PlainText);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblFileName")->textFormat(), Qt::PlainText);
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblFileName")->text(), QStringLiteral("DATA/a.lin"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("3"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane Tesmara   ：   DATA/a.lin"));
}

TEST_F(TangenWindowTest, ControlsCarryTheirCaptions) {
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "Label4")->text(), QStringLiteral("単元名"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "Label5")->text(), QStringLiteral("ﾌｧｲﾙ名"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "Label2")->text(), QStringLiteral("ﾃﾞｰﾀ数"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "Label1")->text(), QStringLiteral("データ"));
    EXPECT_EQ(OwnedUi<QPushButton>("frmTangen", "btnReturn")->text(), QStringLiteral("戻る"));
    EXPECT_FALSE(OwnedUi<QPlainTextEdit>("frmTangen", "memFile")->isReadOnly());
    EXPECT_EQ(OwnedUi<QPlainTextEdit>("frmTangen", "memFile")->verticalScrollBarPolicy(),
              Qt::ScrollBarAlwaysOn);
}

}  // namespace
