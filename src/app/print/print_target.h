// The printer as the print window sees it: the page's size, the print dialog with its copy count,
// and jobs of one page each. Tests put a stand-in in its place; the program prints through Qt.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QWidget;

class PrintTarget {
  public:
    virtual ~PrintTarget() = default;
    // The printable area of a page, in device pixels.
    virtual QSize pageSize() const = 0;
    // Lets the user choose the printer and the number of copies; false when cancelled.
    virtual bool chooseSetup(QWidget* parent) = 0;
    // The copies chosen in the last confirmed dialog.
    virtual int copies() const = 0;
    // Starts a job of one page; false when the printer cannot take it.
    virtual bool beginJob() = 0;
    // Stretches a picture onto the page into the target rectangle.
    virtual void drawPage(const QImage& picture, const QRect& target) = 0;
    virtual void endJob() = 0;
    // A job of as many pages as paint makes on the printer itself (a worksheet); false when the
    // printer cannot take it.
    virtual bool printPages(const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) = 0;
};

// The printer chosen in Qt's print dialog, which also offers printing into a PDF file.
class SystemPrinter final : public PrintTarget {
  public:
    SystemPrinter();

    QSize pageSize() const override;
    bool chooseSetup(QWidget* parent) override;
    int copies() const override { return copies_; }
    bool beginJob() override;
    void drawPage(const QImage& picture, const QRect& target) override;
    void endJob() override;
    bool printPages(const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) override;

    QPrinter& printer() { return printer_; }

  private:
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    int copies_ = 1;
};

// The printer a print window is made with: Qt's, unless a stand-in was installed (tests print
// without a print dialog or a printer).
std::unique_ptr<PrintTarget> MakePrinter();
// Installs what makes the printers; an empty function brings back Qt's printer.
void InstallPrinterMaker(std::function<std::unique_ptr<PrintTarget>()> maker);
