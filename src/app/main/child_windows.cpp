#include "main/child_windows.h"

#include "dialogs.h"
#include "graph_edits.h"
#include "help/help_context.h"
#include "help/help_desk.h"
#include "help/version_window.h"
#include "path_text.h"
#include "print/print_window.h"
#include "settings/move_window.h"
#include "settings/plane_settings_window.h"
#include "tangen_window.h"
#include "units/edit_ques_window.h"
#include "units/tangen_open_window.h"

ChildWindows::ChildWindows(Sources sources)
    : s_(std::move(sources)),
      tangen_(new TfrmTangen(s_.drawing.Table(), s_.main)),
      help_(new HelpDesk(s_.main)) {
    SetHelpContext(tangen_, 223);
}

TfrmMoveMoji& ChildWindows::Mover() {
    if (mover_ == nullptr) {
        // Its 再描画 writes every graph's lines of the memo again from the graph.
        Drawing& drawing = s_.drawing;
        mover_ = new TfrmMoveMoji(
            s_.moveSelected,
            [&drawing] {
                drawing.Update([](GraphTable& t) {
                    for (int i = 0; i < t.LineCount; ++i) {
                        ReplaceGraphLines(t, t.LineTable[i], i);
                    }
                });
            },
            s_.main);
        SetHelpContext(mover_, 105);
    }
    return *mover_;
}

TfrmTangenOpen& ChildWindows::UnitChoice() {
    if (unitChoice_ == nullptr) {
        unitChoice_ =
            new TfrmTangenOpen(s_.startPlane, s_.defaultPlaneSize(), s_.startDir, s_.main);
    }
    return *unitChoice_;
}

TfrmSetCood& ChildWindows::PlaneSettingsWindow() {
    if (planeSettings_ == nullptr) {
        planeSettings_ =
            new TfrmSetCood(s_.shownPlane, s_.defaultPlaneSize(), s_.showTriedPlane, s_.main);
        // Settings accepted with OK become the drawing's plane, one undo step; tried out, they
        // are only shown. Cancel has put the drawing's own back already.
        QObject::connect(planeSettings_, &QDialog::finished, s_.main,
                         [this] { s_.drawing.SetPlane(s_.shownPlane); });
        SetHelpContext(planeSettings_, 106);
    }
    return *planeSettings_;
}

TfrmEditQues& ChildWindows::CatalogEditor() {
    if (catalogEditor_ == nullptr) {
        catalogEditor_ = new TfrmEditQues(s_.catalog, s_.startDir, s_.main);
        SetHelpContext(catalogEditor_, 112);
        catalogEditor_->SetHelpButton([this] { ShowHelp(112); });
    }
    return *catalogEditor_;
}

TfrmPrint& ChildWindows::Printing() {
    if (printing_ == nullptr) {
        const Drawing& drawing = s_.drawing;
        printing_ = new TfrmPrint(
            s_.plane, [&drawing] { return ShownPath(drawing.FileName()); }, MakePrinter(), s_.main);
        // The window has the printing topic; the menu item keeps the file commands' topic.
        SetHelpContext(printing_, 107);
        printing_->worksheetOfDrawing = s_.worksheet;
    }
    return *printing_;
}

void ChildWindows::FollowPlane() {
    if (planeSettings_ != nullptr) {
        planeSettings_->ShowSettings();
        if (planeSettings_->isVisible()) {
            planeSettings_->SaveSnapshot();  // Cancel there goes back to the drawing's plane
        }
    }
}

void ChildWindows::SetDefaultPlaneSize(int size) {
    if (planeSettings_ != nullptr) {
        planeSettings_->SetDefaultPlaneSize(size);
    }
    if (unitChoice_ != nullptr) {
        unitChoice_->SetDefaultPlaneSize(size);
    }
}

void ChildWindows::ShowHelp(int topic) {
    help_->ShowTopic(topic);
}

void ChildWindows::ShowAbout() {
    if (version_ == nullptr) {
        version_ = new TfrmVersion(s_.main);
    }
    ShowModal(*version_);
}
