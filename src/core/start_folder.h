// The folder the program works in: the one it was started in when that holds units, else the
// class's shared unit folder that the installation names, else the user's own data folder, which
// the first start fills with the sample units.
#pragma once

#include <QString>
#include <chrono>
#include <functional>

struct StartFolder {
    QString folder;  // the folder to make current
    QString notice;  // why the class's unit folder is not used, or empty
    QString error;   // why the data folder could not be made ready, or empty
};

// The places the choice is made from.
struct StartPlaces {
    QString current;     // the folder the program was started in
    QString unitFolder;  // the class's shared unit folder the installation names, or empty
    QString userData;    // the user's own data folder
    QString samples;     // the sample units ("DATA/" and "Index.ini"), copied into userData
};

// Whether a folder answers now; a network share may keep the caller waiting far longer than a
// user waits for a program to start.
using FolderAnswers = std::function<bool(const QString& folder)>;

// The user's own folder for units and records: on Windows "Tesmara" in the documents folder,
// where teachers look for their files; elsewhere the program's data folder
// (~/.local/share/Tesmara).
QString UserDataFolder();

// A folder with "Index.ini" or "DATA/" counts as a unit folder and wins; then the class's unit
// folder when it answers; then the user's data folder, made and filled on the first start.
StartFolder ChooseStartFolder(const StartPlaces& places, const FolderAnswers& answers);

// Where the installation keeps the class's unit folder: the value UnitFolder under
// Software\Kelvane\Tesmara.
enum class RegistryHive { CurrentUser, LocalMachine };
using RegistryReader = std::function<QString(RegistryHive)>;

// The class's unit folder: the user's own setting wins over the computer's.
QString InstalledUnitFolder(const RegistryReader& read);

// Windows' registry; nothing elsewhere.
QString ReadUnitFolderValue(RegistryHive hive);

// Whether isFolder(folder) says yes within the limit. A check still running then is left to
// finish on its own thread, so a share that does not answer costs the limit and no more.
bool AnswersWithin(const QString& folder, std::chrono::milliseconds limit,
                   const FolderAnswers& isFolder);
