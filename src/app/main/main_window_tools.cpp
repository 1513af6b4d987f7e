// The tool bar's drawing tools, the domain-end and sample controls, the lock, the display form
// buttons and the display check boxes.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

#include "clickable_label.h"
#include "dialogs.h"
#include "graph_edits.h"
#include "main/main_window.h"
#include "plane/image_view.h"
#include "shiki_list.h"
#include "tool_sample.h"

namespace {

// A two-glyph picture: the left half is the face, the right half the greyed face.
QIcon TwoGlyphIcon(const QImage& picture) {
    const int half = picture.width() / 2;
    QIcon icon(QPixmap::fromImage(picture.copy(0, 0, half, picture.height())));
    icon.addPixmap(QPixmap::fromImage(picture.copy(half, 0, half, picture.height())),
                   QIcon::Disabled);
    return icon;
}

QIcon ImageIcon(const ImageView* source) {
    return QIcon(QPixmap::fromImage(source->image()));
}

}  // namespace

void TfrmMain::SelectTool(GraphKind lineMode, QToolButton* button) {
    Edit.LineMode = lineMode;
    bar_.edtLineMode->setText(KindName(lineMode));
    for (QToolButton* tool :
         {bar_.SpdChokusen, bar_.spdSenbun, bar_.spdHanchokusen, bar_.spdTen, bar_.spdMoji}) {
        tool->setChecked(tool == button);
    }
    UpdateEndKindLabel();
    // Labels still waiting are dropped with their list.
    plane_->DropLabels();
}

void TfrmMain::SpdChokusenClick() {
    Edit.SegmentEndKind = 0;
    SelectTool(GraphKind::Line, bar_.SpdChokusen);
    bar_.spdHeniki->setEnabled(false);
}

void TfrmMain::spdSenbunClick() {
    SelectTool(GraphKind::Segment, bar_.spdSenbun);
    bar_.lblHeniki->show();
    bar_.spdHeniki->setEnabled(true);
}

void TfrmMain::spdHanchokusenClick() {
    SelectTool(GraphKind::Ray, bar_.spdHanchokusen);
    bar_.lblHeniki->show();
    bar_.spdHeniki->setEnabled(true);
}

void TfrmMain::spdTenClick() {
    // A point needs no rubber band or domain: a graph started with another tool is abandoned.
    if (plane_->State() > DrawIdle) {
        CancelGesture();
    }
    SelectTool(GraphKind::Point, bar_.spdTen);
    bar_.spdHeniki->setEnabled(false);
}

void TfrmMain::spdHenikiClick() {
    if (Edit.LineMode == GraphKind::Segment) {
        Edit.SegmentEndKind = (Edit.SegmentEndKind + 1) % 4;
    } else if (Edit.LineMode == GraphKind::Ray) {
        Edit.RayEndKind = (Edit.RayEndKind + 1) % 2;
    }
    UpdateEndKindLabel();
}

void TfrmMain::lblHenikiClick() {
    spdHenikiClick();
}

void TfrmMain::UpdateEndKindLabel() {
    EndKinds = ::UpdateEndKindLabel(Edit.LineMode, Edit.SegmentEndKind, Edit.RayEndKind, EndKinds);
    bar_.lblHeniki->setText(EndKinds.caption);
    RedrawToolSample();
}

void TfrmMain::imgSampleClick() {
    if (Edit.FixedColor == AutomaticColor) {
        Doc.AdvanceColorCycle();
    }
}

void TfrmMain::imgTableClick() {
    constexpr int NarrowImage = 353;
    if (body_.imgTable->width() == NarrowImage) {
        const int wide = Layout.TableCols * design::ValueTableColumnWidth;
        body_.pnlTable->resize(wide + 2, body_.pnlTable->height());
        body_.imgTable->resize(wide, body_.imgTable->height());
    } else {
        body_.imgTable->resize(NarrowImage, body_.imgTable->height());
        body_.pnlTable->resize(NarrowImage + 2, body_.pnlTable->height());
    }
    body_.PaintValueTable(Doc.Table(), CurrentIndex(Doc.Table()), View.tableYRow);
}

