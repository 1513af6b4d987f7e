// The version window.
#include "help/version_window.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "dialogs.h"

#ifndef TESMARA_VERSION
#define TESMARA_VERSION "0"
#endif

TfrmVersion::TfrmVersion(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmVersion"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont font(QStringLiteral("System"));
    font.setPixelSize(16);
    setFont(font);
    setFixedSize(413, 311);

    pnlVersion = new QFrame(this);
    pnlVersion->setObjectName(QStringLiteral("pnlVersion"));
    pnlVersion->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlVersion->setLineWidth(2);
    pnlVersion->setGeometry(8, 8, 397, 241);

    ProgramIcon = new QLabel(pnlVersion);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(16, 16, 32, 32);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/pictures/program_icon.png")));

    const auto line = [this](const char* name, int top) {
        auto* label = new QLabel(pnlVersion);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(72, top, 309, 24);
        return label;
    };
    lblProductName = line("lblProductName", 20);
    lblVersion = line("lblVersion", 64);
    lblComments = line("lblComments", 108);
    lblComments->setWordWrap(true);
    lblComments->setGeometry(72, 108, 309, 72);
    lblSchoolSet = line("lblSchoolSet", 196);

    btnOK = new QPushButton(QStringLiteral("閉じる"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(162, 265, 88, 30);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmVersion::btnOKClick);
}

void TfrmVersion::FormShow() {
    if (const QWidget* owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
    lblProductName->setText(QStringLiteral("Kelvane Tesmara"));
    lblVersion->setText(QStringLiteral("バージョン %1").arg(QStringLiteral(TESMARA_VERSION)));
    lblComments->setText(QStringLiteral("一次関数とそのグラフを学ぶためのソフト"));
    lblSchoolSet->clear();
}

void TfrmVersion::btnOKClick() {
    done(ModalOk);
}

void TfrmVersion::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}
