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
#include "side_panels.h"
#include "value_table.h"

bool TfrmMain::AddOrReplaceLine(const TLineSpec& spec, int index) {
    int changed = -1;
    const AddResult result = Doc.AddOrReplaceGraph(Edit, spec, index, &changed);
    if (result == AddResult::TableFull) {
        ShowMessage(TableFullMessage);
        return false;
    }
    ShowStoredGraph(result, changed);
    return true;
}

void TfrmMain::ShowStoredGraph(AddResult result, int changed) {
    const QString& text = Doc.Table().LineTable[changed].Text;
    syncingSelection_ = true;
    if (result == AddResult::Added) {
        lstShiki->addItem(text);
    } else if (QListWidgetItem* item = lstShiki->item(changed)) {
        item->setText(text);
    }
    lstShiki->setCurrentRow(changed, QItemSelectionModel::NoUpdate);
    syncingSelection_ = false;
    if (result == AddResult::Added) {
        ShowLineCount();
        if (Edit.FixedColor == AutomaticColor) {
            RedrawToolSample();  // the colour cycle moved on
        }
    }
    ClearAllPanels();
    PushSelectionToList();
    DispAllLine();
}

void TfrmMain::RefreshListTexts(const std::vector<int>& rows) {
    for (int i : rows) {
        if (QListWidgetItem* item = lstShiki->item(i)) {
            item->setText(Doc.Table().LineTable[i].Text);
        }
    }
}

void TfrmMain::ShowPanelsOf(int index) {
    const GraphTable& table = Doc.Table();
    if (index < 0 || index >= table.LineCount) {
        return;
    }
    const TLineSpec& graph = table.LineTable[index];
    if (chkShiki->isChecked()) {
        paintFormulaPanel(graph);
        paintXDomainPanel(graph);
    }
    if (chkKatamuki->isChecked()) {
        paintSlopeInterceptPanels(graph);
    }
    paintValueTable(index);
    if (chkHeniki->isChecked()) {
        paintYDomainPanel(graph);
    }
}

void TfrmMain::DispAllLine() {
    Gesture.Reset();  // a full redisplay leaves no band or mark to go on from
    const PlaneScene scene{shownPlane_, DefaultPlaneSize, PlaneVariant::Main,
                           bitmapPasted ? &PastedPicture : nullptr};
    const DispAllLineResult result =
        ::DispAllLine(imgCood->canvas(), scene, CurrentDisplayOptions(), Typeset,
                      imgCood->planeGeometry(), Doc.Table());
    if (result.planeDrawn) {
        placePlane();
    }
    imgCood->update();
    for (const QString& message : result.messages) {
        ShowMessage(message);
    }
    if (result.lastSelected >= 0) {
        // The panels of the current graph follow; the last selected graph's equation stays in
        // its panel only when the equation box is off and the refresh leaves the panel alone.
        if (!chkShiki->isChecked()) {
            paintFormulaPanel(Doc.Table().LineTable[result.lastSelected]);
        }
        RefreshPanels();
    }
}

void TfrmMain::RefreshPanels() {
    const int current = CurrentIndex(Doc.Table());
    if (current < 0) {
        ClearAllPanels();
        return;
    }
    const TLineSpec& graph = Doc.Table().LineTable[current];
    if (chkShiki->isChecked()) {
        paintFormulaPanel(graph);
    }
    if (chkKatamuki->isChecked()) {
        paintSlopeInterceptPanels(graph);
    }
    paintValueTable(current);
    if (chkShiki->isChecked()) {
        paintXDomainPanel(graph);
    }
    if (chkHeniki->isChecked()) {
        paintYDomainPanel(graph);
    }
}

void TfrmMain::ClearAllPanels() {
    for (ImageView* panel : {imgShiki, imgkatamuki, imgSeppen, imgHenikiX, imgHenikiY}) {
        clearPanel(panel);
    }
    clearValueTable();
}

void TfrmMain::RedrawAll() {
    DispAllLine();
    RefreshPanels();
}

