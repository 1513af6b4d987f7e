// The main window's creation, first showing and the routines that tie it to the drawing.
#include "main/main_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QStorageInfo>
#include <QTimer>

#include "dialogs.h"
#include "fonts.h"
#include "graph_file.h"
#include "path_text.h"
#include "plane/plane_view.h"
#include "print/print_window.h"
#include "shiki_list.h"
#include "tangen_window.h"

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
    CreateParts();
    Doc.Listen([this](DrawingChanges changes) { FollowDrawing(changes); });
    ConnectHandlers();
    FormCreate(screen);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateParts() {
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("body"));
    QFont font(InstalledFamily(PlainFontName));
    font.setPixelSize(19);
    body->setFont(font);
    setCentralWidget(body);
    bar_.Create(body, width());
    body_.Create(body, Doc);
    menus_.Create(*this);

    plane_ = std::make_unique<PlaneController>(
        Doc, Edit, Cursors,
        PlaneController::Controls{body_.imgCood, bar_.edtCood, body_.lstMojiM, bar_.spdMoji},
        PlaneController::WindowSide{[this] { return screen_->Options(); },
                                    [this] {
                                        screen_->PaintDrawing();
                                        UpdateUndoCommands();
                                    },
                                    [this] { screen_->ClearPanels(); },
                                    [this] { UpdateUndoCommands(); },
                                    [this] { tools_->RestoreTool(); }});
    tools_ = std::make_unique<ToolChooser>(
        Edit, Doc, bar_, *plane_, [this] { screen_->PaintToolSample(); }, this);
    screen_ =
        std::make_unique<MainScreen>(Doc, Edit, tools_->EndKinds(), body_, bar_, Layout, this);
    windows_ = std::make_unique<ChildWindows>(ChildWindows::Sources{
        this, Doc, Catalog, StartDir, startPlane_, screen_->ShownPlane(), *body_.imgCood,
        [this] { return Layout.DefaultPlaneSize; },
        [this](char direction) { MoveSelected(direction); },
        [this] {
            RedrawPlane();
            if (CurrentIndex(Doc.Table()) >= 0) {
                screen_->RefreshPanels();
            }
        },
        [this] {
            WorksheetUnit unit;
            const GraphTable& table = Doc.Table();
            unit.title = Doc.Title();
            unit.fileName = Doc.FileName();
            unit.settings = screen_->ShownPlane();
            unit.display = screen_->Options();
            unit.graphs.assign(table.LineTable.begin(), table.LineTable.begin() + table.LineCount);
            unit.defaultPlaneSize = Layout.DefaultPlaneSize;
            return unit;
        }});
    practice_ = std::make_unique<PracticeLauncher>(PracticeLauncher::WindowSide{
        this, [this] { return StartDir; },
        [this]() -> TfrmTangenOpen& { return windows_->UnitChoice(); },
        [this]() -> const TfrmTangenOpen* { return windows_->UnitChoiceIfMade(); },
        [this] { return PracticeWindowSetup(); }});
}

void TfrmMain::FormCreate(QSize screen) {
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

    tools_->Choose(GraphKind::Line);
    body_.imgTable->setCursor(Cursors[CursorCross]);
    body_.imgCood->setCursor(Cursors[CursorPencil]);

    ReadCatalog();
    screen_->RefreshPanels();  // with nothing selected, the panels cleared

    // Linux names a disc's file system iso9660 or udf, Windows CDFS or UDF.
    const QByteArray fileSystem = QStorageInfo(StartDir).fileSystemType().toLower();
    OnCdRom = fileSystem == "iso9660" || fileSystem == "udf" || fileSystem == "cdfs";

    // The plane settings window and the preview's hidden copy both start from the registry.
    QSettings registry(QStringLiteral("Kelvane"), QStringLiteral("Morin1"));
    startPlane_ = LoadPlaneSettings(registry);
    Doc.SetPlane(startPlane_);
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
    screen_->SetPicture(QImage());
    plane_->Forget();
    Doc.Clear(QStringLiteral("Kelvane"), StartDir + QStringLiteral("Graph1.lin"));
    body_.lstShiki->setCursor(Cursors[CursorArrow]);
    LockState = true;
    ToggleLock();
    Edit.Form = EquationForm::Standard;
    screen_->ShowForm();
    Doc.SetFirstSaveDialog(true);
    body_.imgCood->setFocus();  // the keys draw at once, as the mouse does
}

