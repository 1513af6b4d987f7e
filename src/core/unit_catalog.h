// The unit catalogue "Index.ini": its section "index" lists units as "n=title,file".
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct UnitCatalog {
    QStringList CatalogIndex;  // the lines of the section, "key=value"
    QStringList UnitNames;
    QStringList UnitFiles;
    int count = 0;  // entries in UnitNames / UnitFiles: one for every line of the section
};

// One unit of the catalogue: its title and its file name relative to the program's folder.
struct CatalogEntry {
    QString title;
    QString file;
    // A line without "," reads as the title and the file "?"; its value text is kept here, so
    // that writing the catalogue again gives the line back as it stood instead of "?,?".
    std::optional<QString> unreadValue = std::nullopt;
};

// Splits the catalogue lines into titles and file names ("?" for both without a ",").
UnitCatalog ParseCatalog(const QStringList& indexLines);

// The catalogue as the file holds it now, with what to tell the user: why it could not be read
// (error), or the first line that does not read, which is left out and kept in the file.
struct CatalogFile {
    UnitCatalog catalog;
    QString error;
    QString unreadNote;
};
CatalogFile ReadCatalogFile(const QString& iniPath);

// The catalogue's entries in order, an unread line with its value text: what follows the first
// "=", or the whole line when it has none.
std::vector<CatalogEntry> CatalogEntries(const UnitCatalog& catalog);

// The message refusing a unit that the catalogue cannot list under its title; empty when it can.
QString CatalogTitleProblem(const QString& title);

// The path of a catalogue file name below startDir; the stored name may separate its folders with
// "\" or "/".
QString UnitFilePath(const QString& startDir, const QString& file);

struct CatalogWrite {
    QString problem;                // the message for the user; empty when written
    bool changedElsewhere = false;  // another program changed the catalogue since it was read
};

// Replaces the section "index" of the ini file with the keys "1" … "n" for the entries in order,
// and on success makes catalog describe them. readAtOpening is the section's lines as the editor
// read them: when the file holds others now, another program changed it meanwhile, and nothing
// is written, so that its change is not undone unseen. Nothing is written either when an entry
// cannot be written in Shift-JIS or listed under its title, or the file cannot be written;
// catalog is then unchanged. Lines of the section that do not read stay where they stand.
CatalogWrite WriteCatalog(const QString& iniPath, const std::vector<CatalogEntry>& entries,
                          UnitCatalog& catalog, const QStringList& readAtOpening);
