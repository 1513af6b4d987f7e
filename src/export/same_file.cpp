// Comparing the files that names lead to.
#include "same_file.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

// The absolute path with links resolved: the file's own when it exists, else its folder's with
// the name added, else the path made clean as written.
QString ResolvedPath(const QString& name) {
    const QFileInfo info(name);
    if (info.exists()) {
        return info.canonicalFilePath();
    }
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : folder + u'/' + info.fileName();
}

}  // namespace

bool SameFile(const QString& a, const QString& b) {
    if (ResolvedPath(a) == ResolvedPath(b)) {
        return true;
    }
    // Two hard links, or names a case-blind file system takes for one, have different paths.
    std::error_code error;
    return std::filesystem::equivalent(QFileInfo(a).filesystemAbsoluteFilePath(),
                                       QFileInfo(b).filesystemAbsoluteFilePath(), error);
}
