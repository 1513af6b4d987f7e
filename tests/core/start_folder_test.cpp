// Where the program works: the folder it was started in when that holds units, else the class's
// unit folder when it answers, else the user's data folder, filled with the sample units on the
// first start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>

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
        enum { None, Answers, Silent } unitFolder;
        enum { Current, Unit, User } chosen;
        bool error;
    } rows[] = {
        {"started among units", {"Index.ini"}, {}, {"Index.ini"}, Row::None, Row::Current, false},
        {"started beside DATA", {"DATA/a.lin"}, {}, {"Index.ini"}, Row::None, Row::Current, false},
        {"data made before", {"notes.txt"}, {"DATA/a.lin"}, {}, Row::None, Row::User, false},
        {"first start",
         {},
         {},
         {"Index.ini", "DATA/a.lin", "DATA/b.lin"},
         Row::None,
         Row::User,
         false},
        {"no samples to copy", {}, {}, {}, Row::None, Row::Current, true},
        {"units beside, class folder", {"Index.ini"}, {}, {}, Row::Answers, Row::Current, false},
        {"class folder answers", {}, {}, {}, Row::Answers, Row::Unit, false},
        {"class folder silent", {}, {}, {"Index.ini"}, Row::Silent, Row::User, false},
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
        const QString unit = r.unitFolder == Row::None ? QString() : root.filePath("class");
        const StartFolder chosen = ChooseStartFolder(
            {current, unit, user, samples},
            [&](const QString& folder) { return folder == unit && r.unitFolder == Row::Answers; });
        EXPECT_EQ(chosen.folder, r.chosen == Row::User   ? user
                                 : r.chosen == Row::Unit ? unit
                                                         : current);
        EXPECT_EQ(chosen.error.isEmpty(), !r.error);
        EXPECT_EQ(chosen.notice, r.unitFolder == Row::Silent
                                     ? QDir::toNativeSeparators(unit) +
                                           "に接続できないため、ドキュメントのTesmaraで作業します"
                                     : QString());
        // A unit folder to start in leaves the user's folder alone; a first start fills it.
        for (const QString& f : r.sampleFiles) {
            EXPECT_EQ(QFile::exists(QDir(user).filePath(f)), r.chosen == Row::User)
                << f.toStdString();
        }
    }
}

TEST(StartFolder, ClassFolderOfTheUserWinsAndMustAnswerInTime) {
    const auto registry = [](QString user, QString machine) {
        return
            [=](RegistryHive hive) { return hive == RegistryHive::CurrentUser ? user : machine; };
    };
    EXPECT_EQ(InstalledUnitFolder(registry("U:/own", "M:/class")), "U:/own");
    EXPECT_EQ(InstalledUnitFolder(registry("", "M:/class")), "M:/class");
    using std::chrono::milliseconds;
    const auto slow = [](const QString&) {
        std::this_thread::sleep_for(milliseconds(300));
        return true;
    };
#if QT_CONFIG(thread)  // without threads nothing can stop waiting for the answer
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(AnswersWithin("//server/share", milliseconds(20), slow));
    EXPECT_LT(std::chrono::steady_clock::now() - start, milliseconds(250));
#endif
    EXPECT_TRUE(AnswersWithin("//server/share", milliseconds(2000), slow));
}

}  // namespace
