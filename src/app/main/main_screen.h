// What the main window shows of the drawing: the plane with its graphs, the current graph's side
// panels and value table, and the tool sample, as the display boxes choose. The boxes' choices
// (ViewOptions), the pasted picture and the plane shown are kept here; the boxes show them. The
// screen paints when it is told to; the window tells it, from the drawing's announcements.
#pragma once

#include <QImage>
#include <QObject>
#include <functional>

#include "display_options.h"
#include "drawing.h"
#include "panel_text.h"
#include "plane_settings.h"
#include "tool_sample.h"
#include "view_options.h"

class MainBody;
class MainToolBar;
struct MainLayout;

class MainScreen : public QObject {
  public:
    // endKinds: whether the tool's ends are included, which the handles show.
    MainScreen(const Drawing& drawing, const EditingState& edit, const EndKindLabel& endKinds,
               MainBody& body, MainToolBar& bar, const MainLayout& layout,
               QObject* parent = nullptr);

    // The display boxes show the options; a click sets its option and repaints what it reaches.
    // showPlaneAnew is how the window paints the plane again for a box (the gesture starts over),
    // or when the window moves to a screen of another scale.
    void BindViewBoxes(std::function<void()> showPlaneAnew);
    const ViewOptions& View() const { return view_; }
    DisplayOptions Options() const;

    // The plane drawn: the drawing's, or the values the plane settings window is trying.
    PlaneSettings& ShownPlane() { return shownPlane_; }
    // The drawing's plane is shown again; whether the values go to the registry stays the
    // settings window's choice.
    void FollowPlane();
    void ShowEndCircles();  // the end-circle box and size show the drawing's

    // The plane with its graphs, and the selection's panels.
    void PaintDrawing();
    // The plane alone, without graphs; on settings that cannot be drawn the old plane stays.
    void PaintEmptyPlane();
    void RefreshPanels();  // the current graph's panels, or empty ones
    void ClearPanels();
    void ShowPanelsOf(int index);
    void PaintFormula(int index);  // the equation panel alone
    void PaintToolSample();
    void ShowForm();  // the form buttons, the form box and the panel caption, from the tool's form
    void ToggleTableWidth();

    // A picture pasted as the plane's background; a null picture takes it away.
    void SetPicture(const QImage& picture);
    bool HasPicture() const { return !picture_.isNull(); }
    QImage PlaneImage() const;

  private:
    void PlacePlane();
    void FollowFormulaBox();
    void FollowRangeBox();
    void FollowSlopeBox();

    const Drawing& drawing_;
    const EditingState& edit_;
    const EndKindLabel& endKinds_;
    MainBody& body_;
    MainToolBar& bar_;
    const MainLayout& layout_;
    ViewOptions view_;
    TypesetState typeset_;
    QImage picture_;
    PlaneSettings shownPlane_;
};
