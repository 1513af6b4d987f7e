// The commands that change graphs already drawn: deleting, erasing, selecting, widths, forms,
// moves, slope and intercept steps, colours, and the formula list's clicks and keys.
#include <QGroupBox>
#include <QMenu>

#include "dialogs.h"
#include "graph_edits.h"
#include "main/main_window.h"
#include "plane/plane_view.h"
#include "settings/move_window.h"
#include "shiki_list.h"

void TfrmMain::DeleteSelected() {
    if (Doc.Table().LineCount == 0) {
        screen_->PaintEmptyPlane();
        screen_->ClearPanels();
        body_.imgCood->setCursor(Cursors[CursorPencil]);
        plane_->Reset();
        UpdateUndoCommands();
        return;
    }
    if (plane_->State() > DrawIdle) {
        // During a gesture 訂正 cancels it and deletes nothing.
        plane_->Cancel();
        return;
    }
    const Drawing::Batch oneChange(Doc);
    Doc.Update([](GraphTable& t) { ::DeleteSelected(t); });
    Doc.MarkUnsaved();
}

void TfrmMain::EraseAll() {
    if (Doc.Table().LineCount > 0 &&
        ConfirmYesNo(QStringLiteral("全部削除してもいいですか？")) != Answer::Yes) {
        return;
    }
    // The drawing keeps its title and file name and becomes empty and unchanged; an empty
    // drawing has nothing to recover.
    plane_->Forget();
    Doc.EraseGraphs();
}

void TfrmMain::SelectAll() {
    Doc.Update([](GraphTable& t) {
        for (int i = 0; i < t.LineCount; ++i) {
            t.Selected.set(i);
        }
    });
}

void TfrmMain::SetWidth(int width) {
    if (Doc.Table().LineCount == 0) {
        return;
    }
    Doc.Update([&](GraphTable& t) { SetSelectedWidth(t, width); });
}

void TfrmMain::ListClicked(bool onRow, Qt::KeyboardModifiers modifiers) {
    // The list has told the drawing the rows chosen; a plain click chooses the clicked one alone.
    const int row = body_.lstShiki->currentRow();
    if (onRow && row >= 0 && row < Doc.Table().LineCount &&
        !(modifiers & (Qt::ControlModifier | Qt::ShiftModifier))) {
        Doc.SelectOnly(row);
    }
}

void TfrmMain::ListRightPressed(int row, QPoint pos) {
    if (row < 0 || row >= Doc.Table().LineCount) {
        return;
    }
    // With several lines selected the popup works on all of them; otherwise on the pressed one.
    if (Doc.Table().Selected.count() < 2) {
        Doc.SelectOnly(row);
    }
    menus_.pumShiki->popup(body_.lstShiki->viewport()->mapToGlobal(pos + QPoint(10, 20)));
}

bool TfrmMain::ListKeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Delete) {
        if (!Doc.Table().Selected.none()) {
            DeleteSelected();
        }
        return true;
    }
    if (!(modifiers & Qt::ControlModifier)) {
        return false;
    }
    // The arrow buttons' moves of the selected graphs.
    switch (key) {
        case Qt::Key_Up:
            MoveSelected('U');
            return true;
        case Qt::Key_Down:
            MoveSelected('D');
            return true;
        case Qt::Key_Left:
            MoveSelected('L');
            return true;
        case Qt::Key_Right:
            MoveSelected('R');
            return true;
        default:
            return false;
    }
}

void TfrmMain::PressForm(EquationForm form) {
    if (Doc.Table().Selected.none()) {
        ShowMessage(QStringLiteral("グラフの式を選択してください"));
        return;
    }
    if (form == Edit.Form) {
        return;
    }
    const FormPress press{Edit.Form, form};
    Edit.Form = form;
    screen_->ShowForm();
    // Only the selected graphs are rewritten; the others keep the form they were made in.
    const std::vector<int> rewritten = Undo.PressForm(press, [&] {
        return Doc.Update([&](GraphTable& t) { return RewriteSelectedTexts(t, Edit); });
    });
    if (!rewritten.empty()) {
        screen_->PaintFormula(rewritten.back());
    }
}

void TfrmMain::MoveSelected(char direction) {
    Doc.Update([&](GraphTable& t) { return ::MoveSelected(t, Edit, direction); });
}

void TfrmMain::StepSlopeOrIntercept(int step) {
    const SlopeStepResult result =
        Doc.Update([&](GraphTable& t) { return ChangeSlopeIntercept(t, Edit, step); });
    if (result.lastLooked < 0 && !result.message.isEmpty()) {
        ShowMessage(result.message);  // nothing to step
        return;
    }
    screen_->ShowPanelsOf(result.lastLooked);  // the graph the steps looked at last, of several
    if (!result.message.isEmpty()) {
        ShowMessage(result.message);  // the vertical graph where the steps stopped
    }
}

void TfrmMain::Recolour(bool selectedOnly) {
    if (!selectedOnly && plane_->State() == DrawRubberBand) {
        ShowMessage(QStringLiteral("途中で色は変更できません"));
        return;
    }
    const std::optional<int32_t> colour = ChooseColour(Edit.FixedColor);
    if (!colour) {
        return;
    }
    Edit.FixedColor = *colour;  // new graphs take it too
    Doc.Update([&](GraphTable& t) { RecolorGraphs(t, *colour, selectedOnly); });
    screen_->RefreshPanels();
    screen_->PaintToolSample();  // new graphs take the chosen colour too
}

void TfrmMain::ShowMover() {
    if (Doc.Table().LineCount == 0 || CurrentIndex(Doc.Table()) < 0) {
        return;
    }
    TfrmMoveMoji& mover = windows_->Mover();
    mover.PlaceOver(QRect(body_.grpShiki->mapToGlobal(QPoint(0, 0)), body_.grpShiki->size()));
    mover.show();
    mover.raise();
}
