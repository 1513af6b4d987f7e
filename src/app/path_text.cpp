// Folder and file name routines.
#include "path_text.h"

QString AddBackslash(const QString& folder) {
    if (folder.endsWith(u'/') || folder.endsWith(u'\\')) {
        return folder;
    }
    return folder + u'/';
}