void TfrmMain::btnLockedClick() {
    const bool wasLocked = LockState;
    LockState = !LockState;
    bar_.btnLocked->setIcon(
        TwoGlyphIcon((wasLocked ? body_.imgUnLocked : body_.imgLocked)->image()));
    // Drawing, deleting, the colour button, opening a unit and the formula list stay usable.
    for (QMenu* menu : {menus_.mnuFile, menus_.mnuEdit, menus_.mnuSettings, menus_.mnuRun,
                        menus_.mnuView, menus_.mnuHelp}) {
        menu->menuAction()->setEnabled(wasLocked);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{bar_.spdOverWrite, bar_.spdTest, bar_.spdRenshu,
                                         bar_.spdKiroku, bar_.spdMoji, bar_.spnMaruRad}) {
        control->setEnabled(wasLocked);
    }
    UpdateUndoCommands();
}

void TfrmMain::ShowForm() {
    const bool standard = Edit.Form == EquationForm::Standard;
    body_.btnHyoujun->setIcon(ImageIcon(standard ? body_.imgOk1 : body_.imgNotOk1));
    body_.btnIppan->setIcon(ImageIcon(standard ? body_.imgNotOk2 : body_.imgOk2));
    body_.chkKeishiki->setChecked(standard);
    body_.grpShiki->setTitle(
        standard ? QStringLiteral("グラフの式（１次関数 ｙ＝ａｘ＋ｂの形）")
                 : QStringLiteral("グラフの式（２元１次方程式 ａｘ＋ｂｙ＝ｃの形）"));
}

void TfrmMain::btnHyoujunClick() {
    PressForm(EquationForm::Standard);
}

void TfrmMain::btnIppanClick() {
    PressForm(EquationForm::General);
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
    ShowForm();
    // Only the selected graphs are rewritten; the others keep the form they were made in.
    const std::vector<int> rewritten = Undo.PressForm(press, [&] {
        return Doc.Update([&](GraphTable& t) { return RewriteSelectedTexts(t, Edit); });
    });
    if (!rewritten.empty()) {
        body_.PaintFormula(Doc.Table().LineTable[rewritten.back()], CurrentDisplayOptions(),
                           Typeset);
    }
}

void TfrmMain::chkShikiClick() {
    if (View.formulaPanels) {
        RefreshPanels();
    } else {
        body_.ClearPanel(body_.imgShiki, CurrentDisplayOptions());
        body_.ClearPanel(body_.imgHenikiX, CurrentDisplayOptions());
    }
    body_.lstShiki->setShowText(View.formulaPanels);
}

void TfrmMain::chkHenikiClick() {
    if (!View.rangePanel) {
        body_.ClearPanel(body_.imgHenikiY, CurrentDisplayOptions());
        return;
    }
    if (const int current = CurrentIndex(Doc.Table()); current >= 0) {
        body_.PaintYRange(Doc.Table().LineTable[current], CurrentDisplayOptions(), Typeset);
    }
}

void TfrmMain::chkKatamukiClick() {
    const int current = CurrentIndex(Doc.Table());
    if (current < 0) {
        return;
    }
    if (View.slopePanels) {
        body_.PaintSlopeIntercept(Doc.Table().LineTable[current], CurrentDisplayOptions(), Typeset);
    } else {
        body_.ClearPanel(body_.imgkatamuki, CurrentDisplayOptions());
        body_.ClearPanel(body_.imgSeppen, CurrentDisplayOptions());
    }
}

void TfrmMain::chkDataTableClick() {
    body_.PaintValueTable(Doc.Table(), CurrentIndex(Doc.Table()), View.tableYRow);
}

void TfrmMain::chkMaruClick() {
    Doc.SetEndCircles(body_.chkMaru->isChecked());
    RefreshPanels();
}

void TfrmMain::chkRedrawClick() {
    RedrawAll();
}

void TfrmMain::chkTensenClick() {
    RedrawPlane();
}

void TfrmMain::chkRanColorClick() {
    ClearAllPanels();
    RefreshPanels();
}

void TfrmMain::spnMaruRadChange() {
    Doc.SetEndCircleRadius(bar_.spnMaruRad->value());
}
