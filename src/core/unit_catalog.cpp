// Reading and writing the unit catalogue's section.
#include "unit_catalog.h"

#include "ini_file.h"
#include "path_text.h"
#include "sjis_codec.h"
#include "unit_title.h"

namespace {

const QString CatalogSection = QStringLiteral("index");

// The value of the entry's line: "title,file", or an unread line's text as it stood.
QString EntryValue(const CatalogEntry& entry) {
    return entry.unreadValue ? *entry.unreadValue : entry.title + u',' + entry.file;
}

// The message naming the first entry that cannot be written; empty when none.
QString UnwritableEntry(const std::vector<CatalogEntry>& entries) {
    for (const CatalogEntry& entry : entries) {
        if (!entry.unreadValue) {
            if (const QString problem = CatalogTitleProblem(entry.title); !problem.isEmpty()) {
                return entry.title + u'\n' + problem;
            }
        }
        const QStringList texts = entry.unreadValue ? QStringList{*entry.unreadValue}
                                                    : QStringList{entry.title, entry.file};
        for (const QString& text : texts) {
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

std::vector<CatalogEntry> CatalogEntries(const UnitCatalog& catalog) {
    std::vector<CatalogEntry> entries;
    for (int i = 0; i < catalog.count; ++i) {
        CatalogEntry entry{catalog.UnitNames[i], catalog.UnitFiles[i], std::nullopt};
        const QString& line = catalog.CatalogIndex[i];
        if (!line.contains(u',')) {
            const qsizetype equals = line.indexOf(u'=');
            entry.unreadValue = equals >= 0 ? line.mid(equals + 1) : line;
        }
        entries.push_back(entry);
    }
    return entries;
}

QString CatalogTitleProblem(const QString& title) {
    // A unit the catalogue lists is practised, and its runs need a section of their own.
    if (title.contains(u'[') || title.contains(u']')) {
        return BracketInTitleMessage();
    }
    // The catalogue keeps "title,file" and reads the title up to the first ",".
    return title.contains(u',') ? CommaInTitleMessage() : QString();
}

CatalogFile ReadCatalogFile(const QString& iniPath) {
    IniFile ini(iniPath);
    CatalogFile file;
    file.catalog = ParseCatalog(ini.ReadSectionLines(CatalogSection));
    file.error = ini.lastError();
    file.unreadNote = ini.unreadNote();
    return file;
}

QString UnitFilePath(const QString& startDir, const QString& file) {
    // "/" works on every system, "\" only on Windows; catalogues written there carry "\".
    return startDir + QString(file).replace(u'\\', u'/');
}

CatalogWrite WriteCatalog(const QString& iniPath, const std::vector<CatalogEntry>& entries,
                          UnitCatalog& catalog, const QStringList& readAtOpening) {
    // Refused before the file is touched, so that a refusal never leaves half a catalogue.
    if (const QString problem = UnwritableEntry(entries); !problem.isEmpty()) {
        return {problem};
    }
    QStringList lines;
    for (const CatalogEntry& entry : entries) {
        lines.append(QString::number(lines.size() + 1) + u'=' + EntryValue(entry));
    }
    // Compared and replaced under the file's lock, in one replacement: a failure leaves the old
    // catalogue whole.
    IniFile ini(iniPath);
    bool changedElsewhere = false;
    const bool written = ini.Edit([&](IniDocument& doc) {
        IniDocument::Section* section = doc.FindSection(CatalogSection);
        if ((section == nullptr ? QStringList() : section->Texts()) != readAtOpening) {
            changedElsewhere = true;
            return false;
        }
        if (section == nullptr) {
            doc.sections.push_back({CatalogSection, {}, {}});
            section = &doc.sections.back();
        }
        section->ReplaceTexts(lines);
        return true;
    });
    if (!written) {
        return {ini.lastError()};
    }
    if (changedElsewhere) {
        return {
            ShownPath(iniPath) +
                QStringLiteral(
                    "はほかのプログラムで変更されました。読み直してから、もう一度編集してください"),
            true};
    }
    catalog = ParseCatalog(lines);
    return {};
}
