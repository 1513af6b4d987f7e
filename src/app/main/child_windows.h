// The windows the main window opens, each made on its first use with its help topic, and the
// help: the help window, F1, the help menu's topics and the version window. The unit-contents
// window is made at once, since it shows the drawing's name and size from the start.
#pragma once

#include <QSize>
#include <functional>

#include "drawing.h"
#include "plane_settings.h"
#include "unit_catalog.h"

class HelpDesk;
class ImageView;
class QWidget;
class TfrmEditQues;
class TfrmMoveMoji;
class TfrmPrint;
class TfrmSetCood;
class TfrmTangen;
class TfrmTangenOpen;
class TfrmVersion;
struct WorksheetUnit;

class ChildWindows {
  public:
    // What the windows are made from, as the main window keeps it.
    struct Sources {
        QWidget* main;  // the owner of every window
        Drawing& drawing;
        UnitCatalog& catalog;
        const QString& startDir;
        const PlaneSettings& startPlane;  // as read at start-up: the open-unit window's preview
        PlaneSettings& shownPlane;        // the plane settings window tries its values on it
        const ImageView& plane;           // what is printed
        std::function<int()> defaultPlaneSize;
        std::function<void(char)> moveSelected;    // the move window's arrows
        std::function<void()> showTriedPlane;      // the plane settings window's 試す
        std::function<WorksheetUnit()> worksheet;  // the drawing as the print window prints it
    };

    explicit ChildWindows(Sources sources);

    TfrmTangen& Tangen() { return *tangen_; }
    TfrmMoveMoji& Mover();
    TfrmTangenOpen& UnitChoice();
    const TfrmTangenOpen* UnitChoiceIfMade() const { return unitChoice_; }
    TfrmSetCood& PlaneSettingsWindow();
    TfrmEditQues& CatalogEditor();
    TfrmPrint& Printing();

    // The drawing's plane changed: the plane settings window shows it, and its Cancel returns to
    // it.
    void FollowPlane();
    void SetDefaultPlaneSize(int size);

    void ShowHelp(int topic);
    void ShowAbout();

  private:
    Sources s_;
    TfrmTangen* tangen_;
    HelpDesk* help_;
    TfrmMoveMoji* mover_ = nullptr;
    TfrmTangenOpen* unitChoice_ = nullptr;
    TfrmSetCood* planeSettings_ = nullptr;
    TfrmEditQues* catalogEditor_ = nullptr;
    TfrmPrint* printing_ = nullptr;
    TfrmVersion* version_ = nullptr;
};
