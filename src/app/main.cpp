// The program entry: the application, its fonts and the main window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>
#include <chrono>

#include "dialogs.h"
#include "file_lock.h"
#include "fonts.h"
#include "in_place_write.h"
#include "main/main_window.h"
#include "start_folder.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <sddl.h>

namespace {

// While any user of the computer runs the program, its installer and uninstaller find this name
// and leave its files alone. Every user may wait on it, so a second user's program still holds
// it when the first one closes.
void HoldRunningMark() {
    SECURITY_ATTRIBUTES access{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:(A;;GA;;;SY)(A;;GA;;;BA)(A;;0x100001;;;WD)", SDDL_REVISION_1,
        &access.lpSecurityDescriptor, nullptr);
    CreateMutexExW(&access, L"Global\\Kelvane.Tesmara", 0, SYNCHRONIZE);
    LocalFree(access.lpSecurityDescriptor);
}

}  // namespace
#endif

int main(int argc, char* argv[]) {
#ifdef Q_OS_WIN
    HoldRunningMark();
#endif
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
    // A graph file named on the command line (as a file manager passes it) is taken from the
    // folder the program was started in, before the program may move to its data folder.
    const QStringList arguments = QApplication::arguments();
    const QString fileToOpen = arguments.size() > 1
                                   ? QFileInfo(QDir::current(), arguments[1]).absoluteFilePath()
                                   : QString();
    // Started from a desktop menu or a file manager, the program is not among units: it works in
    // the user's data folder, which an installed program fills with its sample units.
    const QString samples =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tesmara"));
    // A school's installation may name the class's shared unit folder, which is tried for 5 s.
    StartFolder start;
    if (QFileInfo(samples).isDir()) {
        const auto answers = [](const QString& folder) {
            return AnswersWithin(folder, std::chrono::seconds(5),
                                 [](const QString& f) { return QFileInfo(f).isDir(); });
        };
        start = ChooseStartFolder({QDir::currentPath(), InstalledUnitFolder(ReadUnitFolderValue),
                                   UserDataFolder(), samples},
                                  answers);
        QDir::setCurrent(start.folder);
    }
    // In-place writes that a killed program cut short are put back before any file is read.
    RollBackJournals();
    // While a shared file is locked by another program, the windows keep painting and show the
    // wait cursor; what the user does waits too.
    FileLock::SetWaitingHook([](bool waiting) {
        static bool shown = false;
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
            return;
        }
        if (waiting && !shown) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            shown = true;
        } else if (!waiting && shown) {
            QApplication::restoreOverrideCursor();
            shown = false;
        }
        if (waiting) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    });
    TfrmMain frmMain;
    frmMain.show();
    for (const QString& problem : {start.notice, start.error}) {
        if (!problem.isEmpty()) {
            ShowMessage(problem);
        }
    }
    // The recovery copy belongs to this computer: on Windows it stays out of a roaming profile.
    frmMain.Recovery.Start(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    // A drawing restored after a crash comes before a file named on the command line.
    const bool restored = frmMain.OfferRecovery();
    if (!restored && !fileToOpen.isEmpty() && frmMain.OpenFile(fileToOpen)) {
        frmMain.Doc.SetFirstSaveDialog(false);
    }
    return app.exec();
}
