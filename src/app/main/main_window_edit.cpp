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
    RefillShikiList();
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
    RefillShikiList();
    ShowLineCount();
}

void TfrmMain::pumCancelClick() {
    Doc.SetSelection({});
    PushSelectionToList();
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
    PushSelectionToList();
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

void TfrmMain::lstShikiClick(Qt::KeyboardModifiers modifiers) {
    const int row = body_.lstShiki->currentRow();
    if (row < 0 || row >= Doc.Table().LineCount) {
        return;
    }
    RedrawAll();
    if (modifiers & Qt::ControlModifier) {
        ClearAllPanels();  // the selection grew by the clicked line
    } else if (!(modifiers & Qt::ShiftModifier)) {
        Doc.SelectOnly(row);
        PushSelectionToList();
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
        PushSelectionToList();
        RedrawAll();
    }
    menus_.pumShiki->popup(body_.lstShiki->viewport()->mapToGlobal(pos + QPoint(10, 20)));
}

void TfrmMain::ShowLineCount() {
    frmTangen->lblNline->setText(QString::number(Doc.Table().LineCount));
}

void TfrmMain::RefillShikiList() {
    syncingSelection_ = true;
    // Rows are kept and only their texts set, so an undo of one graph does not rebuild 100 rows.
    const GraphTable& table = Doc.Table();
    while (body_.lstShiki->count() > table.LineCount) {
        delete body_.lstShiki->takeItem(body_.lstShiki->count() - 1);
    }
    for (int i = 0; i < table.LineCount; ++i) {
        if (i < body_.lstShiki->count()) {
            if (body_.lstShiki->item(i)->text() != table.LineTable[i].Text) {
                body_.lstShiki->item(i)->setText(table.LineTable[i].Text);
            }
        } else {
            body_.lstShiki->addItem(table.LineTable[i].Text);
        }
    }
    syncingSelection_ = false;
    PushSelectionToList();
}

void TfrmMain::PushSelectionToList() {
    syncingSelection_ = true;
    // One selection change for the whole list: row by row, 100 rows cost a millisecond.
    QItemSelection selection;
    for (int i = 0; i < body_.lstShiki->count() && i < MaxGraphs; ++i) {
        if (Doc.Table().Selected.test(i)) {
            const QModelIndex row = body_.lstShiki->model()->index(i, 0);
            selection.select(row, row);
        }
    }
    body_.lstShiki->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncingSelection_ = false;
}

void TfrmMain::PullSelectionFromList() {
    if (syncingSelection_) {
        return;
    }
    std::bitset<MaxGraphs> selected;
    for (int i = 0; i < body_.lstShiki->count() && i < MaxGraphs; ++i) {
        if (body_.lstShiki->item(i)->isSelected()) {
            selected.set(i);
        }
    }
    Doc.SetSelection(selected);
}
