// Parsing the exporter's command line.
#include "export_args.h"

#include <algorithm>
#include <iterator>

#include "same_file.h"

QString ExportUsage() {
    return QStringLiteral(
        "usage: tesmara-export --json FILE\n"
        "       tesmara-export --png OUT.png [--default-size N] FILE\n"
        "       tesmara-export --pdf OUT.pdf FILE\n"
        "       tesmara-export --worksheet OUT.pdf [--blank [--answers]] FILE [FILE ...]\n"
        "       tesmara-export --records OUT.csv Record.ini [Record.ini ...]\n"
        "       tesmara-export --chart OUT.png|OUT.pdf --unit TITLE Record.ini");
}

namespace {

// Output names follow the rule the graph files follow: the extension is after the last ".".
bool EndsWith(const QString& name, const char* extension) {
    return FileExtOf(name) == QLatin1String(extension);
}

}  // namespace

ExportRequest ParseExportArgs(const QStringList& args) {
    ExportRequest r;
    QStringList rest = args;
    auto fail = [&](const QString& message) {
        r.error = message;
        return r;
    };
    if (rest.isEmpty()) {
        return fail(QStringLiteral("tesmara-export: no mode given"));
    }
    const QString mode = rest.takeFirst();
    static const std::pair<const char*, ExportMode> modes[] = {
        {"--json", ExportMode::Json},       {"--png", ExportMode::Png},
        {"--pdf", ExportMode::Pdf},         {"--worksheet", ExportMode::Worksheet},
        {"--records", ExportMode::Records}, {"--chart", ExportMode::Chart},
    };
    const auto found = std::find_if(std::begin(modes), std::end(modes),
                                    [&](const auto& m) { return mode == QLatin1String(m.first); });
    if (found == std::end(modes)) {
        return fail(QStringLiteral("tesmara-export: unknown mode %1").arg(mode));
    }
    r.mode = found->second;
    if (r.mode != ExportMode::Json) {
        if (rest.isEmpty() || rest[0].startsWith(QStringLiteral("--"))) {
            return fail(QStringLiteral("tesmara-export: %1 needs an output file").arg(mode));
        }
        r.output = rest.takeFirst();
    }
    switch (r.mode) {
        case ExportMode::Png:
            if (rest.size() >= 2 && rest[0] == QStringLiteral("--default-size")) {
                bool ok = false;
                r.defaultPlaneSize = rest[1].toInt(&ok);
                if (!ok || r.defaultPlaneSize < 160 || r.defaultPlaneSize > 4096) {
                    return fail(QStringLiteral(
                        "tesmara-export: --default-size must be a whole number from 160 to 4096"));
                }
                rest = rest.mid(2);
            }
            break;
        case ExportMode::Worksheet:
            if (!EndsWith(r.output, ".pdf")) {
                return fail(QStringLiteral("tesmara-export: a worksheet is written as .pdf"));
            }
            // The two switches may stand anywhere among the files.
            r.blank = rest.removeAll(QStringLiteral("--blank")) > 0;
            r.answers = rest.removeAll(QStringLiteral("--answers")) > 0;
            if (r.answers && !r.blank) {
                return fail(QStringLiteral(
                    "tesmara-export: --answers goes with --blank; a worksheet without --blank "
                    "already shows the answers"));
            }
            break;
        case ExportMode::Records:
            if (!EndsWith(r.output, ".csv")) {
                return fail(QStringLiteral("tesmara-export: the records table is written as .csv"));
            }
            break;
        case ExportMode::Chart:
            if (!EndsWith(r.output, ".png") && !EndsWith(r.output, ".pdf")) {
                return fail(QStringLiteral("tesmara-export: a chart is written as .png or .pdf"));
            }
            if (rest.size() < 2 || rest[0] != QStringLiteral("--unit")) {
                return fail(QStringLiteral("tesmara-export: --chart needs --unit TITLE"));
            }
            r.unit = rest[1];
            rest = rest.mid(2);
            break;
        default:
            break;
    }
    for (const QString& arg : rest) {
        if (arg.startsWith(QStringLiteral("--"))) {
            return fail(QStringLiteral("tesmara-export: unknown option %1").arg(arg));
        }
    }
    const bool several = r.mode == ExportMode::Worksheet || r.mode == ExportMode::Records;
    if (rest.isEmpty() || (!several && rest.size() != 1)) {
        return fail(several ? QStringLiteral("tesmara-export: give at least one file")
                            : QStringLiteral("tesmara-export: give exactly one file"));
    }
    r.inputs = rest;
    r.input = rest[0];
    // Graph files are read under the name the reader makes of them ("a" is read as "a.lin").
    const bool graphFiles =
        r.mode == ExportMode::Png || r.mode == ExportMode::Pdf || r.mode == ExportMode::Worksheet;
    for (const QString& input : r.inputs) {
        if (!r.output.isEmpty() &&
            (SameFile(r.output, input) ||
             (graphFiles && SameFile(r.output, FixGraphFileName(input).name)))) {
            return fail(QStringLiteral("tesmara-export: the output %1 is also a file to read; "
                                       "name the output file first")
                            .arg(r.output));
        }
    }
    return r;
}
