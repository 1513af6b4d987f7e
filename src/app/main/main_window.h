// The main window TfrmMain: it keeps the drawing, its tool bar, body and menus, and the windows
// it opens, and wires them: each control's handler, and what the window shows of the drawing.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <chrono>
#include <functional>
#include <memory>

#include "cursors.h"
#include "dialogs.h"
#include "drawing.h"
#include "file_lock.h"
#include "label_queue.h"
#include "main/drawing_saver.h"
#include "main/main_controls.h"
#include "main/main_layout.h"
#include "main/main_menus.h"
#include "main/plane_controller.h"
#include "main/practice_launcher.h"
#include "main/recovery_keeper.h"
#include "panel_text.h"
#include "plane/plane_view.h"
#include "plane_gesture.h"
#include "tool_sample.h"
#include "undo_history.h"
#include "unit_catalog.h"
#include "view_options.h"

class QCheckBox;
class QToolButton;
struct GraphFileContent;
class HelpDesk;
class TfrmPrint;
class TfrmVersion;
class TfrmEditQues;
class TfrmKiroku;
class TfrmRenshu;
class TfrmMoji;
class TfrmSetCood;
class TfrmTangenOpen;
class TfrmMoveMoji;
class TfrmSettei;
class TfrmTangen;

class TfrmMain : public QMainWindow {
    Q_OBJECT
  public:
    // Lays the window out for the primary screen, or for a screen of the given size.
    TfrmMain();
    explicit TfrmMain(QSize screen);
    ~TfrmMain() override;

    Drawing Doc;          // the graphs with memo and selection, plane, end circles, title, file
    EditingState Edit;    // the tool: LineMode, LineWidth, end kinds, FixedColor, display form
    QString StartDir;     // the current folder at start-up, with a trailing separator
    UnitCatalog Catalog;  // UnitNames / UnitFiles / CatalogIndex of "Index.ini"
    RecoveryKeeper Recovery{Doc};  // keeps nothing until started (in most tests)
    // How long a practice waits for other programs' changes of "Record.ini" before it keeps the
    // run to write later.
    std::chrono::milliseconds RecordsLockWait = FileLock::DefaultWait;

