// The edit commands of the main window and the formula list's selection: deleting graphs,
// erasing everything, selecting, the popup menu and the line widths.
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMenu>

#include "dialogs.h"
#include "graph_edits.h"
#include "main/main_window.h"
#include "shiki_list.h"
#include "tangen_window.h"

#include <QLabel>

void TfrmMain::spdTeiseiClick() {
    if (Doc.Table().LineCount == 0) {
        paintPlane();
        ClearAllPanels();
        InitLoop();
        return;
    }
    if (plane_->State() > DrawIdle) {
        // During a gesture 訂正 cancels it and deletes nothing.
        CancelGesture();
        return;
    }
    const Drawing::Batch oneChange(Doc);
    Doc.Update([](GraphTable& t) { DeleteSelected(t); });
    Doc.MarkUnsaved();
}

void TfrmMain::spdShoukyoClick() {
    if (Doc.Table().LineCount > 0 &&
        ConfirmYesNo(QStringLiteral("全部削除してもいいですか？")) != Answer::Yes) {
        return;
    }
    // The drawing keeps its title and file name and becomes empty and unchanged; an empty
    // drawing has nothing to recover.
    plane_->Forget();
    Doc.EraseGraphs();
}

void TfrmMain::pumCancelClick() {
    Doc.SetSelection({});
}

void TfrmMain::btnKaijoClick() {
    pumCancelClick();
}

void TfrmMain::mnuSelectAllClick() {
    Doc.Update([](GraphTable& t) {
        for (int i = 0; i < t.LineCount; ++i) {
            t.Selected.set(i);
        }
    });
}

void TfrmMain::BitBtn1Click() {
    mnuSelectAllClick();
}

void TfrmMain::WidthClick(int width) {
    if (Doc.Table().LineCount == 0) {
        return;
    }
    Doc.Update([&](GraphTable& t) { SetSelectedWidth(t, width); });
}

void TfrmMain::lstShikiClick(bool onRow, Qt::KeyboardModifiers modifiers) {
    // The list has told the drawing the rows chosen; a plain click chooses the clicked one alone.
    const int row = body_.lstShiki->currentRow();
    if (onRow && row >= 0 && row < Doc.Table().LineCount &&
        !(modifiers & (Qt::ControlModifier | Qt::ShiftModifier))) {
        Doc.SelectOnly(row);
    }
}

void TfrmMain::lstShikiRightPress(int row, QPoint pos) {
    if (Doc.Table().LineCount == 0) {
        return;
    }
    ClickedRow = row;
    if (row >= Doc.Table().LineCount) {
        return;
    }
    // With several lines selected the popup works on all of them; otherwise on the pressed one.
    if (Doc.Table().Selected.count() < 2) {
        Doc.SelectOnly(row);
    }
    menus_.pumShiki->popup(body_.lstShiki->viewport()->mapToGlobal(pos + QPoint(10, 20)));
}

void TfrmMain::ShowLineCount() {
    frmTangen->ShowLineCount(Doc.Table().LineCount);
}
