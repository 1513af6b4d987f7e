// Splitting the catalogue lines into unit titles and file names.
#include "unit_catalog.h"

UnitCatalog ParseCatalog(const QStringList& indexLines) {
    UnitCatalog catalog;
    catalog.CatalogIndex = indexLines;
    for (const QString& line : indexLines) {
        if (catalog.count >= CatalogSlots) {
            break;  // the editor writes at most 20 entries; further lines have no slot
        }
        const qsizetype equals = line.indexOf(u'=');
        const qsizetype comma = line.indexOf(u',');
        QString& name = catalog.UnitNames[catalog.count];
        QString& file = catalog.UnitFiles[catalog.count];
        if (comma >= 0) {
            // The title is what stands strictly between the "=" and the ","; a line without "="
            // counts its first character as the "=".
            const qsizetype titleStart = equals >= 0 ? equals + 1 : 1;
            name = titleStart < comma ? line.mid(titleStart, comma - titleStart) : QString();
            file = line.mid(comma + 1);
        } else {
            name = QStringLiteral("?");
            file = QStringLiteral("?");
        }
        ++catalog.count;
    }
    return catalog;
}
