// The unit title window.
#include "units/new_work_window.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "accessible_names.h"
#include "dialogs.h"
#include "fonts.h"
#include "path_text.h"
#include "sjis_codec.h"
#include "unit_title.h"
#include "window_parts.h"

TfrmNewWork::TfrmNewWork(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNewWork"));
    setWindowTitle(QStringLiteral("単元名入力"));
    QFont font(PlainFontName);
    font.setPixelSize(14);
    setFont(font);
    setFixedSize(360, 340);

    Label1 = new QLabel(QStringLiteral("単元名を入力してください"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 12, 328, 20);
    edtTangen = new QLineEdit(this);
    edtTangen->setObjectName(QStringLiteral("edtTangen"));
    edtTangen->setGeometry(16, 36, 328, 26);

    Label2 = new QLabel(QStringLiteral("登録済みの単元名"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 74, 328, 20);
    lstTitle = new QListWidget(this);
    lstTitle->setObjectName(QStringLiteral("lstTitle"));
    lstTitle->setGeometry(16, 98, 328, 184);
    // A click copies the title even when it is already selected; the keyboard selects too.
    connect(lstTitle, &QListWidget::itemClicked, this, &TfrmNewWork::lstTitleClick);
    connect(lstTitle, &QListWidget::itemSelectionChanged, this, &TfrmNewWork::lstTitleClick);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(160, 296, 88, 30);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmNewWork::btnOKClick);

    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(256, 296, 88, 30);
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmNewWork::btnCancelClick);
    NameForScreenReaders(this, {
                                   {edtTangen, QStringLiteral("単元名")},
                                   {lstTitle, QStringLiteral("登録済みの単元名")},
                               });
}

void TfrmNewWork::SetFolder(const QString& folder) {
    folder_ = AddBackslash(folder);
}

void TfrmNewWork::SetCurrentTitle(const QString& title) {
    currentTitle_ = title;
}

void TfrmNewWork::FormShow() {
    // The folder is listed afresh each time: a save since the last showing may have added a unit.
    const QStringList files = QDir(folder_).entryList({QStringLiteral("*.lin")}, QDir::Files,
                                                      QDir::Name | QDir::IgnoreCase);
    titles_.clear();
    for (const QString& file : files) {
        titles_.append(ReadFirstLine(folder_ + file));
    }
    lstTitle->clear();
    lstTitle->addItems(titles_);
    edtTangen->setText(currentTitle_);
    edtTangen->selectAll();
    edtTangen->setFocus();
}

void TfrmNewWork::lstTitleClick() {
    const QList<QListWidgetItem*> selected = lstTitle->selectedItems();
    if (!selected.isEmpty()) {
        edtTangen->setText(selected.front()->text());
    }
}

void TfrmNewWork::btnOKClick() {
    // Compared and kept as it will be saved, so that "1〜3" typed here matches "1～3" read from a
    // file made on Windows.
    const QString title = ToCp932Forms(OneLineText(*edtTangen));
    if (const QString problem = UnitTitleProblem(title); !problem.isEmpty()) {
        ShowMessage(problem);
        edtTangen->setFocus();
        return;
    }
    // Compared as the records file files runs: "単元a" shares the records of "単元A".
    const bool shared = std::any_of(titles_.begin(), titles_.end(), [&](const QString& listed) {
        return RecordsTitleKey(listed) == RecordsTitleKey(title);
    });
    if (shared &&
        ConfirmYesNo(QStringLiteral("同じ単元名がありますが、いいですか？")) != Answer::Yes) {
        edtTangen->setFocus();
        return;
    }
    NewUnitTitle = title;
    done(ModalOk);
}

void TfrmNewWork::btnCancelClick() {
    done(ModalCancel);
}

void TfrmNewWork::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}
