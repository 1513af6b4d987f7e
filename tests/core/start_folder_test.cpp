// Where the program works: the folder it was started in when that holds units, otherwise the
// user's data folder, filled with the sample units on the first start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "start_folder.h"

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(StartFolder, UnitFolderOrTheUsersOwn) {
    struct Row {
        const char* name;
        QStringList currentFiles, userFiles, sampleFiles;
        bool useUser;
        bool error;
    } rows[] = {
        {"started among units", {"Index.ini"}, {}, {"Index.ini"}, false, false},
        {"started beside DATA", {"DATA/a.lin"}, {}, {"Index.ini"}, false, false},
        {"home folder, data made before", {"notes.txt"}, {"DATA/a.lin"}, {}, true, false},
        {"home folder, first start",
         {},
         {},
         {"Index.ini", "DATA/a.lin", "DATA/b.lin"},
         true,
         false},
        {"no samples to copy", {}, {}, {}, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir root;
        const QString current = root.filePath("start");
        const QString user = root.filePath("user/Tesmara");
        const QString samples = root.filePath("share");
        QDir().mkpath(current);
        for (const QString& f : r.currentFiles) {
            Touch(QDir(current).filePath(f));
        }
        for (const QString& f : r.userFiles) {
            Touch(QDir(user).filePath(f));
        }
        for (const QString& f : r.sampleFiles) {
            Touch(QDir(samples).filePath(f));
        }
        const StartFolder chosen = ChooseStartFolder(current, user, samples);
        EXPECT_EQ(chosen.folder, r.useUser ? user : current);
        EXPECT_EQ(chosen.error.isEmpty(), !r.error);
        // A unit folder to start in leaves the user's folder alone; a first start fills it.
        for (const QString& f : r.sampleFiles) {
            EXPECT_EQ(QFile::exists(QDir(user).filePath(f)), r.useUser) << f.toStdString();
        }
    }
}

}  // namespace
