// Reading and writing the unit catalogue's section.
#include "unit_catalog.h"

#include "ini_file.h"
#include "sjis_codec.h"

namespace {

const QString CatalogSection = QStringLiteral("index");

// The message naming the first title or file name that Shift-JIS cannot hold; empty when none.
QString UnwritableEntry(const std::vector<CatalogEntry>& entries) {
    for (const CatalogEntry& entry : entries) {
        for (const QString& text : {entry.title, entry.file}) {
            const EncodedText encoded = EncodeCp932(text);
            if (!encoded.ok()) {
                return text + u'\n' + CannotEncodeMessage(encoded.badChar);
            }
        }
    }
    return {};
}

}  // namespace

UnitCatalog ParseCatalog(const QStringList& indexLines) {
    UnitCatalog catalog;
    catalog.CatalogIndex = indexLines;
    for (const QString& line : indexLines) {
        const qsizetype equals = line.indexOf(u'=');
        const qsizetype comma = line.indexOf(u',');
        if (comma >= 0) {
            // The title is what stands strictly between the "=" and the ","; a line without "="
            // counts its first character as the "=".
            const qsizetype titleStart = equals >= 0 ? equals + 1 : 1;
            catalog.UnitNames.append(titleStart < comma ? line.mid(titleStart, comma - titleStart)
                                                        : QString());
            catalog.UnitFiles.append(line.mid(comma + 1));
        } else {
            catalog.UnitNames.append(QStringLiteral("?"));
            catalog.UnitFiles.append(QStringLiteral("?"));
        }
    }
    catalog.count = int(catalog.UnitNames.size());
    return catalog;
}

QString UnitFilePath(const QString& startDir, const QString& file) {
    // "/" works on every system, "\" only on Windows; catalogues written there carry "\".
    return startDir + QString(file).replace(u'\\', u'/');
}

QString WriteCatalog(const QString& iniPath, const std::vector<CatalogEntry>& entries,
                     UnitCatalog& catalog) {
    // Refused before the file is touched, so that a refusal never leaves half a catalogue.
    if (const QString problem = UnwritableEntry(entries); !problem.isEmpty()) {
        return problem;
    }
    UnitCatalog written;
    for (const CatalogEntry& entry : entries) {
        const QString key = QString::number(written.count + 1);
        written.CatalogIndex.append(key + u'=' + entry.title + u',' + entry.file);
        written.UnitNames.append(entry.title);
        written.UnitFiles.append(entry.file);
        ++written.count;
    }
    // One replacement of the file: a failure leaves the old catalogue whole.
    IniFile ini(iniPath);
    if (!ini.ReplaceSection(CatalogSection, written.CatalogIndex)) {
        return ini.lastError();
    }
    catalog = std::move(written);
    return {};
}
