// The print window frmPrint ("グラフの印刷"): a live preview of the printed page (the plane as the
// main window shows it, the file line above it and a title under it), its margins and size, and
// printing of that page, one job for each copy.
#pragma once

#include <QDialog>
#include <memory>

#include "print/print_target.h"

class ImageView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmPrint : public QDialog {
    Q_OBJECT
  public:
    // Prints the picture of the plane, with the file name the label shows, on the printer.
    // The window takes its owner's place and size.
    TfrmPrint(const ImageView& plane, const QLabel& fileName, std::unique_ptr<PrintTarget> printer,
              QWidget* parent = nullptr);
    ~TfrmPrint() override;

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

    // The print dialog has been confirmed since the window was last shown.
    bool printerChosen = false;

    void FormShow();
    void DrawPreview();
    void btnSetteiClick();
    void btnPrintClick();
    void btnCloseClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The print dialog; after OK the page labels show the chosen printer's page.
    bool ChoosePrinter();
    void ShowPageSize();

    const ImageView& plane_;
    const QLabel& fileName_;
    std::unique_ptr<PrintTarget> printer_;
};
