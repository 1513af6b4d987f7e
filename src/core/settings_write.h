// Writing values into the user's registry key (QSettings) and making sure they were kept. Where
// the key is a file, Qt 6.4 replaces it through QSaveFile, which on a full disk puts an empty file
// in the old one's place and still reports no error; QSettings then answers from what it cached,
// so only reading the file again tells whether the values are on the disk.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

class QSettings;

// Whether the key is a file of its own: everywhere but in Windows' registry.
bool SettingsKeptInAFile(const QSettings& registry);

// Writes the values and syncs. True when reading the key again from the store gives every
// value back; otherwise a key kept as a file is given back its old bytes (or removed, when it
// did not exist), so that a failed write costs no value that was kept before.
bool WriteSettingsKept(QSettings& registry, const QList<std::pair<QString, QVariant>>& values);
