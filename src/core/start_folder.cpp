// Choosing and preparing the folder the program works in.
#include "start_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "path_text.h"

namespace {

bool HoldsUnits(const QString& folder) {
    const QDir dir(folder);
    return QFileInfo::exists(dir.filePath(QStringLiteral("Index.ini"))) ||
           QFileInfo(dir.filePath(QStringLiteral("DATA"))).isDir();
}

// Copies the files of a folder and its sub-folders; false at the first file that fails.
bool CopyTree(const QString& from, const QString& to) {
    const QDir source(from);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target)) {
            return false;
        }
    }
    return true;
}

}  // namespace

QString UserDataFolder() {
#ifdef Q_OS_WIN
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Tesmara"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#endif
}

StartFolder ChooseStartFolder(const QString& current, const QString& userData,
                              const QString& samples) {
    if (HoldsUnits(current)) {
        return {current, QString()};
    }
    if (HoldsUnits(userData)) {
        return {userData, QString()};
    }
    // The first start: the user's folder gets the sample units and their catalogue.
    const QDir sampleDir(samples);
    if (!QDir().mkpath(userData) ||
        !CopyTree(sampleDir.filePath(QStringLiteral("DATA")),
                  QDir(userData).filePath(QStringLiteral("DATA"))) ||
        !QFile::copy(sampleDir.filePath(QStringLiteral("Index.ini")),
                     QDir(userData).filePath(QStringLiteral("Index.ini")))) {
        // The program still runs, in the folder it was started in.
        return {current, ShownPath(userData) + QStringLiteral("に単元のフォルダを作れません")};
    }
    return {userData, QString()};
}
