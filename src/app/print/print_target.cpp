// Printing through Qt's printer and print dialog.
#include "print/print_target.h"

#include <QPrintDialog>
#include <algorithm>

namespace {

std::function<std::unique_ptr<PrintTarget>()>& PrinterMaker() {
    static std::function<std::unique_ptr<PrintTarget>()> maker;
    return maker;
}

}  // namespace

std::unique_ptr<PrintTarget> MakePrinter() {
    return PrinterMaker() ? PrinterMaker()() : std::make_unique<SystemPrinter>();
}

void InstallPrinterMaker(std::function<std::unique_ptr<PrintTarget>()> maker) {
    PrinterMaker() = std::move(maker);
}

SystemPrinter::SystemPrinter() {
    printer_.setDocName(QStringLiteral("Kelvane Tesmara"));
}

QSize SystemPrinter::pageSize() const {
    return QSize(printer_.width(), printer_.height());
}

bool SystemPrinter::chooseSetup(QWidget* parent) {
    // The dialog shows the copies chosen last time; the printer itself always prints one, since
    // every copy is a job of its own.
    printer_.setCopyCount(copies_);
    QPrintDialog dialog(&printer_, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (confirmed) {
        copies_ = std::max(1, printer_.copyCount());
    }
    printer_.setCopyCount(1);
    return confirmed;
}

bool SystemPrinter::beginJob() {
    return painter_.begin(&printer_);
}

void SystemPrinter::drawPage(const QImage& picture, const QRect& target) {
    painter_.drawImage(target, picture);
}

void SystemPrinter::endJob() {
    painter_.end();
}

bool SystemPrinter::printPages(const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) {
    if (!painter_.begin(&printer_)) {
        return false;
    }
    paint(painter_, printer_);
    painter_.end();
    return true;
}
