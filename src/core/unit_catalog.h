// The unit catalogue "Index.ini": its section "index" lists units as "n=title,file".
#pragma once

#include <QString>
#include <QStringList>
#include <array>

constexpr int CatalogSlots = 21;

struct UnitCatalog {
    QStringList CatalogIndex;  // the lines of the section, "key=value"
    std::array<QString, CatalogSlots> UnitNames;
    std::array<QString, CatalogSlots> UnitFiles;
    int count = 0;  // entries in UnitNames / UnitFiles; lines beyond the slots are not kept there
};

// Splits the catalogue lines into titles and file names ("?" for both without a ",").
UnitCatalog ParseCatalog(const QStringList& indexLines);
