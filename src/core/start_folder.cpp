// Choosing and preparing the folder the program works in.
#include "start_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <future>
#include <memory>
#include <thread>

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

StartFolder ChooseStartFolder(const StartPlaces& places, const FolderAnswers& answers) {
    if (HoldsUnits(places.current)) {
        return {places.current, QString(), QString()};
    }
    QString notice;
    if (!places.unitFolder.isEmpty()) {
        if (answers(places.unitFolder)) {
            return {places.unitFolder, QString(), QString()};
        }
        notice = ShownPath(places.unitFolder) +
                 QStringLiteral("に接続できないため、ドキュメントのTesmaraで作業します");
    }
    if (HoldsUnits(places.userData)) {
        return {places.userData, notice, QString()};
    }
    // The first start: the user's folder gets the sample units and their catalogue.
    const QDir sampleDir(places.samples);
    const QDir userDir(places.userData);
    if (!QDir().mkpath(places.userData) ||
        !CopyTree(sampleDir.filePath(QStringLiteral("DATA")),
                  userDir.filePath(QStringLiteral("DATA"))) ||
        !QFile::copy(sampleDir.filePath(QStringLiteral("Index.ini")),
                     userDir.filePath(QStringLiteral("Index.ini")))) {
        // The program still runs, in the folder it was started in.
        return {places.current, notice,
                ShownPath(places.userData) + QStringLiteral("に単元のフォルダを作れません")};
    }
    return {places.userData, notice, QString()};
}

QString InstalledUnitFolder(const RegistryReader& read) {
    const QString own = read(RegistryHive::CurrentUser);
    return own.isEmpty() ? read(RegistryHive::LocalMachine) : own;
}

QString ReadUnitFolderValue(RegistryHive hive) {
#ifdef Q_OS_WIN
    const QString key = hive == RegistryHive::CurrentUser
                            ? QStringLiteral("HKEY_CURRENT_USER\\Software\\Kelvane\\Tesmara")
                            : QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Kelvane\\Tesmara");
    return QSettings(key, QSettings::NativeFormat)
        .value(QStringLiteral("UnitFolder"))
        .toString()
        .trimmed();
#else
    Q_UNUSED(hive);
    return QString();
#endif
}

bool AnswersWithin(const QString& folder, std::chrono::milliseconds limit,
                   const FolderAnswers& isFolder) {
#if !QT_CONFIG(thread)
    // A Qt without threads is the browser's, whose folders are its own and answer at once.
    Q_UNUSED(limit);
    return isFolder(folder);
#endif
    // The promise is shared with the thread, which may outlive this call.
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> result = answer->get_future();
    std::thread([answer, folder, isFolder] { answer->set_value(isFolder(folder)); }).detach();
    return result.wait_for(limit) == std::future_status::ready && result.get();
}
