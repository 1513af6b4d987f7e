// The graph table on the screen: adding and replacing graphs, the full redisplay, the side
// panels and the empty drawing. The paint* routines are where the drawing library paints.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QSpinBox>

#include "dialogs.h"
#include "disp_all_line.h"
#include "display_options.h"
#include "main/main_window.h"
#include "plane.h"
#include "plane/image_view.h"
#include "shiki_list.h"

bool TfrmMain::AddOrReplaceLine(const TLineSpec& spec, int index) {
    int changed = -1;
    if (Doc.AddOrReplaceGraph(Edit, spec, index, &changed) == AddResult::TableFull) {
        ShowMessage(TableFullMessage);
        return false;
    }
    return true;
}

void TfrmMain::ShowDrawing(DrawingChanges changes) {
    // The formula list is a view of the drawing and follows it by itself.
    if ((changes & ChangedGraphs) != 0) {
        ShowLineCount();
    }
    if ((changes & (ChangedColorCycle | ChangedEndCircles)) != 0) {
        RedrawToolSample();
    }
    constexpr DrawingChanges onThePlane =
        ChangedGraphs | ChangedSelection | ChangedPlane | ChangedEndCircles;
    if (!shown_ || (changes & onThePlane) == 0) {
        return;  // before the first showing there is no plane to show
    }
    plane_->PlaneShownAnew();  // the new picture has no band or mark to go on from
    DispAllLine();             // with a selection, its panels too
    if ((changes & (ChangedGraphs | ChangedSelection)) != 0 && Doc.Table().Selected.none()) {
        ClearAllPanels();
    }
}

void TfrmMain::ShowPanelsOf(int index) {
    body_.ShowPanels(Doc.Table(), index, CurrentDisplayOptions(), Typeset);
}

void TfrmMain::DispAllLine() {
    const PlaneScene scene{shownPlane_, Layout.DefaultPlaneSize, PlaneVariant::Main,
                           bitmapPasted ? &PastedPicture : nullptr};
    const DispAllLineResult result =
        ::DispAllLine(body_.imgCood->canvas(), scene, CurrentDisplayOptions(), Typeset,
                      body_.imgCood->planeGeometry(), Doc.Table());
    if (result.planeDrawn) {
        placePlane();
    }
    body_.imgCood->update();
    for (const QString& message : result.messages) {
        ShowMessage(message);
    }
    if (result.lastSelected >= 0) {
        // The panels of the current graph follow; the last selected graph's equation stays in
        // its panel only when the equation box is off and the refresh leaves the panel alone.
        if (!View.formulaPanels) {
            body_.PaintFormula(Doc.Table().LineTable[result.lastSelected], CurrentDisplayOptions(),
                               Typeset);
        }
        RefreshPanels();
    }
}

void TfrmMain::RefreshPanels() {
    const int current = CurrentIndex(Doc.Table());
    if (current < 0) {
        ClearAllPanels();
    } else {
        ShowPanelsOf(current);
    }
}

void TfrmMain::ClearAllPanels() {
    body_.ClearPanels(CurrentDisplayOptions());
}

void TfrmMain::RedrawPlane() {
    plane_->Reset();
    DispAllLine();
    UpdateUndoCommands();
}

void TfrmMain::RedrawAll() {
    RedrawPlane();
    RefreshPanels();
}

void TfrmMain::ClearDrawing(const QString& unitTitle, const QString& fileName) {
    // Empties the table and the selection, restarts the colour cycle, marks the drawing saved and
    // leaves the title as the memo's only line.
    plane_->Forget();
    Doc.Clear(unitTitle, fileName);
}

// ---- where the drawing library paints ----

DisplayOptions TfrmMain::CurrentDisplayOptions() const {
    DisplayOptions o;
    o.EndCircles = Doc.EndCircles();
    o.DottedExtensions = View.dottedExtensions;
    o.Handles = View.handles;
    o.AxisColours = View.axisColours;
    o.FormulaPanels = View.formulaPanels;
    o.RangePanel = View.rangePanel;
    o.SlopePanels = View.slopePanels;
    o.TableYRow = View.tableYRow;
    o.SlopeInterceptForm = Edit.Form == EquationForm::Standard;
    o.EndCircleRadius = Doc.EndCircleRadius();
    o.LineWidth = Edit.LineWidth;
    o.bitmapPasted = bitmapPasted;
    o.PanelBackColour = View.panelBackColour();
    o.PanelTextColour = View.panelTextColour();
    o.FirstEndIncluded = EndKinds.firstIncluded;
    o.SecondEndIncluded = EndKinds.secondIncluded;
    return o;
}

// The plane image takes the plane's size and is centred in the room right of the formula list.
void TfrmMain::placePlane() {
    body_.imgCood->planeDrawn();
    const QSize plane = body_.imgCood->image().size();
    const MainWindowMetrics metrics{Layout.window.width(), Layout.window.height(),
                                    design::PnlMainHeight, body_.grpSettei->height(),
                                    body_.lstShiki->x(),   body_.lstShiki->width()};
    body_.imgCood->setGeometry(QRect(MainPlaneTopLeft(metrics, plane), plane));
}

void TfrmMain::paintPlane() {
    const QString error =
        DrawPlane(body_.imgCood->canvas(), shownPlane_, Layout.DefaultPlaneSize, PlaneVariant::Main,
                  CurrentDisplayOptions(), Typeset, body_.imgCood->planeGeometry());
    if (!error.isEmpty()) {
        ShowMessage(error);
        return;  // the old plane stays
    }
    placePlane();
    body_.imgCood->update();
}

void TfrmMain::RedrawToolSample() {
    const ToolSample tool{Edit.LineMode, Edit.LineWidth, CurrentEndKind(Edit),
                          NextColor(Edit, Doc.Table())};
    ::RedrawToolSample(bar_.imgSample->canvas(), tool, Doc.EndCircleRadius(),
                       View.panelTextColour());
    bar_.imgSample->update();
}
