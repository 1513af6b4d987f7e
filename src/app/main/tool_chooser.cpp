#include "main/tool_chooser.h"

#include <QLineEdit>
#include <QToolButton>

#include "clickable_label.h"
#include "dialogs.h"
#include "help/help_context.h"
#include "main/main_controls.h"
#include "main/plane_controller.h"
#include "settings/label_window.h"
#include "settings/line_settings_window.h"

ToolChooser::ToolChooser(EditingState& edit, Drawing& drawing, MainToolBar& bar,
                         PlaneController& plane, std::function<void()> toolShown, QWidget* window)
    : QObject(window),
      edit_(edit),
      drawing_(drawing),
      bar_(bar),
      plane_(plane),
      toolShown_(std::move(toolShown)),
      window_(window) {
    connect(bar_.SpdChokusen, &QToolButton::clicked, this, [this] { Choose(GraphKind::Line); });
    connect(bar_.spdSenbun, &QToolButton::clicked, this, [this] { Choose(GraphKind::Segment); });
    connect(bar_.spdHanchokusen, &QToolButton::clicked, this, [this] { Choose(GraphKind::Ray); });
    connect(bar_.spdTen, &QToolButton::clicked, this, [this] { Choose(GraphKind::Point); });
    connect(bar_.spdMoji, &QToolButton::clicked, this, &ToolChooser::ChooseLabels);
    connect(bar_.spdHeniki, &QToolButton::clicked, this, &ToolChooser::NextEndKind);
    connect(bar_.lblHeniki, &ClickableLabel::clicked, this, &ToolChooser::NextEndKind);
}

bool ToolChooser::Choose(GraphKind kind) {
    switch (kind) {
        case GraphKind::Line:
            edit_.SegmentEndKind = 0;
            Select(kind, bar_.SpdChokusen);
            bar_.spdHeniki->setEnabled(false);
            return true;
        case GraphKind::Segment:
            Select(kind, bar_.spdSenbun);
            bar_.lblHeniki->show();
            bar_.spdHeniki->setEnabled(true);
            return true;
        case GraphKind::Ray:
            Select(kind, bar_.spdHanchokusen);
            bar_.lblHeniki->show();
            bar_.spdHeniki->setEnabled(true);
            return true;
        case GraphKind::Point:
            // A point needs no rubber band or domain: a graph started with another tool is
            // abandoned.
            if (plane_.State() > DrawIdle) {
                plane_.Cancel();
            }
            Select(kind, bar_.spdTen);
            bar_.spdHeniki->setEnabled(false);
            return true;
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return false;
}

void ToolChooser::Select(GraphKind kind, QToolButton* button) {
    edit_.LineMode = kind;
    bar_.edtLineMode->setText(KindName(kind));
    for (QToolButton* tool :
         {bar_.SpdChokusen, bar_.spdSenbun, bar_.spdHanchokusen, bar_.spdTen, bar_.spdMoji}) {
        tool->setChecked(tool == button);
    }
    ShowEndKinds();
    // Labels still waiting are dropped with their list.
    plane_.DropLabels();
}

void ToolChooser::ChooseLabels() {
    drawing_.SetSelection({});
    beforeLabels_ = edit_.LineMode;
    if (plane_.State() > DrawIdle) {
        plane_.Cancel();
    }
    Select(GraphKind::Label, bar_.spdMoji);
    bar_.spdHeniki->setEnabled(false);
    if (labels_ == nullptr) {
        labels_ = new TfrmMoji(window_);
        SetHelpContext(labels_, 102);
    }
    if (ShowModal(*labels_) != ModalOk) {
        RestoreTool();
        return;
    }
    plane_.QueueLabels(labels_->queue());
}

void ToolChooser::RestoreTool() {
    if (!Choose(beforeLabels_)) {
        Choose(GraphKind::Line);  // the label tool before gives the line tool
    }
}

void ToolChooser::ShowLineSettings() {
    if (lineSettings_ == nullptr) {
        lineSettings_ = new TfrmSettei(edit_, window_);
        SetHelpContext(lineSettings_, 218);
    }
    ShowModal(*lineSettings_);
    // Whatever the answer, the tool is chosen again through its button, with what that resets;
    // the label tool stays, with its waiting labels.
    Choose(edit_.LineMode);
    toolShown_();
}

void ToolChooser::NextEndKind() {
    if (edit_.LineMode == GraphKind::Segment) {
        edit_.SegmentEndKind = (edit_.SegmentEndKind + 1) % 4;
    } else if (edit_.LineMode == GraphKind::Ray) {
        edit_.RayEndKind = (edit_.RayEndKind + 1) % 2;
    }
    ShowEndKinds();
}

void ToolChooser::ShowEndKinds() {
    endKinds_ =
        UpdateEndKindLabel(edit_.LineMode, edit_.SegmentEndKind, edit_.RayEndKind, endKinds_);
    bar_.lblHeniki->setText(endKinds_.caption);
    toolShown_();
}
