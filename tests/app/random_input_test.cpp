// The program worked by a random user for thousands of events over every window: no crash, no
// sanitizer report, and whatever the drawing became, the program's own writer saves it and its
// reader reads it back as it is; the records and the catalogue it wrote read back too. The process
// runs in a sandbox: its home, configuration, data and start folders are temporary, dialogs are
// answered and printing goes to a stand-in.
//
// TESMARA_RANDOM_EVENTS=n and TESMARA_RANDOM_SEED=s run one long walk; TESMARA_RANDOM_TRACE=1
// prints every event as it is made.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <thread>

#include "fonts.h"
#include "graph_file.h"
#include "graph_model.h"
#include "ini_file.h"
#include "main/main_window.h"
#include "practice_run.h"
#include "random_user.h"
#include "sjis_codec.h"

namespace {

QString sandboxRoot;  // made by main before the application starts
QtMessageHandler qtHandler = nullptr;

int EnvInt(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

std::vector<uint64_t> Seeds() {
    if (qEnvironmentVariableIsSet("TESMARA_RANDOM_SEED")) {
        return {qEnvironmentVariable("TESMARA_RANDOM_SEED").toULongLong()};
    }
    return {1, 2, 3, 4};
}

void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes);
}

QString PlaneText(const PlaneSettings& s) {
    QStringList values;
    for (const auto& [name, value] : PlaneRegistryValues(s)) {
        values.append(name + u'=' + value.toString());
    }
    return values.join(u' ');
}

// The drawing saved with the program's writer and read back with its reader: empty when it came
// back as it was, with the plane as the reader puts it (texts without blanks, a size beyond 384
// pixels as 384), otherwise what differed.
QString RoundTripProblem(const Drawing& doc, const QString& path) {
    const GraphTable& table = doc.Table();
    if (table.LineCount == 0) {
        return QString();  // the program refuses to save an empty drawing
    }
    QStringList memo = table.Memo;
    if (memo.isEmpty()) {
        memo.append(doc.Title());
    }
    const QString error = WriteGraphFile(path, doc.Title(), doc.Plane(), doc.EndCircles(), memo);
    if (!error.isEmpty()) {
        return QStringLiteral("cannot be saved: ") + error;
    }
    const PlaneSettings given;
    const GraphFileContent back = ReadGraphFile(path, given, !doc.EndCircles());
    if (!back.ok()) {
        return QStringLiteral("cannot be read back: ") + back.error;
    }
    QStringList problems;
    const std::vector<TLineSpec> graphs(table.LineTable.begin(),
                                        table.LineTable.begin() + table.LineCount);
    for (size_t i = 0; i < std::max(graphs.size(), back.graphs.size()); ++i) {
        const auto text = [i](const std::vector<TLineSpec>& g) {
            return i < g.size() ? GraphTextLines(g[i]).join(u'|') : QString();
        };
        if (i >= graphs.size() || i >= back.graphs.size() || !(graphs[i] == back.graphs[i])) {
            problems.append(QStringLiteral("graph %1 was %2, read %3")
                                .arg(i)
                                .arg(text(graphs), text(back.graphs)));
        }
    }
    memo[0] = doc.Title();
    if (back.memo != memo) {
        problems.append(
            QStringLiteral("memo was\n%1\nread\n%2").arg(memo.join(u'\n'), back.memo.join(u'\n')));
    }
    const PlaneSettings& a = doc.Plane();
    PlaneSettings expected = given;
    expected.setSizeX(a.SizeX.text().trimmed());
    if (expected.trackedSizeX > 384) {
        expected.setSizeX(QStringLiteral("384"));
    }
    expected.setSizeY(a.SizeY.text().trimmed());
    if (expected.trackedSizeY > 384) {
        expected.setSizeY(QStringLiteral("384"));
    }
    expected.StartX = a.StartX.text().trimmed();
    expected.StartY = a.StartY.text().trimmed();
    expected.EndX = a.EndX.text().trimmed();
    expected.EndY = a.EndY.text().trimmed();
    expected.setDX(a.SpacingX.text().trimmed());
    expected.setDY(a.SpacingY.text().trimmed());
    expected.setScaleNumberX(a.ScaleNumberX);
    expected.setScaleNumberY(a.ScaleNumberY);
    expected.setYohaku(a.Margin);
    expected.AxisLetters = a.AxisLetters;
    expected.ScaleNumbers = a.ScaleNumbers;
    if (back.settings != expected || back.EndCircles != doc.EndCircles()) {
        problems.append(QStringLiteral("plane %1 circles %2, read %3 circles %4")
                            .arg(PlaneText(expected))
                            .arg(doc.EndCircles())
                            .arg(PlaneText(back.settings))
                            .arg(back.EndCircles));
    }
    return problems.join(u'\n');
}

