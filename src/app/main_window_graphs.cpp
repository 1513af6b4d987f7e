// The graph table on the screen: adding and replacing graphs, the full redisplay, the side
// panels and the empty drawing. The paint* routines are where the drawing library paints.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>

#include "dialogs.h"
#include "display_options.h"
#include "image_view.h"
#include "main_window.h"
#include "plane.h"
#include "shiki_list.h"

bool TfrmMain::AddOrReplaceLine(const TLineSpec& spec, int index) {
    int changed = -1;
    const AddResult result = AddOrReplaceGraph(Table, Edit, spec, index, &changed);
    if (result == AddResult::TableFull) {
        ShowMessage(TableFullMessage);
        return false;
    }
    syncingSelection_ = true;
    if (result == AddResult::Added) {
        lstShiki->addItem(spec.Text);
    } else if (QListWidgetItem* item = lstShiki->item(changed)) {
        item->setText(spec.Text);
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
    return true;
}

void TfrmMain::DispAllLine() {
    Edit.DrawState = DrawIdle;
    paintPlane();
    int lastSelected = -1;
    for (int i = 0; i < Table.LineCount; ++i) {
        const bool selected = Table.Selected.test(i);
        paintGraph(i, selected);
        if (selected) {
            lastSelected = i;
        }
    }
    Edit.EditIndex = -1;
    if (lastSelected >= 0) {
        paintFormulaPanel(Table.LineTable[lastSelected]);
        paintValueTable(lastSelected);
        RefreshPanels();
    }
}

void TfrmMain::RefreshPanels() {
    const int current = CurrentIndex(Table);
    if (current < 0) {
        ClearAllPanels();
        return;
    }
    const TLineSpec& graph = Table.LineTable[current];
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
    ClearGraphs(Table, Edit, unitTitle);
    paintPlane();
    ClearAllPanels();
    RefillShikiList();
    ShowFileInfo(unitTitle, fileName, Table.LineCount);
}

// ---- where the drawing library paints ----

void TfrmMain::paintPlane() {
    // DrawPlane (main variant): the plane is sized by the settings and centred right of the
    // formula list, then painted.
    const PlaneGeometryResult planned = ComputePlaneGeometry(SetCoodSettings, DefaultPlaneSize);
    if (!planned.ok()) {
        ShowMessage(planned.error);
        return;  // the old plane stays
    }
    Geometry = planned.geometry;
    GeometryValid = true;
    const QSize plane(PlaneWidthPx(), PlaneHeightPx());
    const MainWindowMetrics metrics{Layout.window.width(), Layout.window.height(),
                                    design::PnlMainHeight, grpSettei->height(),
                                    lstShiki->x(),         lstShiki->width()};
    imgCood->setGeometry(QRect(MainPlaneTopLeft(metrics, plane), plane));
    imgCood->clearTo(Qt::white);
}

void TfrmMain::paintGraph(int, bool) {
    // DrawGraph of LineTable[index] onto imgCood->canvas(), with handles when selected.
}

void TfrmMain::paintFormulaPanel(const TLineSpec&) {
    clearPanel(imgShiki);  // WriteFormulaPanel of the graph's Text
}

void TfrmMain::paintXDomainPanel(const TLineSpec&) {
    clearPanel(imgHenikiX);  // XDomainText as formula text
}

void TfrmMain::paintYDomainPanel(const TLineSpec&) {
    clearPanel(imgHenikiY);  // YDomainText as formula text, lines, segments and rays only
}

void TfrmMain::paintSlopeInterceptPanels(const TLineSpec&) {
    clearPanel(imgkatamuki);  // SlopeAndInterceptTexts: slope here,
    clearPanel(imgSeppen);    // intercept here
}

void TfrmMain::paintValueTable(int) {
    imgTable->clearTo(Qt::white);  // DrawValueTable for the graph, if chkDataTable is checked
}

void TfrmMain::clearValueTable() {
    imgTable->clearTo(Qt::white);  // ClearValueTable
}

void TfrmMain::paintToolSample() {
    imgSample->clearTo(Qt::white);  // DrawSampleStroke for the current tool and NextColor
}

void TfrmMain::clearPanel(ImageView* panel) {
    panel->clearTo(ColorFromBgr(PanelBackColour));
}
