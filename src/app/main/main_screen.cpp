#include "main/main_screen.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QSpinBox>
#include <QToolButton>

#include "dialogs.h"
#include "disp_all_line.h"
#include "main/main_controls.h"
#include "main/main_layout.h"
#include "plane.h"
#include "plane/image_view.h"
#include "plane/plane_view.h"
#include "shiki_list.h"

namespace {

QIcon ImageIcon(const ImageView* source) {
    return QIcon(QPixmap::fromImage(source->image()));
}

}  // namespace

MainScreen::MainScreen(const Drawing& drawing, const EditingState& edit,
                       const EndKindLabel& endKinds, MainBody& body, MainToolBar& bar,
                       const MainLayout& layout, QObject* parent)
    : QObject(parent),
      drawing_(drawing),
      edit_(edit),
      endKinds_(endKinds),
      body_(body),
      bar_(bar),
      layout_(layout) {}

void MainScreen::BindViewBoxes(std::function<void()> showPlaneAnew) {
    const auto bind = [this](QCheckBox* box, bool ViewOptions::*field,
                             std::function<void()> follow) {
        box->setChecked(view_.*field);
        connect(box, &QCheckBox::toggled, this, [this, field, follow](bool on) {
            view_.*field = on;
            follow();
        });
    };
    bind(body_.chkShiki, &ViewOptions::formulaPanels, [this] { FollowFormulaBox(); });
    bind(body_.chkHeniki, &ViewOptions::rangePanel, [this] { FollowRangeBox(); });
    bind(body_.chkKatamuki, &ViewOptions::slopePanels, [this] { FollowSlopeBox(); });
    bind(body_.chkDataTable, &ViewOptions::tableYRow, [this] {
        body_.PaintValueTable(drawing_.Table(), CurrentIndex(drawing_.Table()), view_.tableYRow);
    });
    const auto planeAndPanels = [this, showPlaneAnew] {
        showPlaneAnew();
        RefreshPanels();
    };
    bind(body_.chkJikuColor, &ViewOptions::axisColours, planeAndPanels);
    bind(body_.chkHandle, &ViewOptions::handles, planeAndPanels);
    bind(body_.chkTensen, &ViewOptions::dottedExtensions, showPlaneAnew);
    bind(body_.chkRanColor, &ViewOptions::tealPanels, [this] {
        ClearPanels();
        RefreshPanels();
    });
    connect(body_.imgTable, &ImageView::clicked, this, &MainScreen::ToggleTableWidth);
    // Moved to a screen of another scale, the window's pictures are drawn again at that scale.
    connect(body_.imgCood, &ImageView::pixelRatioChanged, this, [this, showPlaneAnew] {
        showPlaneAnew();
        RefreshPanels();
        PaintToolSample();
    });
}

DisplayOptions MainScreen::Options() const {
    DisplayOptions o;
    o.EndCircles = drawing_.EndCircles();
    o.DottedExtensions = view_.dottedExtensions;
    o.Handles = view_.handles;
    o.AxisColours = view_.axisColours;
    o.FormulaPanels = view_.formulaPanels;
    o.RangePanel = view_.rangePanel;
    o.SlopePanels = view_.slopePanels;
    o.TableYRow = view_.tableYRow;
    o.SlopeInterceptForm = edit_.Form == EquationForm::Standard;
    o.EndCircleRadius = drawing_.EndCircleRadius();
    o.LineWidth = edit_.LineWidth;
    o.bitmapPasted = HasPicture();
    o.PanelBackColour = view_.panelBackColour();
    o.PanelTextColour = view_.panelTextColour();
    o.FirstEndIncluded = endKinds_.firstIncluded;
    o.SecondEndIncluded = endKinds_.secondIncluded;
    return o;
}

void MainScreen::FollowPlane() {
    const bool keep = shownPlane_.KeepInRegistry;
    shownPlane_ = drawing_.Plane();
    shownPlane_.KeepInRegistry = keep;
}

void MainScreen::ShowEndCircles() {
    // The redisplay that follows the change draws with them.
    const QSignalBlocker quietCheck(body_.chkMaru);
    const QSignalBlocker quietSpin(bar_.spnMaruRad);
    body_.chkMaru->setChecked(drawing_.EndCircles());
    bar_.spnMaruRad->setValue(drawing_.EndCircleRadius());
}

void MainScreen::PaintDrawing() {
    const PlaneScene scene{shownPlane_, layout_.DefaultPlaneSize, PlaneVariant::Main,
                           HasPicture() ? &picture_ : nullptr};
    const DispAllLineResult result =
        DispAllLine(body_.imgCood->canvas(), scene, Options(), typeset_,
                    body_.imgCood->planeGeometry(), drawing_.Table());
    if (result.planeDrawn) {
        PlacePlane();
    }
    body_.imgCood->update();
    for (const QString& message : result.messages) {
        ShowMessage(message);
    }
    if (result.lastSelected >= 0) {
        // The panels of the current graph follow; the last selected graph's equation stays in
        // its panel only when the equation box is off and the refresh leaves the panel alone.
        if (!view_.formulaPanels) {
            PaintFormula(result.lastSelected);
        }
        RefreshPanels();
    }
}

