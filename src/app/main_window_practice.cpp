// Practice and test: choosing a unit to practise, trying the current drawing as a test, and the
// records window.
#include <QLabel>
#include <QRadioButton>

#include "dialogs.h"
#include "graph_file.h"
#include "main_window.h"
#include "practice/practice_window.h"
#include "practice/records_window.h"
#include "tangen_window.h"
#include "units/tangen_open_window.h"

void TfrmMain::spdRenshuClick() {
    // The units practised bring their own planes; the drawing gets its own back at the end.
    const PlaneSettings drawingPlane = SetCoodSettings;
    if (frmTangenOpen == nullptr) {
        frmTangenOpen = new TfrmTangenOpen(SetCood2Settings, DefaultPlaneSize, StartDir, this);
    }
    for (;;) {
        frmTangenOpen->radQue->setChecked(true);
        frmTangenOpen->radCai->hide();
        frmTangenOpen->SetMainGeometry(geometry());
        const int chosen = ShowModal(*frmTangenOpen);
        frmTangenOpen->radCai->show();
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
        SelectedUnitTitle = frmTangenOpen->SelectedUnitTitle;
        SelectedUnitFile = frmTangenOpen->SelectedUnitFile;
        SetCoodSettings = frmTangenOpen->Questions.settings;
        DispAllLine();
        TestMode = false;
        RunPractice(questions);
    }
    SetCoodSettings = drawingPlane;
    DispAllLine();
    if (Table.LineCount > 0) {
        RefreshPanels();
    }
}

void TfrmMain::spdTestClick() {
    if (FileExtOf(frmTangen->lblFileName->text()) != QStringLiteral(".lin")) {
        ShowMessage(QStringLiteral("ファイルの拡張子が.linｑｕｅではありません"));
        return;
    }
    if (Table.LineCount == 0) {
        ShowMessage(QStringLiteral("テストするデータがありません"));
        return;
    }
    TestMode = true;
    const std::vector<TLineSpec> questions(Table.LineTable.begin(),
                                           Table.LineTable.begin() + Table.LineCount);
    if (const QString problem = UntestableMessage(questions); !problem.isEmpty()) {
        ShowMessage(problem);
        return;
    }
    RunPractice(questions);
}

void TfrmMain::RunPractice(const std::vector<TLineSpec>& questions) {
    if (frmRenshu == nullptr) {
        frmRenshu = new TfrmRenshu(*this);
        SetHelpContext(frmRenshu, 220);
    }
    frmRenshu->Session.SetQuestions(questions);
    ShowModal(*frmRenshu);
}

void TfrmMain::ShowRecords() {
    if (frmKiroku == nullptr) {
        frmKiroku = new TfrmKiroku(StartDir, this);
        SetHelpContext(frmKiroku, 222);
    }
    ShowModal(*frmKiroku);
}
