// The program entry: the application, its fonts and the main window.
#include <QApplication>

#include "fonts.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmara"));
    InstallFontSubstitutions();
    TfrmMain frmMain;
    frmMain.show();
    return app.exec();
}