void TfrmMain::ClearDrawing(const QString& unitTitle, const QString& fileName) {
    // Empties the table and the selection, restarts the colour cycle, marks the drawing saved and
    // leaves the title as the memo's only line.
    Gesture.Forget();
    Doc.Clear(unitTitle, fileName);
    paintPlane();
    ClearAllPanels();
    RefillShikiList();
}

// ---- where the drawing library paints ----

DisplayOptions TfrmMain::CurrentDisplayOptions() const {
    DisplayOptions o;
    o.EndCircles = Doc.EndCircles();
    o.DottedExtensions = chkTensen->isChecked();
    o.Handles = chkHandle->isChecked();
    o.AxisColours = chkJikuColor->isChecked();
    o.FormulaPanels = chkShiki->isChecked();
    o.RangePanel = chkHeniki->isChecked();
    o.SlopePanels = chkKatamuki->isChecked();
    o.TableYRow = chkDataTable->isChecked();
    o.SlopeInterceptForm = chkKeishiki->isChecked();
    o.EndCircleRadius = Doc.EndCircleRadius();
    o.LineWidth = Edit.LineWidth;
    o.bitmapPasted = bitmapPasted;
    o.PanelBackColour = PanelBackColour;
    o.PanelTextColour = PanelTextColour;
    o.FirstEndIncluded = EndKinds.firstIncluded;
    o.SecondEndIncluded = EndKinds.secondIncluded;
    return o;
}

// The plane image takes the plane's size and is centred in the room right of the formula list.
void TfrmMain::placePlane() {
    imgCood->planeDrawn();
    const QSize plane = imgCood->image().size();
    const MainWindowMetrics metrics{Layout.window.width(), Layout.window.height(),
                                    design::PnlMainHeight, grpSettei->height(),
                                    lstShiki->x(),         lstShiki->width()};
    imgCood->setGeometry(QRect(MainPlaneTopLeft(metrics, plane), plane));
}

void TfrmMain::paintPlane() {
    const QString error =
        DrawPlane(imgCood->canvas(), shownPlane_, DefaultPlaneSize, PlaneVariant::Main,
                  CurrentDisplayOptions(), Typeset, imgCood->planeGeometry());
    if (!error.isEmpty()) {
        ShowMessage(error);
        return;  // the old plane stays
    }
    placePlane();
    imgCood->update();
}

void TfrmMain::paintFormulaPanel(const TLineSpec& graph) {
    WriteFormulaPanel(imgShiki->canvas(), graph, PanelBackColour, PanelTextColour, Typeset);
    imgShiki->update();
}

void TfrmMain::paintXDomainPanel(const TLineSpec& graph) {
    WriteXDomainPanel(imgHenikiX->canvas(), graph, CurrentDisplayOptions(), Typeset);
    imgHenikiX->update();
}

void TfrmMain::paintYDomainPanel(const TLineSpec& graph) {
    WriteYRangePanel(imgHenikiY->canvas(), graph, CurrentDisplayOptions(), Typeset);
    imgHenikiY->update();
}

void TfrmMain::paintSlopeInterceptPanels(const TLineSpec& graph) {
    WriteSlopePanels(imgkatamuki->canvas(), imgSeppen->canvas(), graph, CurrentDisplayOptions(),
                     Typeset);
    imgkatamuki->update();
    imgSeppen->update();
}

void TfrmMain::paintValueTable(int index) {
    const GraphTable& table = Doc.Table();
    const TLineSpec* graph =
        index >= 0 && index < table.LineCount ? &table.LineTable[index] : nullptr;
    DrawValueTable(imgTable->canvas(), graph, chkDataTable->isChecked());
    imgTable->update();
}

void TfrmMain::clearValueTable() {
    ClearValueTable(imgTable->canvas());
    imgTable->update();
}

void TfrmMain::paintToolSample() {
    const ToolSample tool{Edit.LineMode, Edit.LineWidth, CurrentEndKind(Edit),
                          NextColor(Edit, Doc.Table())};
    ::RedrawToolSample(imgSample->canvas(), tool, Doc.EndCircleRadius(), PanelTextColour);
    imgSample->update();
}

void TfrmMain::clearPanel(ImageView* panel) {
    ClearPanel(panel->canvas(), PanelBackColour, PanelTextColour);
    panel->update();
}
