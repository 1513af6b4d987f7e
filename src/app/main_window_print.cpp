// Printing the plane: the print window, made on its first use.
#include <QLabel>

#include "dialogs.h"
#include "image_view.h"
#include "main_window.h"
#include "print/print_window.h"
#include "tangen_window.h"

void TfrmMain::mnuPrintClick() {
    if (frmPrint == nullptr) {
        frmPrint = new TfrmPrint(*imgCood, *frmTangen->lblFileName,
                                 std::make_unique<SystemPrinter>(), this);
        // The window has the printing topic; the menu item keeps the file commands' topic.
        SetHelpContext(frmPrint, 107);
        frmPrint->worksheetOfDrawing = [this] {
            WorksheetUnit unit;
            unit.title = frmTangen->lblTangen->text();
            unit.fileName = frmTangen->lblFileName->text();
            unit.settings = SetCoodSettings;
            unit.display = CurrentDisplayOptions();
            unit.graphs.assign(Table.LineTable.begin(), Table.LineTable.begin() + Table.LineCount);
            unit.defaultPlaneSize = DefaultPlaneSize;
            return unit;
        };
    }
    ShowModal(*frmPrint);
}
