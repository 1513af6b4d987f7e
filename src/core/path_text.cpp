// Folder and file name routines.
#include "path_text.h"

#include <QDir>
#include <QFile>

#include "sjis_codec.h"

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
    if (!file.open(QIODevice::ReadOnly)) {
        return unreadable;
    }
    // A title is short; reading a bounded piece keeps a huge or endless file from stalling a list.
    QByteArray head = file.read(4096);
    const qsizetype end = head.indexOf('\n') >= 0 ? head.indexOf('\n') : head.size();
    const qsizetype cr = head.indexOf('\r');
    head.truncate(cr >= 0 && cr < end ? cr : end);
    const DecodedText decoded = DecodeCp932(head);
    return decoded.ok() ? decoded.text : unreadable;
}
