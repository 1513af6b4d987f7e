// Writing values into the user's registry key (QSettings) and making sure they were kept. Where
// the key is a file, QSettings never writes it itself: Qt 6.4 replaces it through QSaveFile, which
// on a full disk puts an empty file in the old one's place and still reports no error.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

class QSettings;

// Whether the key is a file of its own: everywhere but in Windows' registry.
bool SettingsKeptInAFile(const QSettings& registry);

// Writes the values and reads them back. Where the key is a file, QSettings writes them into a
// scratch copy of it, which is read back and then put in the file's place by the checked writer,
// so a write that fails leaves the file as it was; in Windows' registry they are written and
// synced there. True when reading the key again gives every value back. The registry object
// has no changes of its own waiting.
bool WriteSettingsKept(QSettings& registry, const QList<std::pair<QString, QVariant>>& values);
