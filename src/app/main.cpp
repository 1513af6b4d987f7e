// The program entry: the application, its fonts and the main window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "fonts.h"
#include "main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmara"));
    InstallFontSubstitutions();
    // Qt's own dialogs (files, colours) speak Japanese when its translations are installed, and
    // show dates as a Japanese desktop does.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    TfrmMain frmMain;
    frmMain.show();
    // A graph file named on the command line (as a file manager passes it) is opened at once,
    // its name taken from the folder the program was started in.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        if (frmMain.OpenFile(QFileInfo(QDir::current(), arguments[1]).absoluteFilePath())) {
            frmMain.FirstSaveDialog = false;
        }
    }
    return app.exec();
}
