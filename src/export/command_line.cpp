// Reading the command line.
#include "command_line.h"

#include <QtGlobal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
// windows.h comes first: shellapi.h needs its types.
#include <shellapi.h>
#endif

QStringList CommandLineArguments(int argc, char** argv) {
    QStringList args;
#ifdef Q_OS_WIN
    // argv holds the arguments in the system's ANSI code page, which loses every character outside
    // it (a unit's title on a Windows that is not Japanese); the wide command line keeps them all.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) {
        args.append(QString::fromWCharArray(wide[i]));
    }
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
#endif
    return args;
}

void PrintExportError(const QString& text) {
    const QString line = text + u'\n';
#ifdef Q_OS_WIN
    HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(console, &mode)) {
        DWORD written = 0;
        WriteConsoleW(console, reinterpret_cast<const wchar_t*>(line.utf16()), DWORD(line.size()),
                      &written, nullptr);
        return;
    }
#endif
    std::fputs(line.toUtf8().constData(), stderr);
}
