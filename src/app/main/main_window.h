// The main window TfrmMain: it keeps the drawing with its undo history, saving and recovery copy,
// and wires its parts to its controls: the plane's gestures (PlaneController), the tool
// (ToolChooser), what the screen shows (MainScreen), the windows it opens (ChildWindows) and
// practice (PracticeLauncher). The commands that change the drawing are its own.
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
#include "main/child_windows.h"
#include "main/drawing_saver.h"
#include "main/main_controls.h"
#include "main/main_layout.h"
#include "main/main_menus.h"
#include "main/main_screen.h"
#include "main/plane_controller.h"
#include "main/practice_launcher.h"
#include "main/recovery_keeper.h"
#include "main/tool_chooser.h"
#include "plane_gesture.h"
#include "undo_history.h"
#include "unit_catalog.h"

struct GraphFileContent;

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
    // main_window.cpp: creation, the first showing, the caption, what follows the drawing.
    void CreateParts();
    void FormCreate(QSize screen);
    void ReadCatalog();
    void ShowFileInfo();
    // The plane on screen and the settings window, the end-circle controls, the unit contents
    // window's labels, the caption, the undo commands and the recovery copy follow the drawing.
    void FollowDrawing(DrawingChanges changes);
    // The one refresh of what the screen shows of the drawing: the line count, the tool sample,
    // the plane and the panels, as far as the changes reach. The formula list follows by itself.
    void ShowDrawing(DrawingChanges changes);
    // Paints the plane again for a reason of the screen's own (a box, a picture, a cancelled
    // gesture): the gesture starts over, since the new picture has no band to go on from.
    void RedrawPlane();
    void FitToDesktop();  // the program's own window, frame included, in the desktop's free area
    void EditMemo();      // 単元の内容: the memo typed there becomes the drawing's
    // main_window_menus.cpp: which handler each control calls.
    void ConnectHandlers();
    void ConnectFormulaList();
    // main_window_files.cpp: new, open, open by unit title, the windows of the file menu.
    void NewDrawing();
    void ChooseFileToOpen();
    // The file's drawing replaces the drawing; saved: the file holds it as it is.
    void ApplyFile(const GraphFileContent& content, bool saved = true);
    void OpenUnit();
    void ShowPlaneSettings();
    void PastePicture();
    void ClearPicture();
    // main_window_undo.cpp: undo, redo and the lock.
    void UpdateUndoCommands();
    void StepHistory(bool back);  // one undo step back, or one redo step forward
    void ToggleLock();
    // What every practice takes from the window as it starts.
    PracticeSetup PracticeWindowSetup();
    // main_window_edit.cpp: deleting, erasing, selecting, the popup menu, widths, the form.
    void DeleteSelected();
    void EraseAll();
    void SelectAll();
    void SetWidth(int width);
    void ListClicked(bool onRow, Qt::KeyboardModifiers modifiers);
    void ListRightPressed(int row, QPoint pos);
    // Delete and Ctrl+arrows in the formula list; the list's own keys are followed by a redraw.
    bool ListKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    // A press of ① or ②: the selected graphs are written in that form, one undo step.
    void PressForm(EquationForm form);
    // main_window_moves.cpp: moves, steps, colours, the move window.
    void MoveSelected(char direction);
    void StepSlopeOrIntercept(int step);
    void Recolour(bool selectedOnly);  // asks for a colour for all graphs or the selected ones
    void ShowMover();

    MainLayout Layout;  // positions and sizes computed from the screen size
    bool OnCdRom = false;
    bool LockState = false;
    PlaneSettings startPlane_;  // as read at start-up: the open-unit window's preview starts there
    CursorSlots Cursors;
    DrawingUndo Undo{Doc};  // the drawing's undo and redo steps
    DrawingSaver saver_{Doc, StartDir, this};
    MainToolBar bar_;
    MainBody body_;
    MainMenus menus_;
    bool shown_ = false;
    std::unique_ptr<PlaneController> plane_;  // the gestures on imgCood and the label queue
    std::unique_ptr<ToolChooser> tools_;
    std::unique_ptr<MainScreen> screen_;
    std::unique_ptr<ChildWindows> windows_;
    std::unique_ptr<PracticeLauncher> practice_;  // 練習, テスト and 成績
    bool fitsDesktop_ = false;
    QElapsedTimer shownAt_;
};
