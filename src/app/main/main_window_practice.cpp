// The main window's side of practice and test: what every practice takes from it as it starts.
#include <QCheckBox>

#include "main/main_window.h"
#include "units/tangen_open_window.h"

void TfrmMain::RunPractice(const std::vector<TLineSpec>& questions, const PlaneSettings& plane) {
    practice_->Run(questions, plane, false);
}

PracticeSetup TfrmMain::PracticeWindowSetup() {
    PracticeSetup setup;
    setup.defaultPlaneSize = Layout.DefaultPlaneSize;
    setup.options = CurrentDisplayOptions();
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

TfrmTangenOpen& TfrmMain::UnitChoice() {
    if (frmTangenOpen == nullptr) {
        frmTangenOpen =
            new TfrmTangenOpen(SetCood2Settings, Layout.DefaultPlaneSize, StartDir, this);
    }
    return *frmTangenOpen;
}