// The records file and the catalogue as the program wrote them: empty when they read whole and
// every recorded run reads as a run, otherwise what did not.
QString FilesProblem(const QString& startDir) {
    const PracticeRecords records = PracticeRecords::Read(startDir + QStringLiteral("Record.ini"));
    if (!records.error().isEmpty() || !records.unreadNote().isEmpty()) {
        return QStringLiteral("Record.ini cannot be read back: ") + records.error() +
               records.unreadNote();
    }
    for (const QString& title : records.Titles()) {
        if (const auto bad = ReadUnitRuns(records, title).badNumbers; !bad.empty()) {
            return QStringLiteral("run %1 of %2 does not read back").arg(bad.front()).arg(title);
        }
    }
    IniFile catalogue(startDir + QStringLiteral("Index.ini"));
    catalogue.ReadSectionLines(QStringLiteral("index"));
    if (!catalogue.lastError().isEmpty() || !catalogue.unreadNote().isEmpty()) {
        return QStringLiteral("Index.ini cannot be read back: ") + catalogue.lastError() +
               catalogue.unreadNote();
    }
    return QString();
}

// A walk that makes no event for two minutes is stuck (in an event loop of its own, or in an
// endless loop): it is ended, and the random user reports its last events.
class Watchdog {
  public:
    explicit Watchdog(const RandomUser& user)
        : thread_([this, &user] {
              int last = -1;
              auto since = std::chrono::steady_clock::now();
              while (!stop_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  if (user.Events() != last) {
                      last = user.Events();
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > std::chrono::minutes(2)) {
                      std::fprintf(stderr, "\nNo event for two minutes: the walk is stuck.\n");
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }

  private:
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

class RandomInputTest : public ::testing::TestWithParam<uint64_t> {
  protected:
    void SetUp() override {
        // A fresh start folder with the sample units, and no registry or copies from before.
        const QDir root(sandboxRoot);
        for (const char* folder : {"start", "config", "data", "check"}) {
            QDir(root.filePath(QLatin1String(folder))).removeRecursively();
            ASSERT_TRUE(root.mkpath(QLatin1String(folder)));
        }
        startDir = root.filePath(QStringLiteral("start")) + u'/';
        const QDir samples(QStringLiteral(TESMARA_SOURCE_DIR "/DATA"));
        ASSERT_TRUE(QDir(startDir).mkpath(QStringLiteral("DATA")));
        for (const QString& file : samples.entryList(QDir::Files)) {
            const QString to =
                file == u"Index.ini" ? startDir + file : startDir + QStringLiteral("DATA/") + file;
            ASSERT_TRUE(QFile::copy(samples.filePath(file), to));
        }
        // Files a user may come across: bytes that are not Shift-JIS, nothing, the old
        // four-line form, a title no window lets one type, and sizes the reader cuts to 384.
        QFile bad(startDir + QStringLiteral("DATA/bad.lin"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("\x81\r\n255,16\r\n");
        bad.close();
        QFile(startDir + QStringLiteral("DATA/empty.lin")).open(QIODevice::WriteOnly);
        WriteLines(
            startDir + QStringLiteral("DATA/old.lin"),
            {"古い形式", "255,16", "y=x", "0,0", "1,1", "16711680,19", "(  2,  3)", "2,3", "5,99"});
        WriteLines(startDir + QStringLiteral("DATA/odd.lin"),
                   {"[記録]=1; ,x", "255,16", "y=x", "0,0", "1,1", "255,16", "y=2x", "0,0", "1,2"});
        WriteLines(startDir + QStringLiteral("DATA/wide.lin"),
                   {"広い平面", "<<spec5", "400",    "-400", "-99",   "-99", "16",  "16",
                    "True",     "5",       "5",      "True", "-----", "99",  "99",  "1",
                    "True",     ">>",      "255,16", "y=2x", "0,0",   "1,2", "0,0", "0,0"});
        // A unit as full as a drawing can be: the 101st graph is refused.
        GraphTable full;
        full.Memo = QStringList{QStringLiteral("百本の直線")};
        for (int i = 0; i < MaxGraphs; ++i) {
            AppendGraphLines(full, NewLineSpec({}, full, {i % 10 - 5, i / 10 - 5}, {i % 7, 3}));
        }
        ASSERT_EQ(WriteGraphFile(startDir + QStringLiteral("DATA/full.lin"), full.Memo[0], {}, true,
                                 full.Memo),
                  QString());
        QDir::setCurrent(startDir);
    }
    void TearDown() override { program.reset(); }

    // The program as main starts it, on a screen of one of the sizes schools have.
    void StartProgram(RandomUser& user, int run) {
        program.reset();
        const int screen = int((GetParam() + run) % 3);
        program = screen == 0   ? std::make_unique<TfrmMain>()
                  : screen == 1 ? std::make_unique<TfrmMain>(QSize(1024, 768))
                                : std::make_unique<TfrmMain>(QSize(1280, 1024));
        user.Note(QStringLiteral("the program starts"));
        program->show();
        QApplication::setActiveWindow(program.get());
        program->Recovery.Start(sandboxRoot + QStringLiteral("/data/Tesmara"));
        program->OfferRecovery();
    }

    QString startDir;
    std::unique_ptr<TfrmMain> program;
};

TEST_P(RandomInputTest, WorksEveryWindowWithoutAFault) {
    const int events = EnvInt("TESMARA_RANDOM_EVENTS", 2000);
    const int checkEvery = 200;
    const QString copy = sandboxRoot + QStringLiteral("/check/drawing.lin");
    QElapsedTimer clock;
    clock.start();
    RandomUser user(GetParam(), sandboxRoot, startDir);
    user.SetLimit(events);
    const Watchdog watchdog(user);
    int runs = 0;
    StartProgram(user, runs);
    int nextCheck = checkEvery;
    int checked = 0;
    int mostGraphs = 0;
    while (user.Events() < events && !HasFailure()) {
        user.Step(*program);
        // The user ended the program, or the power was cut and the program ended as it stood:
        // it starts again on the same folders, and offers back its copy after a cut.
        if (!program->isVisible() || user.PowerCut()) {
            StartProgram(user, ++runs);
        }
        if (user.Events() >= nextCheck || user.Events() >= events) {
            nextCheck += checkEvery;
            QStringList problems{RoundTripProblem(program->Doc, copy), FilesProblem(startDir)};
            if (!problems[0].isEmpty()) {
                problems[0].prepend(QStringLiteral("The drawing "));
            }
            const QString problem = problems.join(QString()).trimmed();
            ASSERT_TRUE(problem.isEmpty()) << problem.toStdString() << "\n"
                                           << user.Report().toStdString();
            user.Note(QStringLiteral("the drawing, the records and the catalogue read back"));
            checked += program->Doc.Table().LineCount > 0 ? 1 : 0;
            mostGraphs = std::max(mostGraphs, program->Doc.Table().LineCount);
        }
    }
    if (HasFailure()) {
        std::cout << user.Report().toStdString() << std::endl;
    }
    std::cout << "seed " << GetParam() << ": " << user.Events() << " events, " << runs + 1
              << " runs of the program, " << clock.elapsed() / 1000.0 << " s; " << checked
              << " drawings saved and read back, the largest of " << mostGraphs << " graphs\n"
              << user.Summary().toStdString() << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInputTest, ::testing::ValuesIn(Seeds()),
                         [](const auto& seed) { return "seed" + std::to_string(seed.param); });

}  // namespace

// The sandbox comes first: Qt reads the home and configuration folders when it starts.
int main(int argc, char** argv) {
    QTemporaryDir sandbox;
    if (!sandbox.isValid()) {
        return 1;
    }
    sandboxRoot = sandbox.path();
    const QDir root(sandboxRoot);
    const std::pair<const char*, const char*> folders[] = {
        {"HOME", "home"},
        {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"},
        {"XDG_CACHE_HOME", "cache"},
        {"XDG_STATE_HOME", "state"},
        {"XDG_RUNTIME_DIR", "runtime"},
        {"TMPDIR", "tmp"},
    };
    for (const auto& [variable, folder] : folders) {
        root.mkpath(QLatin1String(folder));
        qputenv(variable, QFile::encodeName(root.filePath(QLatin1String(folder))));
    }
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmara"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFontSubstitutions();
    // Widgets warn of key and mouse events nobody takes; a user's stray keys are no news.
    qtHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QStringLiteral("not accepted by receiving widget")) &&
                !text.startsWith(QStringLiteral("This plugin does not support"))) {
                qtHandler(type, context, text);
            }
        });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
