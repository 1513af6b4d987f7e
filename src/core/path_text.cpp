// Folder and file name routines.
#include "path_text.h"

#include <QDir>
#include <QFile>
#include <algorithm>

#include "graph_file.h"
#include "regular_file.h"
#include "sjis_codec.h"
#include "unit_title.h"

QString ShownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString AddBackslash(const QString& folder) {
    if (folder.endsWith(u'/') || folder.endsWith(u'\\')) {
        return folder;
    }
    return folder + u'/';
}

QString ReadFirstLine(const QString& path) {
    const QString unreadable = QStringLiteral("？");
    QFile file(path);
    if (!OpenRegularFile(file)) {
        return unreadable;
    }
    // The whole first line, however long, up to what a graph file may hold: two titles that
    // differ only far along must not be taken for one. Read in pieces, so that a list of short
    // titles reads little.
    QByteArray head;
    qsizetype end = -1;
    while (end < 0 && head.size() < MaxGraphFileBytes) {
        const QByteArray piece =
            file.read(std::min<qint64>(64 * 1024, MaxGraphFileBytes - head.size()));
        if (piece.isEmpty()) {
            break;
        }
        const qsizetype from = head.size();
        head += piece;
        const qsizetype lf = head.indexOf('\n', from);
        const qsizetype cr = head.indexOf('\r', from);
        end = lf < 0 ? cr : (cr < 0 ? lf : std::min(lf, cr));
    }
    head.truncate(end >= 0 ? end : head.size());
    const DecodedText decoded = DecodeCp932(head);
    return decoded.ok() ? OneLineTitle(decoded.text) : unreadable;
}
