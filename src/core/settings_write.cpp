// Registry values written and read back.
#include "settings_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <optional>

#include "replace_file.h"

namespace {

using Values = QList<std::pair<QString, QVariant>>;

bool ReadBytes(const QString& path, QByteArray* bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    *bytes = file.readAll();
    return true;
}

bool WriteNewFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::NewOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool HoldsValues(QSettings& store, const Values& values) {
    for (const auto& [name, value] : values) {
        if (!store.contains(name) || store.value(name).toString() != value.toString()) {
            return false;
        }
    }
    return true;
}

// The key's file as it becomes with the values set, written by QSettings into a scratch copy of
// the old bytes; nothing when that copy does not give every value back. It is read back through a
// second copy: QSettings shares what it cached among all its objects on one file, so a second
// object on the same file would only repeat the cache.
std::optional<QByteArray> FileWithValues(const QByteArray& oldBytes, QSettings::Format format,
                                         const Values& values) {
    QTemporaryDir scratch;
    const QString written = scratch.filePath(QStringLiteral("written"));
    const QString check = scratch.filePath(QStringLiteral("check"));
    if (!scratch.isValid() || !WriteNewFile(written, oldBytes)) {
        return std::nullopt;
    }
    {
        QSettings copy(written, format);
        for (const auto& [name, value] : values) {
            copy.setValue(name, value);
        }
        copy.sync();
        if (copy.status() != QSettings::NoError) {
            return std::nullopt;
        }
    }
    QByteArray bytes;
    if (!ReadBytes(written, &bytes) || !WriteNewFile(check, bytes)) {
        return std::nullopt;
    }
    QSettings reread(check, format);
    if (!HoldsValues(reread, values)) {
        return std::nullopt;
    }
    return bytes;
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

bool WriteSettingsKept(QSettings& registry, const Values& values) {
    if (!SettingsKeptInAFile(registry)) {
        for (const auto& [name, value] : values) {
            registry.setValue(name, value);
        }
        registry.sync();
        QSettings check(registry.format(), registry.scope(), registry.organizationName(),
                        registry.applicationName());
        return registry.status() == QSettings::NoError && HoldsValues(check, values);
    }
    const QString path = registry.fileName();
    const QFileInfo old(path);
    QByteArray oldBytes;
    // The key's other values go into the new file too: one that cannot be read is not replaced.
    if (old.exists() && (!old.isFile() || !ReadBytes(path, &oldBytes))) {
        return false;
    }
    const std::optional<QByteArray> bytes = FileWithValues(oldBytes, registry.format(), values);
    if (!bytes || !QDir().mkpath(old.absolutePath()) || !ReplaceFile(path, *bytes).ok) {
        return false;
    }
    registry.sync();  // reads the new file in place of what it cached
    return true;
}
