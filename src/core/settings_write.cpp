// Registry values written and read back.
#include "settings_write.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "replace_file.h"

namespace {

bool ReadBytes(const QString& path, QByteArray* bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool HoldsValues(QSettings& store, const QList<std::pair<QString, QVariant>>& values) {
    for (const auto& [name, value] : values) {
        if (!store.contains(name) || store.value(name).toString() != value.toString()) {
            return false;
        }
    }
    return true;
}

// The file read through a copy of it: QSettings shares what it cached among all its objects on
// one file, so a second object on the file itself would only repeat the cache.
bool FileHoldsValues(const QSettings& registry, const QList<std::pair<QString, QVariant>>& values) {
    QByteArray bytes;
    QTemporaryDir scratch;
    if (!ReadBytes(registry.fileName(), &bytes) || !scratch.isValid()) {
        return false;
    }
    const QString copy = scratch.filePath(QStringLiteral("settings"));
    QFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        return false;
    }
    file.close();
    QSettings check(copy, registry.format());
    return HoldsValues(check, values);
}

}  // namespace

bool SettingsKeptInAFile(const QSettings& registry) {
#ifdef Q_OS_WIN
    return registry.format() == QSettings::IniFormat;
#else
    Q_UNUSED(registry);
    return true;
#endif
}

bool WriteSettingsKept(QSettings& registry, const QList<std::pair<QString, QVariant>>& values) {
    const bool inFile = SettingsKeptInAFile(registry);
    QByteArray oldBytes;
    const bool hadFile = inFile && ReadBytes(registry.fileName(), &oldBytes);
    for (const auto& [name, value] : values) {
        registry.setValue(name, value);
    }
    registry.sync();
    if (registry.status() == QSettings::NoError) {
        if (!inFile) {
            QSettings check(registry.format(), registry.scope(), registry.organizationName(),
                            registry.applicationName());
            return HoldsValues(check, values);
        }
        if (FileHoldsValues(registry, values)) {
            return true;
        }
    }
    if (inFile) {
        QByteArray nowBytes;
        const bool hasFile = ReadBytes(registry.fileName(), &nowBytes);
        if (hadFile && (!hasFile || nowBytes != oldBytes)) {
            ReplaceFile(registry.fileName(), oldBytes);
        } else if (!hadFile && hasFile) {
            QFile::remove(registry.fileName());
        }
    }
    return false;
}
