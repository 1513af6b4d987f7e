// The practice and the test, started from the main window.
#include "main/practice_launcher.h"

#include "dialogs.h"
#include "drawing.h"
#include "graph_file.h"
#include "help/help_context.h"
#include "practice/records_window.h"
#include "units/tangen_open_window.h"

PracticeLauncher::PracticeLauncher(WindowSide window) : window_(std::move(window)) {}

void PracticeLauncher::Practise() {
    TfrmTangenOpen& choice = window_.unitChoice();
    for (;;) {
        choice.OfferCaiFiles(false);
        choice.SetMainGeometry(window_.window->geometry());
        const int chosen = ShowModal(choice);
        choice.OfferCaiFiles(true);
        if (chosen != ModalOk) {
            break;
        }
        const std::vector<TLineSpec>& questions = choice.Questions.graphs;
        if (questions.empty()) {
            ShowMessage(QStringLiteral("この単元には問題がありません"));
            continue;
        }
        if (const QString problem = UntestableMessage(questions); !problem.isEmpty()) {
            ShowMessage(problem);
            break;
        }
        Run(questions, choice.Questions.settings, false);
    }
}

void PracticeLauncher::Test(const Drawing& drawing, const PlaneSettings& plane) {
    if (FileExtOf(drawing.FileName()) != QStringLiteral(".lin")) {
        ShowMessage(QStringLiteral("ファイルの拡張子が.linｑｕｅではありません"));
        return;
    }
    const GraphTable& table = drawing.Table();
    if (table.LineCount == 0) {
        ShowMessage(QStringLiteral("テストするデータがありません"));
        return;
    }
    const std::vector<TLineSpec> questions(table.LineTable.begin(),
                                           table.LineTable.begin() + table.LineCount);
    if (const QString problem = UntestableMessage(questions); !problem.isEmpty()) {
        ShowMessage(problem);
        return;
    }
    Run(questions, plane, true);
}

void PracticeLauncher::Run(const std::vector<TLineSpec>& questions, const PlaneSettings& plane,
                           bool test) {
    if (practice_ == nullptr) {
        practice_ = new TfrmRenshu(window_.window);
        SetHelpContext(practice_, 220);
    }
    // A practice and a test alike name the unit last chosen in the open-unit window, whether 練習
    // or 単元名で開く showed it.
    if (const TfrmTangenOpen* choice = window_.unitChoiceIfMade()) {
        unitTitle_ = choice->SelectedUnitTitle;
        unitFile_ = choice->SelectedUnitFile;
    }
    PracticeSetup setup = window_.windowSetup();
    setup.questions = questions;
    setup.plane = plane;
    setup.testMode = test;
    setup.unitTitle = unitTitle_;
    setup.unitFile = unitFile_;
    setup.showRecords = [this] { ShowRecords(); };
    practice_->SetUp(std::move(setup));
    ShowModal(*practice_);
}

void PracticeLauncher::ShowRecords() {
    if (records_ == nullptr) {
        records_ = new TfrmKiroku(window_.startDir(), window_.window);
        SetHelpContext(records_, 222);
    }
    ShowModal(*records_);
}
