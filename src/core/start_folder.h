// The folder the program works in: the one it was started in when that holds units, otherwise the
// user's own data folder, which the first start fills with the sample units.
#pragma once

#include <QString>

struct StartFolder {
    QString folder;  // the folder to make current
    QString error;   // why the data folder could not be made ready, or empty
};

// The user's own folder for units and records: on Windows "Tesmara" in the documents folder,
// where teachers look for their files; elsewhere the program's data folder
// (~/.local/share/Tesmara).
QString UserDataFolder();

// current: the folder the program was started in. userData: the per-user data folder. samples:
// a folder holding the sample units ("DATA/" and "Index.ini"), copied into userData when it is
// made. A folder with "Index.ini" or "DATA/" counts as a unit folder.
StartFolder ChooseStartFolder(const QString& current, const QString& userData,
                              const QString& samples);
