// The print window frmPrint ("グラフの印刷"): a live preview of the printed page (the plane as the
// main window shows it, the file line above it and a title under it), its margins and size, and
// printing of that page, one job for each copy.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "print/print_target.h"
#include "print_page.h"
#include "worksheet.h"

class ImageView;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

class TfrmPrint : public QDialog {
    Q_OBJECT
  public:
    // Prints the picture of the plane, with the drawing's file name as fileName gives it, on the
    // printer. The window takes its owner's place and size.
    TfrmPrint(const ImageView& plane, std::function<QString()> fileName,
              std::unique_ptr<PrintTarget> printer, QWidget* parent = nullptr);
    ~TfrmPrint() override;

    // The drawing as a worksheet shows it; set by the owner before the window is used.
    std::function<WorksheetUnit()> worksheetOfDrawing;

    // The print dialog has been confirmed since the window was last shown.
    bool printerChosen = false;

    void FormShow();
    void DrawPreview();
    void btnSetteiClick();
    void btnPrintClick();
    void btnCloseClick();
    // Prints the drawing's worksheet on the chosen printer, one job for each copy.
    void btnWorksheetClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FitInto(QHBoxLayout* row, QWidget* column, QVBoxLayout* controls);
    int previewSide_ = PrintPreviewSide;
    ImageView* imgCoodX;
    QLabel* Label1;
    QSpinBox* spnLeft;
    QLabel* Label2;
    QSpinBox* spnTop;
    QGroupBox* GroupBox1;
    QSpinBox* spnShukusho;
    QLabel* lblPWidth;
    QLabel* lblPHeight;
    QLabel* Label3;
    QLineEdit* edtFile;
    QLabel* Label4;
    QLineEdit* edtTitle;
    QPushButton* btnSettei;
    QPushButton* btnPrint;
    QPushButton* btnClose;
    QGroupBox* grpWorksheet;
    QCheckBox* chkBlank;    // the students' copy: the answers left out, ruled boxes to fill in
    QCheckBox* chkAnswers;  // with the students' copy: the filled pages after it
    QPushButton* btnWorksheet;

    // The print dialog; after OK the page labels show the chosen printer's page.
    bool ChoosePrinter();
    void ShowPageSize();

    const ImageView& plane_;
    std::function<QString()> fileName_;
    std::unique_ptr<PrintTarget> printer_;
};
