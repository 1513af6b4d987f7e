// The main window's creation, first showing and the routines that tie it to the other windows.
#include "main/main_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStorageInfo>
#include <QTimer>

#include "dialogs.h"
#include "graph_file.h"
#include "ini_file.h"
#include "path_text.h"
#include "plane/image_view.h"
#include "settings/plane_settings_window.h"
#include "shiki_list.h"
#include "sjis_codec.h"
#include "tangen_window.h"
#include "units/tangen_open_window.h"

namespace {

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

}  // namespace

TfrmMain::TfrmMain() : TfrmMain(PrimaryScreenSize()) {
    fitsDesktop_ = true;
    FitToDesktop();
}

TfrmMain::TfrmMain(QSize screen) {
    setObjectName(QStringLiteral("frmMain"));
    CreateControls();
    practice_ = std::make_unique<PracticeLauncher>(PracticeLauncher::WindowSide{
        this, [this] { return StartDir; }, [this]() -> TfrmTangenOpen& { return UnitChoice(); },
        [this]() -> const TfrmTangenOpen* { return frmTangenOpen; },
        [this] { return PracticeWindowSetup(); }});
    plane_ = std::make_unique<PlaneController>(
        Doc, Edit, Cursors,
        PlaneController::Controls{body_.imgCood, bar_.edtCood, body_.lstMojiM, bar_.spdMoji},
        PlaneController::WindowSide{[this] { return CurrentDisplayOptions(); },
                                    [this] {
                                        DispAllLine();
                                        UpdateUndoCommands();
                                    },
                                    [this] { ClearAllPanels(); }, [this] { UpdateUndoCommands(); },
                                    [this] { RestoreTool(); }});
    menus_.Create(*this);
    frmTangen = new TfrmTangen(Doc.Table(), this);
    Doc.Listen([this](DrawingChanges changes) { FollowDrawing(changes); });
    ConnectHandlers();
    ConnectHelp();
    FormCreate(screen);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::FormCreate(QSize screen) {
    Typeset.PanelLineHeight = 20;
    Cursors = LoadCursorSlots();

    Layout = ComputeMainLayout(screen);
    move(Layout.window.topLeft());
    resize(Layout.window.size());
    body_.Place(Layout);

    StartDir = AddBackslash(QDir::currentPath());
    Edit.LineMode = GraphKind::Line;
    Edit.SegmentEndKind = 0;
    Edit.RayEndKind = 0;
    Edit.FixedColor = AutomaticColor;
    Edit.LineWidth = 1;

    SpdChokusenClick();
    body_.imgTable->setCursor(Cursors[CursorCross]);
    body_.imgCood->setCursor(Cursors[CursorPencil]);

    ReadCatalog();
    chkRanColorClick();

    // Linux names a disc's file system iso9660 or udf, Windows CDFS or UDF.
    const QByteArray fileSystem = QStorageInfo(StartDir).fileSystemType().toLower();
    OnCdRom = fileSystem == "iso9660" || fileSystem == "udf" || fileSystem == "cdfs";

    // The plane settings window and the preview's hidden copy both start from the registry.
    QSettings registry(QStringLiteral("Kelvane"), QStringLiteral("Morin1"));
    SetCood2Settings = LoadPlaneSettings(registry);
    Doc.SetPlane(SetCood2Settings);
}

void TfrmMain::ReadCatalog() {
    // A missing catalogue just means no units; one that cannot be read is reported. A line that
    // does not read is named by the catalogue editor, the one window that uses the catalogue.
    const CatalogFile file = ReadCatalogFile(StartDir + QStringLiteral("Index.ini"));
    if (!file.error.isEmpty()) {
        ShowMessage(file.error);
    }
    Catalog = file.catalog;
}

void TfrmMain::FormShow() {
    shown_ = true;
    bitmapPasted = false;
    ClearDrawing(QStringLiteral("Kelvane"), StartDir + QStringLiteral("Graph1.lin"));
    body_.lstShiki->setCursor(Cursors[CursorArrow]);
    LockState = true;
    btnLockedClick();
    Edit.Form = EquationForm::Standard;
    ShowForm();
    Doc.SetFirstSaveDialog(true);
    body_.imgCood->setFocus();  // the keys draw at once, as the mouse does
}

void TfrmMain::InitLoop() {
    body_.imgCood->setCursor(Cursors[CursorPencil]);
    plane_->Reset();
    UpdateUndoCommands();
}

void TfrmMain::ShowFileInfo() {
    // The name as the system writes it: with backslashes on Windows.
    const QString fileName = ShownPath(Doc.FileName());
    frmTangen->ShowFileInfo(Doc.Title(), fileName, Doc.Table().LineCount);
    setWindowTitle(QStringLiteral("Kelvane Tesmara   ：   ") + fileName);
}

void TfrmMain::FollowDrawing(DrawingChanges changes) {
    if ((changes & ChangedPlane) != 0) {
        // Whether to keep the values in the registry is the settings window's own choice.
        const bool keep = shownPlane_.KeepInRegistry;
        shownPlane_ = Doc.Plane();
        shownPlane_.KeepInRegistry = keep;
        if (frmSetCood != nullptr) {
            frmSetCood->ShowSettings();
            if (frmSetCood->isVisible()) {
                frmSetCood->SaveSnapshot();  // Cancel there goes back to the drawing's plane
            }
        }
    }
    if ((changes & ChangedEndCircles) != 0) {
        // The redisplay that follows the change draws with them.
        const QSignalBlocker quietCheck(body_.chkMaru);
        const QSignalBlocker quietSpin(bar_.spnMaruRad);
        body_.chkMaru->setChecked(Doc.EndCircles());
        bar_.spnMaruRad->setValue(Doc.EndCircleRadius());
    }
    if ((changes & ChangedNames) != 0) {
        ShowFileInfo();
    }
    ShowDrawing(changes);
    UpdateUndoCommands();
}

void TfrmMain::FitToDesktop() {
    const QScreen* desktop = screen();
    if (!fitsDesktop_ || desktop == nullptr) {
        return;
    }
    // The frame is known only once the window manager has put the window in it; until then
    // (and without a window manager) it is taken as none.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const DesktopPlacement place =
        PlaceOnDesktop(desktop->size(), desktop->availableGeometry(), frame);
    if (place.whole != Layout.window.size()) {
        Layout = ComputeMainLayout(place.layoutScreen());
        body_.Place(Layout);
        if (frmSetCood != nullptr) {
            frmSetCood->SetDefaultPlaneSize(Layout.DefaultPlaneSize);
        }
        if (frmTangenOpen != nullptr) {
            frmTangenOpen->SetDefaultPlaneSize(Layout.DefaultPlaneSize);
        }
        if (shown_) {
            RedrawPlane();
        }
    }
    if (size() != place.client) {
        resize(place.client);
    }
    if (outer.topLeft() != place.frameTopLeft) {
        move(place.frameTopLeft);
    }
    if (!frame.isNull()) {
        fitsDesktop_ = false;  // placed in its frame: from now on the user moves the window
    }
}

void TfrmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // A window manager that puts a frame round the window moves its client area. Moves later
    // than the first seconds are the user's own.
    if (fitsDesktop_ && shownAt_.isValid() && shownAt_.elapsed() > 3000) {
        fitsDesktop_ = false;
    }
    if (fitsDesktop_) {
        QTimer::singleShot(0, this, &TfrmMain::FitToDesktop);
    }
}

void TfrmMain::showEvent(QShowEvent* event) {
    if (!shown_) {
        shownAt_.start();
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TfrmMain::mnuExitClick() {
    close();
}

void TfrmMain::mnuShowTangenClick() {
    ShowModal(*frmTangen);
    const std::optional<QStringList> edited = frmTangen->TakeEditedMemo();
    if (!edited) {
        return;
    }
    // What was typed becomes the drawing only when it reads as a unit would.
    const MemoContent content = ReadEditedMemo(*edited);
    if (!content.ok()) {
        ShowMessage(content.error);  // the drawing keeps its own memo
        return;
    }
    const Drawing::Batch oneChange(Doc);
    Doc.Update([&](GraphTable& t) { LoadGraphs(t, content.graphs, *edited); });
    Doc.MarkUnsaved();
}

void TfrmMain::mnuReDisplayClick() {
    RedrawPlane();
}
