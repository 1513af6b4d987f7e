// Parsing the exporter's command line.
#include "export_args.h"

QString ExportUsage() {
    return QStringLiteral(
        "usage: tesmara-export --json FILE\n"
        "       tesmara-export --png OUT.png [--default-size N] FILE\n"
        "       tesmara-export --pdf OUT.pdf FILE");
}

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
    if (mode == QStringLiteral("--json")) {
        r.mode = ExportMode::Json;
    } else if (mode == QStringLiteral("--png") || mode == QStringLiteral("--pdf")) {
        r.mode = mode == QStringLiteral("--png") ? ExportMode::Png : ExportMode::Pdf;
        if (rest.isEmpty()) {
            return fail(QStringLiteral("tesmara-export: %1 needs an output file").arg(mode));
        }
        r.output = rest.takeFirst();
    } else {
        return fail(QStringLiteral("tesmara-export: unknown mode %1").arg(mode));
    }
    if (r.mode == ExportMode::Png && rest.size() >= 2 &&
        rest[0] == QStringLiteral("--default-size")) {
        bool ok = false;
        r.defaultPlaneSize = rest[1].toInt(&ok);
        if (!ok || r.defaultPlaneSize < 160 || r.defaultPlaneSize > 4096) {
            return fail(QStringLiteral(
                "tesmara-export: --default-size must be a whole number from 160 to 4096"));
        }
        rest = rest.mid(2);
    }
    if (rest.size() != 1 || rest[0].startsWith(QStringLiteral("--"))) {
        return fail(QStringLiteral("tesmara-export: give exactly one graph file"));
    }
    r.input = rest[0];
    return r;
}
