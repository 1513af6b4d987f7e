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
    if (body_.lstShiki->count() == 0) {
        paintPlane();
        ClearAllPanels();
        InitLoop();
        return;
    }
    if (Gesture.State() > DrawIdle) {
        // During a gesture 訂正 cancels it and deletes nothing.
        CancelGesture();
        return;
    }
    Doc.Update([](GraphTable& t) { DeleteSelected(t); });
    Doc.MarkUnsaved();
    Gesture.Reset();
    body_.lstShiki->ShowRows();
    ShowLineCount();
    DispAllLine();
    ClearAllPanels();
}

void TfrmMain::spdShoukyoClick() {
    if (Doc.Table().LineCount > 0 &&
        ConfirmYesNo(QStringLiteral("全部削除してもいいですか？")) != Answer::Yes) {
        return;
    }
    // The drawing keeps its title and file name and becomes empty and unchanged; an empty
    // drawing has nothing to recover.
    Gesture.Forget();
    Doc.EraseGraphs();
    paintPlane();
    ClearAllPanels();
    body_.lstShiki->ShowRows();
    ShowLineCount();
}

void TfrmMain::pumCancelClick() {
    Doc.SetSelection({});
    body_.lstShiki->ShowSelection();
    DispAllLine();
    ClearAllPanels();
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
    body_.lstShiki->ShowSelection();
    DispAllLine();
}

void TfrmMain::BitBtn1Click() {
    mnuSelectAllClick();
}

void TfrmMain::WidthClick(int width) {
    if (Doc.Table().LineCount == 0) {
        return;
    }
    Doc.Update([&](GraphTable& t) { SetSelectedWidth(t, width); });
    body_.lstShiki->viewport()->update();
    DispAllLine();
}

void TfrmMain::lstShikiClick(bool onRow, Qt::KeyboardModifiers modifiers) {
    const int row = body_.lstShiki->currentRow();
    if (!onRow || row < 0 || row >= Doc.Table().LineCount) {
        DispAllLine();  // below the rows the list has just let go of its selection
        return;
    }
    RedrawAll();
    if (modifiers & Qt::ControlModifier) {
        ClearAllPanels();  // the selection grew by the clicked line
    } else if (!(modifiers & Qt::ShiftModifier)) {
        Doc.SelectOnly(row);
        body_.lstShiki->ShowSelection();
    }
    DispAllLine();
}

void TfrmMain::lstShikiRightPress(int row, QPoint pos) {
    if (body_.lstShiki->count() == 0) {
        return;
    }
    ClickedRow = row;
    if (row >= body_.lstShiki->count()) {
        return;
    }
    // With several lines selected the popup works on all of them; otherwise on the pressed one.
    if (Doc.Table().Selected.count() < 2) {
        Doc.SelectOnly(row);
        body_.lstShiki->ShowSelection();
        RedrawAll();
    }
    menus_.pumShiki->popup(body_.lstShiki->viewport()->mapToGlobal(pos + QPoint(10, 20)));
}

void TfrmMain::ShowLineCount() {
    frmTangen->lblNline->setText(QString::number(Doc.Table().LineCount));
}