void MainScreen::PaintEmptyPlane() {
    const QString error =
        DrawPlane(body_.imgCood->canvas(), shownPlane_, layout_.DefaultPlaneSize,
                  PlaneVariant::Main, Options(), typeset_, body_.imgCood->planeGeometry());
    if (!error.isEmpty()) {
        ShowMessage(error);
        return;  // the old plane stays
    }
    PlacePlane();
    body_.imgCood->update();
}

// The plane image takes the plane's size and is centred in the room right of the formula list.
void MainScreen::PlacePlane() {
    body_.imgCood->planeDrawn();
    const QSize plane = body_.imgCood->image().size();
    const MainWindowMetrics metrics{layout_.window.width(), layout_.window.height(),
                                    design::PnlMainHeight,  body_.grpSettei->height(),
                                    body_.lstShiki->x(),    body_.lstShiki->width()};
    body_.imgCood->setGeometry(QRect(MainPlaneTopLeft(metrics, plane), plane));
}

void MainScreen::RefreshPanels() {
    const int current = CurrentIndex(drawing_.Table());
    if (current < 0) {
        ClearPanels();
    } else {
        ShowPanelsOf(current);
    }
}

void MainScreen::ClearPanels() {
    body_.ClearPanels(Options());
}

void MainScreen::ShowPanelsOf(int index) {
    body_.ShowPanels(drawing_.Table(), index, Options(), typeset_);
}

void MainScreen::PaintFormula(int index) {
    body_.PaintFormula(drawing_.Table().LineTable[index], Options(), typeset_);
}

void MainScreen::PaintToolSample() {
    const ToolSample tool{edit_.LineMode, edit_.LineWidth, CurrentEndKind(edit_),
                          NextColor(edit_, drawing_.Table())};
    RedrawToolSample(bar_.imgSample->canvas(), tool, drawing_.EndCircleRadius(),
                     view_.panelTextColour());
    bar_.imgSample->update();
}

void MainScreen::ShowForm() {
    const bool standard = edit_.Form == EquationForm::Standard;
    body_.btnHyoujun->setIcon(ImageIcon(standard ? body_.imgOk1 : body_.imgNotOk1));
    body_.btnIppan->setIcon(ImageIcon(standard ? body_.imgNotOk2 : body_.imgOk2));
    body_.chkKeishiki->setChecked(standard);
    body_.grpShiki->setTitle(
        standard ? QStringLiteral("グラフの式（１次関数 ｙ＝ａｘ＋ｂの形）")
                 : QStringLiteral("グラフの式（２元１次方程式 ａｘ＋ｂｙ＝ｃの形）"));
}

void MainScreen::ToggleTableWidth() {
    constexpr int NarrowImage = 353;
    if (body_.imgTable->width() == NarrowImage) {
        const int wide = layout_.TableCols * design::ValueTableColumnWidth;
        body_.pnlTable->resize(wide + 2, body_.pnlTable->height());
        body_.imgTable->resize(wide, body_.imgTable->height());
    } else {
        body_.imgTable->resize(NarrowImage, body_.imgTable->height());
        body_.pnlTable->resize(NarrowImage + 2, body_.pnlTable->height());
    }
    body_.PaintValueTable(drawing_.Table(), CurrentIndex(drawing_.Table()), view_.tableYRow);
}

void MainScreen::SetPicture(const QImage& picture) {
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
}

QImage MainScreen::PlaneImage() const {
    return body_.imgCood->image();
}

void MainScreen::FollowFormulaBox() {
    if (view_.formulaPanels) {
        RefreshPanels();
    } else {
        body_.ClearPanel(body_.imgShiki, Options());
        body_.ClearPanel(body_.imgHenikiX, Options());
    }
    body_.lstShiki->setShowText(view_.formulaPanels);
}

void MainScreen::FollowRangeBox() {
    if (!view_.rangePanel) {
        body_.ClearPanel(body_.imgHenikiY, Options());
        return;
    }
    if (const int current = CurrentIndex(drawing_.Table()); current >= 0) {
        body_.PaintYRange(drawing_.Table().LineTable[current], Options(), typeset_);
    }
}

void MainScreen::FollowSlopeBox() {
    const int current = CurrentIndex(drawing_.Table());
    if (current < 0) {
        return;
    }
    if (view_.slopePanels) {
        body_.PaintSlopeIntercept(drawing_.Table().LineTable[current], Options(), typeset_);
    } else {
        body_.ClearPanel(body_.imgkatamuki, Options());
        body_.ClearPanel(body_.imgSeppen, Options());
    }
}
