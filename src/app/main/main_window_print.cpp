// Printing the plane: the print window, made on its first use.
#include <QLabel>

#include "dialogs.h"
#include "help/help_context.h"
#include "main/main_window.h"
#include "path_text.h"
#include "plane/image_view.h"
#include "print/print_window.h"
#include "tangen_window.h"

void TfrmMain::mnuPrintClick() {
    if (frmPrint == nullptr) {
        frmPrint = new TfrmPrint(
            *body_.imgCood, [this] { return ShownPath(Doc.FileName()); }, MakePrinter(), this);
        // The window has the printing topic; the menu item keeps the file commands' topic.
        SetHelpContext(frmPrint, 107);
        frmPrint->worksheetOfDrawing = [this] {
            WorksheetUnit unit;
            const GraphTable& table = Doc.Table();
            unit.title = Doc.Title();
            unit.fileName = Doc.FileName();
            unit.settings = shownPlane_;
            unit.display = CurrentDisplayOptions();
            unit.graphs.assign(table.LineTable.begin(), table.LineTable.begin() + table.LineCount);
            unit.defaultPlaneSize = Layout.DefaultPlaneSize;
            return unit;
        };
    }
    ShowModal(*frmPrint);
}
