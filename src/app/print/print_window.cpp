// The print window.
#include "print/print_window.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "date_text.h"
#include "dialogs.h"
#include "fonts.h"
#include "plane/image_view.h"
#include "print_page.h"

namespace {

QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum, int value) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(10);
    spin->setValue(value);
    spin->setFixedWidth(90);
    return spin;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(text);
    }
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in a text box must not start a print.
    button->setAutoDefault(false);
    button->setMinimumHeight(32);
    return button;
}

}  // namespace

TfrmPrint::TfrmPrint(const ImageView& plane, std::function<QString()> fileName,
                     std::unique_ptr<PrintTarget> printer, QWidget* parent)
    : QDialog(parent), plane_(plane), fileName_(std::move(fileName)), printer_(std::move(printer)) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(QStringLiteral("グラフの印刷"));
    // A border with a close box only: the window keeps the main window's place and size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont font(PlainFontName);
    font.setPixelSize(15);
    setFont(font);

    imgCoodX = new ImageView(this);
    imgCoodX->setObjectName(QStringLiteral("imgCoodX"));
    imgCoodX->setFixedSize(PrintPreviewSide, PrintPreviewSide);
    imgCoodX->setAccessibleName(QStringLiteral("印刷の見本"));

    spnLeft = MakeSpin(this, "spnLeft", 0, 200, 50);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("左余白"), spnLeft);
    spnTop = MakeSpin(this, "spnTop", 0, 200, 50);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("上余白"), spnTop);
    auto* margins = new QFormLayout;
    margins->addRow(Label1, spnLeft);
    margins->addRow(Label2, spnTop);

    GroupBox1 = new QGroupBox(QStringLiteral("サイズ（％）"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    spnShukusho = MakeSpin(GroupBox1, "spnShukusho", 50, 100, 100);
    spnShukusho->setAccessibleName(GroupBox1->title());
    lblPWidth = MakeLabel(GroupBox1, "lblPWidth", QString(), nullptr);
    lblPHeight = MakeLabel(GroupBox1, "lblPHeight", QString(), nullptr);
    auto* size = new QVBoxLayout(GroupBox1);
    size->addWidget(spnShukusho, 0, Qt::AlignLeft);
    size->addWidget(lblPWidth);
    size->addWidget(lblPHeight);

    edtFile = new QLineEdit(this);
    edtFile->setObjectName(QStringLiteral("edtFile"));
    Label3 = MakeLabel(this, "Label3", QStringLiteral("ファイル名と日時"), edtFile);
    edtTitle = new QLineEdit(this);
    edtTitle->setObjectName(QStringLiteral("edtTitle"));
    Label4 = MakeLabel(this, "Label4", QStringLiteral("タイトル"), edtTitle);
    auto* lines = new QFormLayout;
    // The file line is long: its box gets the column's whole width under its label.
    lines->setRowWrapPolicy(QFormLayout::WrapAllRows);
    lines->addRow(Label3, edtFile);
    lines->addRow(Label4, edtTitle);

    btnSettei = MakeButton(this, "btnSettei", QStringLiteral("プリンタ設定"));
    btnPrint = MakeButton(this, "btnPrint", QStringLiteral("印刷開始"));
    btnClose = MakeButton(this, "btnClose", QStringLiteral("閉じる"));

    // A worksheet: the drawing as a unit, with every graph's equations, domains and table.
    grpWorksheet = new QGroupBox(QStringLiteral("ワークシート"), this);
    grpWorksheet->setObjectName(QStringLiteral("grpWorksheet"));
    chkBlank = new QCheckBox(QStringLiteral("生徒用（答えを空欄にする）"), grpWorksheet);
    chkBlank->setObjectName(QStringLiteral("chkBlank"));
    chkAnswers = new QCheckBox(QStringLiteral("解答のページを付ける"), grpWorksheet);
    chkAnswers->setObjectName(QStringLiteral("chkAnswers"));
    chkAnswers->setEnabled(false);
    btnWorksheet = MakeButton(grpWorksheet, "btnWorksheet", QStringLiteral("ワークシートの印刷"));
    auto* worksheet = new QVBoxLayout(grpWorksheet);
    worksheet->addWidget(chkBlank);
    worksheet->addWidget(chkAnswers);
    worksheet->addWidget(btnWorksheet);

    auto* controls = new QVBoxLayout;
    controls->addLayout(margins);
    controls->addSpacing(8);
    controls->addWidget(GroupBox1);
    controls->addSpacing(8);
    controls->addLayout(lines);
    controls->addSpacing(16);
    controls->addWidget(btnSettei);
    controls->addWidget(btnPrint);
    controls->addSpacing(16);
    controls->addWidget(grpWorksheet);
    controls->addStretch();
    controls->addWidget(btnClose);
    auto* column = new QWidget(this);
    column->setLayout(controls);
    column->setFixedWidth(300);
    controls->setContentsMargins(0, 0, 0, 0);

    // Preview and controls stay together in the middle of a window as large as the main window;
    // the column is as high as the preview, with 閉じる level with its bottom edge.
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addStretch();
    row->addWidget(imgCoodX);
    row->addWidget(column);
    row->addStretch();
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(12, 12, 12, 12);
    window->addStretch();
    window->addLayout(row);
    window->addStretch();

    if (parent != nullptr) {
        // Right over the main window: a top-level window's pos() is the corner of its frame.
        // A fixed size as well: a window manager offers no maximise box on a window that
        // cannot be resized.
        const QWidget* owner = parent->window();
        setFixedSize(owner->size());
        move(owner->pos());
        FitInto(row, column, controls);
    }

    for (QSpinBox* spin : {spnLeft, spnTop, spnShukusho}) {
        connect(spin, &QSpinBox::valueChanged, this, &TfrmPrint::DrawPreview);
    }
    for (QLineEdit* edit : {edtFile, edtTitle}) {
        connect(edit, &QLineEdit::textChanged, this, &TfrmPrint::DrawPreview);
    }
    connect(btnSettei, &QPushButton::clicked, this, &TfrmPrint::btnSetteiClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmPrint::btnPrintClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmPrint::btnCloseClick);
    connect(btnWorksheet, &QPushButton::clicked, this, &TfrmPrint::btnWorksheetClick);
    connect(chkBlank, &QCheckBox::toggled, chkAnswers, &QCheckBox::setEnabled);
}

TfrmPrint::~TfrmPrint() = default;

void TfrmPrint::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmPrint::FormShow() {
    edtTitle->setText(QStringLiteral("Kelvane Tesmara"));
    const QDateTime now = QDateTime::currentDateTime();
    edtFile->setText(fileName_() + QStringLiteral("  ") + DateTextDots(now.date()) +
                     QStringLiteral("  ") + TimeTextColon(now.time()));
    edtFile->setCursorPosition(0);  // the file name first, when the line is longer than its box
    DrawPreview();
    ShowPageSize();
    printerChosen = false;
}

void TfrmPrint::FitInto(QHBoxLayout* row, QWidget* column, QVBoxLayout* controls) {
    // On a window shorter than the column (a small screen at a large scale) the worksheet's group
    // and 閉じる stand in a second column, and the preview takes the room that is left.
    constexpr int Margins = 24;
    constexpr int Spacing = 16;
    if (column->sizeHint().height() + Margins > height()) {
        controls->removeWidget(grpWorksheet);
        controls->removeWidget(btnClose);
        auto* second = new QWidget(this);
        second->setFixedWidth(column->width());
        auto* layout = new QVBoxLayout(second);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(grpWorksheet);
        layout->addStretch();
        layout->addWidget(btnClose);
        row->insertWidget(row->indexOf(column) + 1, second);
    }
    const int columns = row->count() - 3;  // between the stretches: the preview and the columns
    previewSide_ = std::min({PrintPreviewSide, height() - Margins,
                             width() - Margins - columns * (column->width() + Spacing)});
    imgCoodX->setFixedSize(previewSide_, previewSide_);
}

void TfrmPrint::DrawPreview() {
    PrintLayout layout;
    layout.left = spnLeft->value();
    layout.top = spnTop->value();
    layout.percent = spnShukusho->value();
    layout.fileLine = edtFile->text();
    layout.title = edtTitle->text();
    if (previewSide_ == PrintPreviewSide) {
        DrawPrintPreview(imgCoodX->canvas(), plane_.image(), layout);
        imgCoodX->update();
        return;
    }
    // The page is laid out at its own size and shown smaller.
    CanvasImage page = MakeCanvasImage(PrintPreviewSide, PrintPreviewSide);
    DrawPrintPreview(page, plane_.image(), layout);
    imgCoodX->setImage(page.image.scaled(previewSide_, previewSide_, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation));
}

void TfrmPrint::ShowPageSize() {
    const QSize page = printer_->pageSize();
    lblPWidth->setText(QStringLiteral("W：") + QString::number(page.width()));
    lblPHeight->setText(QStringLiteral("H：") + QString::number(page.height()));
}

bool TfrmPrint::ChoosePrinter() {
    if (!printer_->chooseSetup(this)) {
        return false;
    }
    ShowPageSize();
    printerChosen = true;
    return true;
}

void TfrmPrint::btnSetteiClick() {
    ChoosePrinter();
}

void TfrmPrint::btnPrintClick() {
    if (!printerChosen && !ChoosePrinter()) {
        return;
    }
    const QSize page = printer_->pageSize();
    const int side = PrintedSide(page.width(), page.height());
    const QRect target(0, 0, side, side);
    const QImage picture = imgCoodX->image();
    bool started = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int copy = 0; started && copy < printer_->copies(); ++copy) {
        started = printer_->beginJob();
        if (started) {
            printer_->drawPage(picture, target);
            printer_->endJob();
        }
    }
    QApplication::restoreOverrideCursor();
    if (!started) {
        ShowMessage(QStringLiteral("印刷できません。プリンタ設定を確かめてください"));
    }
}

void TfrmPrint::btnWorksheetClick() {
    if (!worksheetOfDrawing) {
        return;
    }
    const WorksheetUnit unit = worksheetOfDrawing();
    if (unit.graphs.empty()) {
        ShowMessage(QStringLiteral("印刷するグラフがありません"));
        return;
    }
    if (!printerChosen && !ChoosePrinter()) {
        return;
    }
    WorksheetOptions options;
    options.blank = chkBlank->isChecked();
    options.answers = options.blank && chkAnswers->isChecked();
    QStringList problems;
    bool started = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int copy = 0; started && copy < printer_->copies(); ++copy) {
        started = printer_->printPages([&](QPainter& painter, QPagedPaintDevice& device) {
            problems = DrawWorksheets(painter, device, {&unit, 1}, options).messages;
        });
    }
    QApplication::restoreOverrideCursor();
    if (!started) {
        ShowMessage(QStringLiteral("印刷できません。プリンタ設定を確かめてください"));
    }
    for (const QString& problem : problems) {
        ShowMessage(problem);
    }
}

void TfrmPrint::btnCloseClick() {
    done(ModalOk);
}