void TfrmMain::ShowFileInfo() {
    // The name as the system writes it: with backslashes on Windows.
    const QString fileName = ShownPath(Doc.FileName());
    windows_->Tangen().ShowFileInfo(Doc.Title(), fileName, Doc.Table().LineCount);
    setWindowTitle(QStringLiteral("Kelvane Tesmara   ：   ") + fileName);
}

void TfrmMain::FollowDrawing(DrawingChanges changes) {
    if ((changes & ChangedPlane) != 0) {
        screen_->FollowPlane();
        windows_->FollowPlane();
    }
    if ((changes & ChangedEndCircles) != 0) {
        screen_->ShowEndCircles();
    }
    if ((changes & ChangedNames) != 0) {
        ShowFileInfo();
    }
    ShowDrawing(changes);
    UpdateUndoCommands();
}

void TfrmMain::ShowDrawing(DrawingChanges changes) {
    if ((changes & ChangedGraphs) != 0) {
        windows_->Tangen().ShowLineCount(Doc.Table().LineCount);
    }
    if ((changes & (ChangedColorCycle | ChangedEndCircles)) != 0) {
        screen_->PaintToolSample();
    }
    constexpr DrawingChanges onThePlane =
        ChangedGraphs | ChangedSelection | ChangedPlane | ChangedEndCircles;
    if (!shown_ || (changes & onThePlane) == 0) {
        return;  // before the first showing there is no plane to show
    }
    plane_->PlaneShownAnew();  // the new picture has no band or mark to go on from
    screen_->PaintDrawing();   // with a selection, its panels too
    if ((changes & (ChangedGraphs | ChangedSelection)) != 0 && Doc.Table().Selected.none()) {
        screen_->ClearPanels();
    }
}

void TfrmMain::RedrawPlane() {
    plane_->Reset();
    screen_->PaintDrawing();
    UpdateUndoCommands();
}

bool TfrmMain::AddOrReplaceLine(const TLineSpec& spec, int index) {
    int changed = -1;
    if (Doc.AddOrReplaceGraph(Edit, spec, index, &changed) == AddResult::TableFull) {
        ShowMessage(TableFullMessage);
        return false;
    }
    return true;
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
        windows_->SetDefaultPlaneSize(Layout.DefaultPlaneSize);
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

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The tool bar is aligned to the top: it always spans the window.
    bar_.pnlMain->resize(centralWidget()->width(), design::PnlMainHeight);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    // A gesture ends when the pointer leaves the plane over the bare window.
    QWidget* body = centralWidget();
    if (watched == body && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (body->childAt(move->position().toPoint()) == nullptr && plane_->InProgress()) {
            plane_->Cancel();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::EditMemo() {
    TfrmTangen& contents = windows_->Tangen();
    ShowModal(contents);
    const std::optional<QStringList> edited = contents.TakeEditedMemo();
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

void TfrmMain::RunPractice(const std::vector<TLineSpec>& questions, const PlaneSettings& plane) {
    practice_->Run(questions, plane, false);
}

PracticeSetup TfrmMain::PracticeWindowSetup() {
    PracticeSetup setup;
    setup.defaultPlaneSize = Layout.DefaultPlaneSize;
    setup.options = screen_->Options();
    setup.form = Edit.Form;
    setup.mainGeometry = geometry();
    setup.mainFrame = frameGeometry();
    setup.recordsFile = StartDir + QStringLiteral("Record.ini");
    setup.recordsLockWait = RecordsLockWait;
    setup.onCdRom = OnCdRom;
    // 答え shows the answer with its dotted extensions: the main window's 点線 goes on too.
    setup.dottedExtensionsOn = [this] { body_.chkTensen->setChecked(true); };
    return setup;
}
