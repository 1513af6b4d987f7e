// Practice and test: choosing a unit to practise, trying the current drawing as a test, and the
// records window. A practice is given its questions and the unit's plane; the drawing, its undo
// history and its recovery copy stay as they were.
#include <QCheckBox>

#include "dialogs.h"
#include "graph_file.h"
#include "help/help_context.h"
#include "main/main_window.h"
#include "practice/practice_window.h"
#include "practice/records_window.h"
#include "units/tangen_open_window.h"

void TfrmMain::spdRenshuClick() {
    if (frmTangenOpen == nullptr) {
        frmTangenOpen =
            new TfrmTangenOpen(SetCood2Settings, Layout.DefaultPlaneSize, StartDir, this);
    }
    for (;;) {
        frmTangenOpen->OfferCaiFiles(false);
        frmTangenOpen->SetMainGeometry(geometry());
        const int chosen = ShowModal(*frmTangenOpen);
        frmTangenOpen->OfferCaiFiles(true);
        if (chosen != ModalOk) {
            break;
        }
        const std::vector<TLineSpec>& questions = frmTangenOpen->Questions.graphs;
        if (questions.empty()) {
            ShowMessage(QStringLiteral("この単元には問題がありません"));
            continue;
        }
        if (const QString problem = UntestableMessage(questions); !problem.isEmpty()) {
            ShowMessage(problem);
            break;
        }
        TestMode = false;
        RunPractice(questions, frmTangenOpen->Questions.settings);
    }
}

void TfrmMain::spdTestClick() {
    if (FileExtOf(Doc.FileName()) != QStringLiteral(".lin")) {
        ShowMessage(QStringLiteral("ファイルの拡張子が.linｑｕｅではありません"));
        return;
    }
    const GraphTable& table = Doc.Table();
    if (table.LineCount == 0) {
        ShowMessage(QStringLiteral("テストするデータがありません"));
        return;
    }
    TestMode = true;
    const std::vector<TLineSpec> questions(table.LineTable.begin(),
                                           table.LineTable.begin() + table.LineCount);
    if (const QString problem = UntestableMessage(questions); !problem.isEmpty()) {
        ShowMessage(problem);
        return;
    }
    RunPractice(questions, shownPlane_);
}

void TfrmMain::RunPractice(const std::vector<TLineSpec>& questions, const PlaneSettings& plane) {
    if (frmRenshu == nullptr) {
        frmRenshu = new TfrmRenshu(this);
        SetHelpContext(frmRenshu, 220);
    }
    // A practice and a test alike name the unit last chosen in the open-unit window, whether 練習
    // or 単元名で開く showed it.
    if (frmTangenOpen != nullptr) {
        SelectedUnitTitle = frmTangenOpen->SelectedUnitTitle;
        SelectedUnitFile = frmTangenOpen->SelectedUnitFile;
    }
    PracticeSetup setup;
    setup.questions = questions;
    setup.plane = plane;
    setup.defaultPlaneSize = Layout.DefaultPlaneSize;
    setup.options = CurrentDisplayOptions();
    setup.form = Edit.Form;
    setup.mainGeometry = geometry();
    setup.mainFrame = frameGeometry();
    setup.recordsFile = StartDir + QStringLiteral("Record.ini");
    setup.recordsLockWait = RecordsLockWait;
    setup.onCdRom = OnCdRom;
    setup.testMode = TestMode;
    setup.unitTitle = SelectedUnitTitle;
    setup.unitFile = SelectedUnitFile;
    setup.showRecords = [this] { ShowRecords(); };
    setup.dottedExtensionsOn = [this] { body_.chkTensen->setChecked(true); };
    frmRenshu->SetUp(std::move(setup));
    ShowModal(*frmRenshu);
}

void TfrmMain::ShowRecords() {
    if (frmKiroku == nullptr) {
        frmKiroku = new TfrmKiroku(StartDir, this);
        SetHelpContext(frmKiroku, 222);
    }
    ShowModal(*frmKiroku);
}
