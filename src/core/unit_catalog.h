// The unit catalogue "Index.ini": its section "index" lists units as "n=title,file".
#pragma once

#include <QString>
#include <QStringList>
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
};

// Splits the catalogue lines into titles and file names ("?" for both without a ",").
UnitCatalog ParseCatalog(const QStringList& indexLines);

// The path of a catalogue file name below startDir; the stored name may separate its folders with
// "\" or "/".
QString UnitFilePath(const QString& startDir, const QString& file);

// Replaces the section "index" of the ini file with the keys "1" … "n" for the entries in order,
// and on success makes catalog describe them. Returns the message for the user when an entry
// cannot be written in Shift-JIS or the file cannot be written; catalog is then unchanged.
QString WriteCatalog(const QString& iniPath, const std::vector<CatalogEntry>& entries,
                     UnitCatalog& catalog);
