// Changing graphs already drawn: the move arrows, the slope and intercept buttons, the colour
// commands, and the windows that choose the tool, prepare labels and move graphs.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "dialogs.h"
#include "graph_edits.h"
#include "help/help_context.h"
#include "main/main_window.h"
#include "settings/label_window.h"
#include "settings/line_settings_window.h"
#include "settings/move_window.h"
#include "shiki_list.h"

void TfrmMain::MoveSelectedClick(char direction) {
    Doc.Update([&](GraphTable& t) { return MoveSelected(t, Edit, direction); });
}

void TfrmMain::ChangeSlopeInterceptClick(int step) {
    const SlopeStepResult result =
        Doc.Update([&](GraphTable& t) { return ChangeSlopeIntercept(t, Edit, step); });
    if (result.lastLooked < 0 && !result.message.isEmpty()) {
        ShowMessage(result.message);  // nothing to step
        return;
    }
    ShowPanelsOf(result.lastLooked);  // the graph the steps looked at last, of several
    if (!result.message.isEmpty()) {
        ShowMessage(result.message);  // the vertical graph where the steps stopped
    }
}

void TfrmMain::spdLineColorClick() {
    if (plane_->State() == DrawRubberBand) {
        ShowMessage(QStringLiteral("途中で色は変更できません"));
        return;
    }
    Recolour(false);
}

void TfrmMain::mnuChangeColorClick() {
    Recolour(true);
}

void TfrmMain::Recolour(bool selectedOnly) {
    const std::optional<int32_t> colour = ChooseColour(Edit.FixedColor);
    if (!colour) {
        return;
    }
    Edit.FixedColor = *colour;  // new graphs take it too
    Doc.Update([&](GraphTable& t) { RecolorGraphs(t, *colour, selectedOnly); });
    RefreshPanels();
    RedrawToolSample();  // new graphs take the chosen colour too
}

void TfrmMain::mnuSetSenshuClick() {
    if (frmSettei == nullptr) {
        frmSettei = new TfrmSettei(Edit, this);
        SetHelpContext(frmSettei, 218);
    }
    ShowModal(*frmSettei);
    // Whatever the answer, the tool is chosen again through its button, with what that resets;
    // the label tool stays, with its waiting labels.
    ClickToolButton(Edit.LineMode);
    RedrawToolSample();
}

void TfrmMain::spdMojiClick() {
    Doc.SetSelection({});
    if (frmMoji == nullptr) {
        frmMoji = new TfrmMoji(this);
        SetHelpContext(frmMoji, 102);
    }
    frmMoji->SavedLineMode = KindNumber(Edit.LineMode);
    if (plane_->State() > DrawIdle) {
        CancelGesture();
    }
    SelectTool(GraphKind::Label, bar_.spdMoji);
    bar_.spdHeniki->setEnabled(false);
    if (ShowModal(*frmMoji) != ModalOk) {
        RestoreTool();
        return;
    }
    plane_->QueueLabels(frmMoji->queue());
}

bool TfrmMain::ClickToolButton(GraphKind lineMode) {
    switch (lineMode) {
        case GraphKind::Line:
            SpdChokusenClick();
            return true;
        case GraphKind::Segment:
            spdSenbunClick();
            return true;
        case GraphKind::Ray:
            spdHanchokusenClick();
            return true;
        case GraphKind::Point:
            spdTenClick();
            return true;
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return false;
}

void TfrmMain::RestoreTool() {
    const GraphKind saved =
        frmMoji != nullptr ? KindOfNumber(frmMoji->SavedLineMode) : GraphKind::Line;
    if (!ClickToolButton(saved)) {
        SpdChokusenClick();  // the label tool before gives the line tool
    }
}

void TfrmMain::mnuMoveMojiClick() {
    if (Doc.Table().LineCount == 0 || CurrentIndex(Doc.Table()) < 0) {
        return;
    }
    if (frmMoveMoji == nullptr) {
        frmMoveMoji = new TfrmMoveMoji([this](char direction) { MoveSelectedClick(direction); },
                                       [this] {
                                           Doc.Update([](GraphTable& t) {
                                               for (int i = 0; i < t.LineCount; ++i) {
                                                   ReplaceGraphLines(t, t.LineTable[i], i);
                                               }
                                           });
                                       },
                                       this);
        SetHelpContext(frmMoveMoji, 105);
    }
    frmMoveMoji->PlaceOver(
        QRect(body_.grpShiki->mapToGlobal(QPoint(0, 0)), body_.grpShiki->size()));
    frmMoveMoji->show();
    frmMoveMoji->raise();
}