    // The first showing: an empty drawing titled "Kelvane", the line tool, unlocked.
    void FormShow();
    // Reads a graph file into the drawing; false (with its message) when nothing was read.
    bool OpenFile(const QString& path);
    // Adds (index < 0) or replaces a graph as a gesture does; false when the table was full.
    bool AddOrReplaceLine(const TLineSpec& spec, int index);
    // The question before the drawing is replaced: No when nothing needs saving.
    Answer AskSaveChanges() { return saver_.AskSaveChanges(); }
    Answer SaveWithName(const QString& unitTitle) { return saver_.SaveWithName(unitTitle); }
    // Practises (or tests) these questions on the given plane; the drawing is left alone.
    void RunPractice(const std::vector<TLineSpec>& questions, const PlaneSettings& plane);
    // At start-up: offers a copy left behind; true when the drawing was restored from it.
    bool OfferRecovery();
    // The state of the gesture on the plane, for the tests' scenarios.
    DrawStateValue GestureState() const { return plane_->State(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    MainLayout Layout;  // positions and sizes computed from the screen size
    bool OnCdRom = false;
    bool bitmapPasted = false;
    QImage PastedPicture;  // the clipboard picture that is the main plane's background
    bool LockState = false;
    TypesetState Typeset;            // PanelLineHeight of the panel typesetter
    ViewOptions View;                // the display boxes' choices; the boxes show it
    PlaneSettings SetCood2Settings;  // as read at start-up: drive the unit-open window's preview
    int ClickedRow = -1;
    CursorSlots Cursors;
    EndKindLabel EndKinds;  // lblHeniki's caption and whether the tool's ends are included
    DrawingUndo Undo{Doc};  // the drawing's undo and redo steps

    // ---- other windows; all but frmTangen are made on their first use ----
    TfrmTangen* frmTangen;
    TfrmSettei* frmSettei = nullptr;
    TfrmMoji* frmMoji = nullptr;
    TfrmMoveMoji* frmMoveMoji = nullptr;
    TfrmTangenOpen* frmTangenOpen = nullptr;
    TfrmSetCood* frmSetCood = nullptr;
    TfrmEditQues* frmEditQues = nullptr;
    HelpDesk* Help = nullptr;  // the help window and F1
    TfrmVersion* frmVersion = nullptr;
    TfrmPrint* frmPrint = nullptr;

    // main_window.cpp: creation, the first showing, the caption, what follows the drawing.
    void FormCreate(QSize screen);
    void ReadCatalog();
    void InitLoop();
    void ShowFileInfo();
    // The plane on screen and the settings window, the end-circle controls, the unit contents
    // window's labels, the caption, the undo commands and the recovery copy follow the drawing.
    void FollowDrawing(DrawingChanges changes);
    // The one refresh of what the screen shows of the drawing: the formula list, the line count,
    // the tool sample, the plane and the panels, as far as the changes reach.
    void ShowDrawing(DrawingChanges changes);
    void FitToDesktop();  // the program's own window, frame included, in the desktop's free area
    void mnuExitClick();
    void mnuShowTangenClick();
    void mnuReDisplayClick();
    // main_window_layout.cpp, main_window_menus.cpp, main_window_help.cpp: building and wiring.
    void CreateControls();
    void ConnectHandlers();
    void ConnectHelp();
    void ShowHelpClick();
    void OnePointClick();
    void ShowAboutClick();
    // main_window_graphs.cpp: the graphs on the screen; the drawing library paints.
    void ShowPanelsOf(int index);
    void DispAllLine();  // paints the plane and the graphs, and the selection's panels
    // Paints the plane again for a reason of the screen's own (a box, a picture, a cancelled
    // gesture): the gesture starts over, since the new picture has no band to go on from.
    void RedrawPlane();
    void RefreshPanels();
    void ClearAllPanels();
    void RedrawAll();  // RedrawPlane and the current graph's panels
    void ClearDrawing(const QString& unitTitle, const QString& fileName);
    DisplayOptions CurrentDisplayOptions() const;  // the display boxes and what drawings need
    void placePlane();
    void paintPlane();
    void RedrawToolSample();
    // main_window_files.cpp, main_window_print.cpp, main_window_clipboard.cpp.
    void mnuNewFileClick();
    void mnuOpenFileClick();
    // The file's drawing replaces the drawing; saved: the file holds it as it is.
    void ApplyFile(const GraphFileContent& content, bool saved = true);
    void spdOverWriteClick();
    void mnuSaveClick();
    void mnuTangenOpenClick();
    void mnuSetCoodSizeClick();
    void mnuEditQuesClick();
    void mnuPrintClick();
    void mnuClipBoardClick();
    void mnuClipBoardToClick();
    void mnuClearBitMapClick();
    // main_window_undo.cpp.
    void UpdateUndoCommands();
    void mnuUndoClick();
    void mnuRedoClick();
    void StepHistory(bool back);  // one undo step back, or one redo step forward
    void ShowRestoredDrawing();   // after a step put a whole drawing back
    // main_window_practice.cpp: what a practice takes from the window; the open-unit window.
    PracticeSetup PracticeWindowSetup();
    TfrmTangenOpen& UnitChoice();  // made on first use
    // main_window_plane.cpp, main_window_keys.cpp: the bare window and the formula list's keys.
    void FormMouseMove();  // over the bare window, outside its controls
    void CancelGesture();
    // Delete and Ctrl+arrows in the formula list; the list's own keys are followed by a redraw.
    bool lstShikiKeyPress(int key, Qt::KeyboardModifiers modifiers);
    void lstShikiKeySelect();
    // main_window_edit.cpp: deleting, erasing, selecting, the popup menu, widths.
    void spdTeiseiClick();
    void spdShoukyoClick();
    void pumCancelClick();
    void btnKaijoClick();
    void mnuSelectAllClick();
    void BitBtn1Click();
    void WidthClick(int width);
    void lstShikiClick(bool onRow, Qt::KeyboardModifiers modifiers);
    void lstShikiRightPress(int row, QPoint pos);
    void ShowLineCount();
    // main_window_moves.cpp: moves, steps, colours, line settings, labels.
    void MoveSelectedClick(char direction);
    void ChangeSlopeInterceptClick(int step);
    void spdLineColorClick();
    void mnuChangeColorClick();
    void Recolour(bool selectedOnly);  // asks for a colour for all graphs or the selected ones
    void mnuSetSenshuClick();
    void spdMojiClick();
    bool ClickToolButton(GraphKind lineMode);  // the button of a drawing tool, as if pressed
    void RestoreTool();
    void mnuMoveMojiClick();
    // main_window_tools.cpp: tools, end kinds, the lock, display forms and boxes.
    void SelectTool(GraphKind lineMode, QToolButton* button);
    void SpdChokusenClick();
    void spdSenbunClick();
    void spdHanchokusenClick();
    void spdTenClick();
    void spdHenikiClick();
    void lblHenikiClick();
    void UpdateEndKindLabel();
    void imgSampleClick();
    void imgTableClick();
    void btnLockedClick();
    void ShowForm();  // the form buttons, the hidden form box and the panel caption, from Edit.Form
    // A press of ① or ②: the selected graphs are written in that form, one undo step.
    void PressForm(EquationForm form);
    void btnHyoujunClick();
    void btnIppanClick();
    void chkShikiClick();
    void chkHenikiClick();
    void chkKatamukiClick();
    void chkDataTableClick();
    void chkMaruClick();
    void chkRedrawClick();  // chkJikuColor, chkHandle
    void chkTensenClick();
    void chkRanColorClick();
    // The box shows the field, and a click on it sets the field and then calls follow.
    void BindViewBox(QCheckBox* box, bool ViewOptions::*field, void (TfrmMain::*follow)());
    void spnMaruRadChange();

    // The plane drawn on screen: the drawing's, or the values the settings window is trying.
    PlaneSettings shownPlane_;
    DrawingSaver saver_{Doc, StartDir, this};
    MainToolBar bar_;
    MainBody body_;
    MainMenus menus_;
    bool shown_ = false;
    std::unique_ptr<PlaneController> plane_;
    std::unique_ptr<PracticeLauncher>
        practice_;  // 練習, テスト and 成績  // the gestures on imgCood and the label queue
    bool fitsDesktop_ = false;
    QElapsedTimer shownAt_;
};
