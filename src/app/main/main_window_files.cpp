// The file commands of the main window: new, open, open by unit title, the question when the
// window closes; the plane's settings, printing, and the picture pasted behind the plane.
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>

#include "dialogs.h"
#include "graph_file.h"
#include "main/main_window.h"
#include "path_text.h"
#include "settings/plane_settings_window.h"
#include "units/tangen_open_window.h"

void TfrmMain::NewDrawing() {
    if (saver_.AskSaveChanges() != Answer::Cancel) {
        plane_->Forget();
        Doc.Clear(QStringLiteral("新しい単元"), StartDir + QStringLiteral("Graph1.lin"));
    }
    Doc.SetFirstSaveDialog(true);
}

void TfrmMain::ChooseFileToOpen() {
    const QString chosen =
        ChooseOpenFile(saver_.DataFolder(), QStringLiteral("Graph1.que"), GraphFileFilters);
    if (chosen.isEmpty() || saver_.AskSaveChanges() == Answer::Cancel) {
        return;
    }
    // Only a file that was read makes the next overwrite save write without asking.
    if (OpenFile(chosen)) {
        Doc.SetFirstSaveDialog(false);
    }
}

bool TfrmMain::OpenFile(const QString& path) {
    const GraphFileContent content = ReadGraphFile(path, Doc.Plane(), Doc.EndCircles());
    if (!content.notice.isEmpty()) {
        ShowMessage(content.notice);
    }
    if (!content.ok()) {
        ShowMessage(content.error);
        return false;
    }
    if (!QFileInfo(content.fileName).isFile()) {
        ShowMessage(ShownPath(content.fileName) + QStringLiteral("が見つかりません"));
        return false;
    }
    if (content.graphs.empty()) {
        ShowMessage(ShownPath(content.fileName) + QStringLiteral("にはグラフがありません"));
        return false;
    }
    ApplyFile(content);
    return true;
}

void TfrmMain::ApplyFile(const GraphFileContent& content, bool saved) {
    // The overwrite save writes to the file that was read, whatever name was typed.
    Doc.Load(content.title(), content.fileName, content.settings, content.EndCircles,
             content.graphs, content.memo, saved);
}

void TfrmMain::OpenUnit() {
    TfrmTangenOpen& choice = windows_->UnitChoice();
    choice.SetMainGeometry(geometry());
    if (ShowModal(choice) != ModalOk) {
        RedrawPlane();
        if (Doc.Table().LineCount > 0) {
            screen_->RefreshPanels();
        }
        return;
    }
    // The previewed unit's plane never touched the drawing's: the question below is asked about
    // the drawing as it is.
    if (saver_.AskSaveChanges() == Answer::Cancel) {
        RedrawPlane();
        return;
    }
    if (OpenFile(choice.SelectedPath())) {
        Doc.SetFirstSaveDialog(false);
    }
}

void TfrmMain::ShowPlaneSettings() {
    // Shown beside the main window, which stays usable; showing it again brings it forward.
    TfrmSetCood& settings = windows_->PlaneSettingsWindow();
    settings.show();
    settings.raise();
    settings.activateWindow();
}

void TfrmMain::PastePicture() {
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull()) {
        ShowMessage(QStringLiteral("クリップボードに絵がありません"));
        return;  // the plane stays as it is
    }
    screen_->SetPicture(picture);
    RedrawPlane();
}

void TfrmMain::ClearPicture() {
    if (!screen_->HasPicture() ||
        ConfirmYesNo(QStringLiteral("ビットマップをクリアしてもいいですか")) != Answer::Yes) {
        return;
    }
    screen_->SetPicture(QImage());
    RedrawPlane();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (saver_.AskSaveChanges() == Answer::Cancel) {
        event->ignore();
        return;
    }
    // A clean close: whatever was answered, nothing is left to recover.
    Recovery.Remove();
    Recovery.WaitForWrites();
    QMainWindow::closeEvent(event);
}
