// The main window TfrmMain: it keeps the drawing, its tool bar, body and menus, and the windows
// it opens, and wires them: each control's handler, and what the window shows of the drawing.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <memory>

#include "cursors.h"
#include "dialogs.h"
#include "drawing.h"
#include "label_queue.h"
#include "main/drawing_saver.h"
#include "main/main_controls.h"
#include "main/main_layout.h"
#include "main/main_menus.h"
#include "main/recovery_keeper.h"
#include "panel_text.h"
#include "plane/plane_view.h"
#include "plane_gesture.h"
#include "tool_sample.h"
#include "undo_history.h"
#include "unit_catalog.h"

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
    // Lays the window out for the primary screen.
    TfrmMain();
    // Lays the window out for a screen of the given size.
    explicit TfrmMain(QSize screen);
    ~TfrmMain() override;

    Drawing Doc;          // the graphs with memo and selection, plane, end circles, title, file
    EditingState Edit;    // the tool: LineMode, LineWidth, end kinds, FixedColor, display form
    QString StartDir;     // the current folder at start-up, with a trailing separator
    UnitCatalog Catalog;  // UnitNames / UnitFiles / CatalogIndex of "Index.ini"
    std::unique_ptr<RecoveryKeeper> Recovery;  // none until StartRecovery, and in most tests

    // The first showing: an empty drawing titled "Kelvane", the line tool, unlocked.
    void FormShow();
    // Reads a graph file into the drawing; false (with its message) when nothing was read.
    bool OpenFile(const QString& path);
    // Adds spec (index < 0) or replaces graph index and shows it, as a gesture does. Returns
    // false when the table is full and the message was shown.
    bool AddOrReplaceLine(const TLineSpec& spec, int index);
    // The question before the drawing is replaced: No when nothing needs saving.
    Answer AskSaveChanges() { return saver_.AskSaveChanges(); }
    Answer SaveWithName(const QString& unitTitle) { return saver_.SaveWithName(unitTitle); }
    // Practises (or tests) these questions on the given plane; the drawing is left alone.
    void RunPractice(const std::vector<TLineSpec>& questions, const PlaneSettings& plane);
    // Keeps recovery copies in the user's data folder from now on.
    void StartRecovery(const QString& folder);
    // At start-up: offers a copy left behind; true when the drawing was restored from it.
    bool OfferRecovery();
    // Writes the copy of the drawing now.
    void WriteRecoveryCopy();
    // The state of the gesture on the plane, for the tests' scenarios.
    DrawStateValue GestureState() const { return Gesture.State(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    MainLayout Layout;  // positions computed from the screen size
    int DefaultPlaneSize = 0;
    int TableCols = 0;
    bool OnCdRom = false;
    bool TestMode = false;      // a test of the current drawing runs: nothing is recorded
    QString SelectedUnitTitle;  // the unit chosen for practice, and its file without folder
    QString SelectedUnitFile;
    bool bitmapPasted = false;
    QImage PastedPicture;  // the clipboard picture that is the main plane's background
    bool LockState = false;
    TypesetState Typeset;  // PanelLineHeight of the panel typesetter
    int32_t PanelBackColour = 0x808000;
    int32_t PanelTextColour = 0xFFFFFF;
    PlaneSettings SetCood2Settings;  // as read at start-up: drive the unit-open window's preview
    int ClickedRow = -1;
    CursorSlots Cursors;
    EndKindLabel EndKinds;  // lblHeniki's caption and whether the tool's ends are included
    PlaneGesture Gesture{Doc, Edit};  // the gesture states of the plane
    LabelQueue MojiQueue;             // the labels lstMojiM shows, waiting to be placed
    DrawingUndo Undo{Doc};            // the drawing's undo and redo steps

    // ---- other windows; all but frmTangen are made on their first use ----
    TfrmTangen* frmTangen;
    TfrmSettei* frmSettei = nullptr;
    TfrmMoji* frmMoji = nullptr;
    TfrmMoveMoji* frmMoveMoji = nullptr;
    TfrmTangenOpen* frmTangenOpen = nullptr;
    TfrmSetCood* frmSetCood = nullptr;
    TfrmEditQues* frmEditQues = nullptr;
    TfrmRenshu* frmRenshu = nullptr;
    TfrmKiroku* frmKiroku = nullptr;
    HelpDesk* Help = nullptr;  // the help window and F1
    TfrmVersion* frmVersion = nullptr;
    TfrmPrint* frmPrint = nullptr;

    // ---- start-up ----
    void FormCreate(QSize screen);
    void InitLoop();

    // The states of the display check boxes and the values the drawings need from the window.
    DisplayOptions CurrentDisplayOptions() const;

    // ---- the graph model on the screen ----
    void DispAllLine();
    void RefreshPanels();
    void ClearAllPanels();
    void RedrawAll();
    void ClearDrawing(const QString& unitTitle, const QString& fileName);
    void ShowFileInfo();

    // ---- handlers ----
    void mnuExitClick();
    void mnuShowTangenClick();
    // Takes the memo the user edited in the unit contents window into the drawing, or refuses
    // it with a message and leaves the drawing as it was.
    void AcceptEditedMemo(const QStringList& edited);

    // ---- files and units ----
    void mnuNewFileClick();
    void mnuOpenFileClick();
    // The file's drawing replaces the drawing; saved: the file holds it as it is.
    void ApplyFile(const GraphFileContent& content, bool saved = true);
    void spdOverWriteClick();
    void mnuSaveClick();
    void mnuTangenOpenClick();
    void mnuSetCoodSizeClick();
    void mnuEditQuesClick();
    // ---- help and version ----
    void ShowHelpClick();
    void OnePointClick();
    void ShowAboutClick();
    void mnuPrintClick();
    void mnuClipBoardClick();
    // ---- undo and redo ----
    void mnuUndoClick();
    void mnuRedoClick();
    void UpdateUndoCommands();
    void StepHistory(bool back);  // one undo step back, or one redo step forward
    // The list, plane and panels after an undo or redo step put a whole drawing back.
    void ShowRestoredDrawing();
    // ---- the recovery copy of a drawing not saved ----
    void RemoveRecoveryCopy();
    void CountChangeForRecovery();  // the tenth change since the last copy writes one
    void mnuClipBoardToClick();
    void mnuClearBitMapClick();

    // ---- practice and test ----
    void spdRenshuClick();
    void spdTestClick();
    void ShowRecords();
    void mnuReDisplayClick();
    void SpdChokusenClick();
    void spdSenbunClick();
    void spdHanchokusenClick();
    void spdTenClick();
    void spdHenikiClick();
    void lblHenikiClick();
    void imgSampleClick();
    void imgTableClick();
    // Presses, moves and releases at lattice points of the plane, from the mouse or the keys.
    void imgCoodMouseDown(GestureButton button, LatticePoint at, bool inGrid, bool ctrl);
    void imgCoodMouseMove(LatticePoint at, bool inGrid);
    void imgCoodMouseUp(GestureButton button, LatticePoint at, bool inGrid, bool ctrl);
    // ---- the keyboard ----
    // A key on the plane that is not a move or a click (the plane sends those as the mouse's):
    // Shift+Enter presses and lets go the right button, Esc cancels a gesture.
    void imgCoodKeyPress(PlaneKeyAction action, LatticePoint at);
    // Delete and Ctrl+arrows in the formula list; the list's own keys are followed by a redraw.
    bool lstShikiKeyPress(int key, Qt::KeyboardModifiers modifiers);
    void lstShikiKeySelect();
    // The mouse moved over the bare window, outside its controls.
    void FormMouseMove();
    void spdMojiClick();
    void RestoreTool();
    // The tool button of a line, segment, ray or point tool, as if pressed; false for others.
    bool ClickToolButton(int lineMode);
    void mnuSetSenshuClick();
    void mnuMoveMojiClick();
    void spdLineColorClick();
    void mnuChangeColorClick();
    void MoveSelectedClick(char direction);
    void ChangeSlopeInterceptClick(int step);
    void btnLockedClick();
    void spdTeiseiClick();
    void spdShoukyoClick();
    void btnKaijoClick();
    void pumCancelClick();
    void mnuSelectAllClick();
    void BitBtn1Click();
    void WidthClick(int width);
    void btnHyoujunClick();
    void btnIppanClick();
    void SetShikiForm(int form);
    void chkKeishikiClick();
    void chkShikiClick();
    void chkHenikiClick();
    void chkKatamukiClick();
    void chkDataTableClick();
    void chkMaruClick();
    void chkRedrawClick();  // chkJikuColor, chkMaru, chkHandle
    void chkTensenClick();
    void chkRanColorClick();
    void spnMaruRadChange();
    void lstShikiClick(Qt::KeyboardModifiers modifiers);
    void lstShikiRightPress(int row, QPoint pos);
    void UpdateEndKindLabel();
    void RedrawToolSample();

    // What the window shows of the drawing follows its announcements: the plane on screen and
    // the settings window, the end-circle controls, the unit contents window's labels and the
    // caption, the undo commands and the recovery copy.
    void FollowDrawing(DrawingChanges changes);
    // The plane drawn on screen: the drawing's, or the values the settings window is trying.
    PlaneSettings shownPlane_;

    // Builders, each in its own file.
    void CreateControls();  // the body with the tool bar and the body's controls
    void ConnectHandlers();
    void ConnectHelp();
    void ReadCatalog();
    // Places the window in the desktop's available area with its frame (the program's own window
    // only; tests lay windows out for a given screen size).
    void FitToDesktop();

    // Tools and selection.
    void SelectTool(int lineMode, QToolButton* button);
    void CancelGesture();
    // Draws, says and shows what a gesture step calls for.
    void ApplyGesture(const GestureEffects& effects);
    // The list, count, sample, plane and panels after a graph was added or replaced.
    void ShowStoredGraph(AddResult result, int index);
    // Every panel for one graph, as after a slope step.
    void ShowPanelsOf(int index);
    // Asks for a colour and gives it to all graphs or the selected ones.
    void Recolour(bool selectedOnly);
    void ShowLineCount();

    // The places where the drawing library paints; until it does, they clear their image.
    void paintPlane();
    void placePlane();

    DrawingSaver saver_{Doc, StartDir, this};
    MainToolBar bar_;
    MainBody body_;
    MainMenus menus_;
    bool shown_ = false;
    bool fitsDesktop_ = false;
    QElapsedTimer shownAt_;
};
