// tesmara-export as a black box: its output for known files, its exit status for bad ones; the
// worksheets read back as text with pdftotext, the class's records table, the records chart; every
// mode on a disk that refuses the bytes, run in this process where the writer's steps can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "equation_text.h"
#include "export_args.h"
#include "graph_file.h"
#include "refusing_disk.h"
#include "sjis_codec.h"
#include "test_files.h"

namespace {

struct ExportRun {
    int status = -1;
    QByteArray out;
    QString err;
};

ExportRun Export(const QStringList& args) {
    QProcess p;
    // As on a machine without a desktop login, where Qt has no runtime folder.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    p.setProcessEnvironment(environment);
    p.start(EXPORTER_PATH, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

const QString Data = QStringLiteral(TEST_DATA_DIR);
const QString Samples = QStringLiteral(SAMPLE_UNITS_DIR);

int PageCount(const QByteArray& pdf) {
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

// The text of a PDF's pages (all for 0) as pdftotext reads it, from tools/install-deps.sh, or
// the one TESMARA_PDFTOTEXT names: a Windows build under Wine runs the machine's own, which Wine
// gives no pipes and does not wait for, so the text comes as a file that appears whole.
QString PdfText(const QString& pdf, int page = 0) {
    const QString tool = qEnvironmentVariableIsSet("TESMARA_PDFTOTEXT")
                             ? qEnvironmentVariable("TESMARA_PDFTOTEXT")
                             : QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    EXPECT_FALSE(tool.isEmpty()) << "pdftotext is missing: tools/install-deps.sh installs it";
    QStringList args{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0) {
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    }
    const QString text = pdf + QStringLiteral(".txt");
    QProcess p;
    p.start(tool, args << pdf << text);
    p.waitForFinished(60000);
    for (QDeadlineTimer deadline(60000); !QFileInfo::exists(text) && !deadline.hasExpired();) {
        QThread::msleep(20);
    }
    const QByteArray bytes = ReadBytes(text);
    QFile::remove(text);
    return QString::fromUtf8(bytes);
}

// Whether one line of the text holds the wanted text. Text read back from a PDF has its runs of
// blanks made one, as a PDF viewer's search does, so both sides are compared so.
bool OnOneLine(const QString& text, const QString& wanted) {
    const QString simple = wanted.simplified();
    const QStringList lines = text.split(u'\n');
    return std::any_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return line.simplified().contains(simple); });
}

GraphFileContent Sample(const char* name) {
    return ReadGraphFile(Samples + u'/' + QLatin1String(name), PlaneSettings(), true);
}

const char* const SampleNames[] = {"bunsu.lin", "hirei.lin", "ichiji.lin", "senbun.lin", "ten.lin"};

TEST(Exporter, JsonOfTheWorkedExample) {
    const ExportRun r = Export({"--json", Data + "/worked_example.lin"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, ReadBytes(Data + "/worked_example.json"));
}

TEST(Exporter, MalformedAndMissingFilesFailWithTheReadersMessage) {
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.lin");
    WriteBytes(
        bad,
        "t\r\n<<spec5\r\n-99\r\n-99\r\n-99\r\n-99\r\n16\r\n16\r\nTrue\r\nfive\r\n5\r\nTrue\r\n"
        "-----\r\n99\r\n99\r\n1\r\nTrue\r\n>>\r\n");
    ExportRun r = Export({"--json", bad});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QDir::toNativeSeparators(bad) +
                               QStringLiteral("の10行目が正しくありません")))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    r = Export({"--json", dir.filePath("none.lin")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("が見つかりません")));
#ifndef Q_OS_WIN
    // A pipe in a unit's place is refused at once; read, it would hold the exporter for good.
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.lin")).constData(), 0644), 0);
    r = Export({"--json", dir.filePath("pipe.lin")});
    EXPECT_TRUE(r.status == 1 && r.err.contains(QStringLiteral("pipe.linを読み込めません")));
#endif
}

// A unit named "unit.v2.lin" is its own file, not "unit.lin"; a name whose last extension is
// another is refused, never read as another unit.
TEST(Exporter, AFileNameWithTwoDotsIsTheFileItNames) {
    QTemporaryDir dir;
    const QByteArray header =
        "<<spec5\r\n-99\r\n-99\r\n-99\r\n-99\r\n16\r\n16\r\nTrue\r\n5\r\n5\r\nTrue\r\n"
        "-----\r\n99\r\n99\r\n1\r\nTrue\r\n>>\r\n255,16\r\ny=x\r\n0,0\r\n1,1\r\n0,0\r\n0,0\r\n";
    WriteBytes(dir.filePath("unit.lin"), EncodeCp932(QStringLiteral("版1\r\n")).bytes + header);
    WriteBytes(dir.filePath("unit.v2.lin"), EncodeCp932(QStringLiteral("版2\r\n")).bytes + header);
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"unit.v2.lin", "版2", ""},
        {"unit.lin", "版1", ""},
        {"unit.v2.txt", nullptr, ".txt拡張子は.linまたは.CAIを使ってください"},
        {"unit.v2", nullptr, ".v2拡張子は.linまたは.CAIを使ってください"},
    };
    for (const auto& [name, title, message] : rows) {
        const ExportRun r = Export({"--json", dir.filePath(QString::fromUtf8(name))});
        EXPECT_EQ(r.status, title == nullptr ? 1 : 0) << name;
        EXPECT_EQ(r.out.isEmpty(), title == nullptr) << name;
        if (title != nullptr) {
            EXPECT_TRUE(QString::fromUtf8(r.out).contains(
                QStringLiteral("\"title\": \"%1\"").arg(QString::fromUtf8(title))))
                << name;
        }
        EXPECT_EQ(r.err.trimmed(), QString::fromUtf8(message)) << name;
    }
    const QString pdf = dir.filePath("v2.pdf");
    const ExportRun sheet = Export({"--worksheet", pdf, dir.filePath("unit.v2")});
    EXPECT_EQ(sheet.status, 1);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(Exporter, BadUsageExitsWithTwo) {
    const QStringList cases[] = {
        {},
        {"--json"},
        {"--svg", "x.lin"},
        {"--png"},
        {"--png", "out.png"},
        {"--json", "a.lin", "b.lin"},
        {"--png", "o.png", "--default-size", "big", "a.lin"},
        {"--worksheet", "o.pdf"},
        {"--worksheet", "o.png", "a.lin"},
        {"--worksheet", "o.pdf", "--answers", "a.lin"},
        {"--worksheet", "o.pdf", "--blank", "--big", "a.lin"},
        {"--records", "o.csv"},
        {"--records", "--blank", "a.ini"},
        {"--records", "A.ini", "B.ini"},  // the output forgotten
        {"--chart", "o.png", "a.ini"},
        {"--chart", "o.svg", "--unit", "t", "a.ini"},
        {"--chart", "o.png", "--unit", "t", "a.ini", "b.ini"},
    };
    for (const QStringList& args : cases) {
        const ExportRun r = Export(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage: tesmara-export"));
    }
}

TEST(Exporter, NoModeWritesOverAFileItWasGivenToRead) {
    QTemporaryDir dir;
    const QString d = dir.path() + u'/';
    const QByteArray records =
        EncodeCp932(QStringLiteral("[比例]\r\n1=2024年11月05日 10:05 OOXO 03:12\r\n")).bytes;
    const QByteArray graphs = ReadBytes(Data + "/worked_example.lin");
    WriteBytes(d + "A.ini", records);
    WriteBytes(d + "B.ini", records + records);
    WriteBytes(d + "a.lin", graphs);
    WriteBytes(d + "u.pdf", "an old worksheet");
    ASSERT_TRUE(QDir(d).mkdir("sub"));
#ifndef Q_OS_WIN
    // On Windows QFile::link makes a shortcut, a file of its own that reads and writes do not
    // follow, so writing over it harms nothing.
    ASSERT_TRUE(QFile::link(d + "A.ini", d + "link.csv"));
#endif
    std::filesystem::create_hard_link(QFileInfo(d + "B.ini").filesystemFilePath(),
                                      QFileInfo(d + "hard.csv").filesystemFilePath());
    const QStringList names = QDir(d).entryList(QDir::Files | QDir::Hidden | QDir::System);
    std::vector<QByteArray> before;
    for (const QString& name : names) {
        before.push_back(ReadBytes(d + name));
    }
    // Given: the arguments, "%" standing for the folder. Expected: the output named in the
    // message.
    std::vector<std::pair<const char*, const char*>> rows = {
        {"--records %A.ini %B.ini", nullptr},  // the output forgotten: not a table's name
        {"--records %hard.csv %A.ini %B.ini", "hard.csv"},
        {"--png %a.lin %a", "a.lin"},  // read as a.lin
        {"--pdf %./a.lin %a.lin", "a.lin"},
        {"--worksheet %u.pdf %a.lin %u.pdf", "u.pdf"},
        {"--chart %chart.png --unit 比例 %chart.png", "chart.png"},
    };
#ifndef Q_OS_WIN
    rows.push_back({"--records %sub/../link.csv %A.ini", "link.csv"});
#endif
    for (const auto& [given, named] : rows) {
        SCOPED_TRACE(given);
        const QStringList args = QString::fromUtf8(given).replace(u'%', d).split(u' ');
        const ExportRun r = Export(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.contains("usage: tesmara-export")) << r.err.toStdString();
        if (named != nullptr) {
            EXPECT_TRUE(r.err.contains(QLatin1String(named) + " is also a file to read"))
                << r.err.toStdString();
        }
        EXPECT_EQ(QDir(d).entryList(QDir::Files | QDir::Hidden | QDir::System), names);
        for (size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(ReadBytes(d + names[qsizetype(i)]), before[i])
                << names[qsizetype(i)].toStdString();
        }
    }
}

TEST(Exporter, ParsesTheModesOptions) {
    struct Row {
        QStringList args;
        ExportMode mode;
        const char* parsed;  // output, inputs, default size, blank, answers, unit
    };
    const Row rows[] = {
        {{"--png", "o.png", "--default-size", "320", "a.lin"},
         ExportMode::Png,
         "o.png|a.lin|320|0|0|"},
        {{"--pdf", "page", "a.lin"}, ExportMode::Pdf, "page|a.lin|544|0|0|"},
        {{"--worksheet", "o.PDF", "a.lin"}, ExportMode::Worksheet, "o.PDF|a.lin|544|0|0|"},
        {{"--worksheet", "o.pdf", "a.lin", "--answers", "b.lin", "--blank"},
         ExportMode::Worksheet,
         "o.pdf|a.lin b.lin|544|1|1|"},
        {{"--records", "o.csv", "a.ini", "b.ini", "c.ini"},
         ExportMode::Records,
         "o.csv|a.ini b.ini c.ini|544|0|0|"},
        {{"--chart", "o.pdf", "--unit", "比例 y=ax", "a.ini"},
         ExportMode::Chart,
         "o.pdf|a.ini|544|0|0|比例 y=ax"},
    };
    for (const Row& row : rows) {
        const ExportRequest r = ParseExportArgs(row.args);
        EXPECT_EQ(r.error, QString());
        EXPECT_EQ(r.mode, row.mode);
        EXPECT_EQ(QStringList({r.output, r.inputs.join(u' '), QString::number(r.defaultPlaneSize),
                               QString::number(r.blank), QString::number(r.answers), r.unit})
                      .join(u'|'),
                  QString::fromUtf8(row.parsed));
        EXPECT_EQ(r.input, r.inputs.value(0));
    }
}

TEST(Exporter, PngIsThePlaneAtTheDefaultSize) {
    QTemporaryDir dir;
    const QString png = dir.filePath("plane.png");
    ExportRun r = Export({"--png", png, Data + "/worked_example.lin"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());  // a successful export is silent
    QImage image(png);
    EXPECT_EQ(image.size(), QSize(544, 544));
    r = Export({"--png", png, "--default-size", "320", Data + "/worked_example.lin"});
    ASSERT_EQ(r.status, 0);
    image.load(png);
    EXPECT_EQ(image.size(), QSize(320, 320));
    // The point (2, 3) of the example is a blue disc: 320 px, spacing 16, origin at (160, 160).
    EXPECT_EQ(image.pixel(160 + 32, 160 - 48), qRgb(0, 0, 255));
    // A write that fails (no room beside a name this long for the new file) keeps the old file.
    const QString old = dir.filePath(QString(250, u'a') + QStringLiteral(".png"));
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old picture");
    }
    r = Export({"--png", old, Data + "/worked_example.lin"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("の保存に失敗しました"))) << r.err.toStdString();
    EXPECT_EQ(ReadBytes(old), QByteArray("old picture"));
}

TEST(Exporter, PdfIsOnePage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    const ExportRun r = Export({"--pdf", pdf, Data + "/worked_example.lin"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    const QByteArray bytes = ReadBytes(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PageCount(bytes), 1);
}

TEST(Exporter, TheWorksheetOfASampleUnitIsOnePageWithItsTitleAndEveryListText) {
    QTemporaryDir dir;
    for (const char* name : SampleNames) {
        SCOPED_TRACE(name);
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        const ExportRun r = Export({"--worksheet", pdf, Samples + u'/' + QLatin1String(name)});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, QString());
        EXPECT_EQ(PageCount(ReadBytes(pdf)), 1);
        const QString text = PdfText(pdf);
        const GraphFileContent unit = Sample(name);
        ASSERT_GT(unit.graphs.size(), 6u);
        EXPECT_TRUE(OnOneLine(text, unit.title())) << text.toStdString();
        for (const TLineSpec& g : unit.graphs) {
            EXPECT_TRUE(OnOneLine(text, g.Text)) << g.Text.toStdString();
        }
    }
}

TEST(Exporter, TheStudentsCopyHasNoEquationAndTheAnswersFollowIt) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("copy.pdf"));
    const QString file = Samples + QStringLiteral("/senbun.lin");
    ExportRun r = Export({"--worksheet", pdf, "--blank", file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const int copyPages = PageCount(ReadBytes(pdf));
    const QString copy = PdfText(pdf);
    const GraphFileContent unit = Sample("senbun.lin");
    EXPECT_TRUE(copy.contains(unit.title()));
    EXPECT_TRUE(copy.contains(QStringLiteral("名前")));
    for (const TLineSpec& g : unit.graphs) {
        SCOPED_TRACE(g.Text.toStdString());
        for (const QString& answer : {g.Text, GeneralFormText(g), XDomainText(g), YDomainText(g)}) {
            EXPECT_FALSE(copy.simplified().contains(answer.simplified())) << answer.toStdString();
        }
    }

    r = Export({"--worksheet", pdf, "--blank", "--answers", file});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_EQ(PageCount(ReadBytes(pdf)), 2 * copyPages);
    QString answers;
    for (int page = copyPages + 1; page <= 2 * copyPages; ++page) {
        answers += PdfText(pdf, page);
    }
    EXPECT_TRUE(answers.contains(QStringLiteral("解答")));
    for (const TLineSpec& g : unit.graphs) {
        EXPECT_TRUE(OnOneLine(answers, g.Text)) << g.Text.toStdString();
    }
}

TEST(Exporter, SeveralUnitsMakeOnePdfEachOnItsOwnPageAndABadFileIsLeftOut) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("units.pdf"));
    // Given: the file put second among the units, and its bytes. Expected: what follows its name
    // in the message, as the program says it when the file is opened.
    const std::tuple<const char*, QByteArray, const char*> rows[] = {
        {nullptr, {}, nullptr},
        {"bad.lin", "t\r\n<<spec5\r\n-99\r\n-99\r\n",
         "の5行目が正しくありません：ファイルが設定の途中で終わっています"},
        {"empty.lin", "", "にはグラフがありません"},
        {"title.lin", "only a title\r\n", "にはグラフがありません"},
        {"words.lin", "hello world\r\nthis is no unit\r\n", "にはグラフがありません"},
        {"utf16.lin", QByteArray("\xff\xfeh\0i\0\r\0\n\0", 10),
         "の1行目が正しくありません：Shift-JISの文字として読めないバイトがあります"},
    };
    const char* const names[] = {"hirei.lin", "ten.lin", "ichiji.lin"};
    for (const auto& [name, bytes, message] : rows) {
        SCOPED_TRACE(name == nullptr ? "none" : name);
        const QString extra = name == nullptr ? QString() : dir.filePath(QLatin1String(name));
        if (name != nullptr) {
            WriteBytes(extra, bytes);
        }
        QStringList args{"--worksheet", pdf};
        for (const char* unit : names) {
            args << Samples + u'/' + QLatin1String(unit);
            if (name != nullptr && args.size() == 3) {
                args << extra;
            }
        }
        const ExportRun r = Export(args);
        EXPECT_EQ(r.status, name == nullptr ? 0 : 1);
        EXPECT_EQ(r.err.toStdString(), name == nullptr ? ""
                                                       : (QDir::toNativeSeparators(extra) +
                                                          QString::fromUtf8(message) + u'\n')
                                                             .toStdString());
        ASSERT_EQ(PageCount(ReadBytes(pdf)), 3);
        for (int page = 1; page <= 3; ++page) {
            const QString text = PdfText(pdf, page);
            for (int unit = 0; unit < 3; ++unit) {
                EXPECT_EQ(text.contains(Sample(names[unit]).title()), unit == page - 1)
                    << page << " " << unit;
            }
        }
    }
    // With no unit left, nothing is written.
    const QByteArray written = ReadBytes(pdf);
    const ExportRun r = Export({"--worksheet", pdf, dir.filePath("empty.lin")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(ReadBytes(pdf), written);
}

// Years of a school's records: two runs of 比例, the second past the first 4 MiB of the file.
void WriteYearsOfRecords(const QString& path) {
    WriteBytes(path,
               EncodeCp932(QStringLiteral("[比例]\r\n1=2024年11月05日 10:05 OOXO 03:12\r\n;") +
                           QString(5 << 20, u'x') +
                           QStringLiteral("\r\n2=2024年11月06日 09:00 OX 01:05\r\n"))
                   .bytes);
}

TEST(Exporter, RecordsOfSeveralComputersMakeOneCsvAndAMalformedFileIsNamedAndLeftOut) {
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("class.csv"));
    const QString pc1 = dir.filePath(QStringLiteral("pc1.ini"));
    const QString pc2 = dir.filePath(QStringLiteral("pc2.ini"));
    const QString bad = dir.filePath(QStringLiteral("pc3.ini"));
    WriteBytes(
        pc1, EncodeCp932(QStringLiteral("[比例]\r\n1=2024年11月05日 10:05 OOXO 03:12\r\n")).bytes);
    WriteBytes(pc2, EncodeCp932(QStringLiteral("[比例]\r\n1=2024年11月06日 09:00 OX 01:05\r\n"
                                               "2=2024年11月07日 09:00 OO 00:45\r\n"))
                        .bytes);
    WriteBytes(bad, EncodeCp932(QStringLiteral("[比例]\r\n1=きのう\r\n")).bytes);
    const QString large = dir.filePath(QStringLiteral("pc4.ini"));
    WriteYearsOfRecords(large);
    // One file by other names: a path through ".", a hard link and, where the system has them, a
    // symbolic link.
    const QString hard = dir.filePath(QStringLiteral("hard.ini"));
    std::filesystem::create_hard_link(pc1.toStdString(), hard.toStdString());
    QStringList pc1Again{pc1, pc1, dir.path() + QStringLiteral("/./pc1.ini"), hard};
#ifndef Q_OS_WIN
    const QString link = dir.filePath(QStringLiteral("link.ini"));
    std::filesystem::create_symlink(pc1.toStdString(), link.toStdString());
    pc1Again.append(link);
#endif
    // Given: the files. Expected: the status, whether a file was read once, and the rows'
    // sources and run numbers.
    const std::tuple<QStringList, int, bool, const char*> rows[] = {
        {{pc1, pc2}, 0, false, "pc1.ini 1|pc2.ini 1|pc2.ini 2"},
        {{pc2, bad, pc1}, 1, false, "pc2.ini 1|pc2.ini 2|pc1.ini 1"},
        {{large, pc1}, 0, false, "pc4.ini 1|pc4.ini 2|pc1.ini 1"},
        {pc1Again + QStringList{pc2}, 0, true, "pc1.ini 1|pc2.ini 1|pc2.ini 2"},
    };
    for (const auto& [files, status, once, sources] : rows) {
        const ExportRun r = Export(QStringList{"--records", csv} + files);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(
            r.err.contains(
                QDir::toNativeSeparators(bad) +
                QStringLiteral("の「比例」の1回目の記録は正しくないため、書き出しませんでした")),
            status == 1)
            << r.err.toStdString();
        EXPECT_EQ(r.err.count(QStringLiteral("と同じファイルのため、一度だけ読みました")),
                  once ? pc1Again.size() - 1 : 0)
            << r.err.toStdString();
        const QByteArray bytes = ReadBytes(csv);
        ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.takeFirst(),
                  QStringLiteral("記録ファイル,単元名,回,日付,時刻,結果,Oの数,Xの数,合計秒数"));
        EXPECT_EQ(lines.takeLast(), QString());
        QStringList seen;
        for (const QString& line : lines) {
            const QStringList fields = line.split(u',');
            seen.append(QFileInfo(fields[0]).fileName() + u' ' + fields[2]);
        }
        EXPECT_EQ(seen.join(u'|'), QString::fromUtf8(sources));
    }
}

TEST(Exporter, ChartOfAUnitsRecords) {
    QTemporaryDir dir;
    const QString records = dir.filePath(QStringLiteral("Record.ini"));
    WriteYearsOfRecords(records);
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    ExportRun r = Export({"--chart", png, "--unit", "比例", records});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(800, 360));
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    r = Export({"--chart", pdf, "--unit", "比例", records});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("「比例」の記録")));
    r = Export({"--chart", png, "--unit", "一次関数", records});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("「一次関数」の練習の記録はありません")));
    // A run that does not read is left out and named; the others are drawn.
    WriteBytes(records, EncodeCp932(QStringLiteral("[比例]\r\n1=2024年11月05日 10:05 OOXO 03:12\r\n"
                                                   "2=こわれた行\r\n"))
                            .bytes);
    const QString upper = dir.filePath(QStringLiteral("CHART.PNG"));
    r = Export({"--chart", upper, "--unit", "比例", records});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.trimmed(),
              QDir::toNativeSeparators(records) +
                  QStringLiteral("の「比例」の2回目の記録は正しくないため、書き出しませんでした"));
    EXPECT_EQ(QImage(upper).size(), QSize(800, 360));
}

// The exporter run in this process, which has its application object: its exit status and what
// it wrote on stderr.
ExportRun ExportHere(const QStringList& args) {
    std::vector<QByteArray> bytes{QByteArray("tesmara-export")};
    for (const QString& arg : args) {
        bytes.push_back(arg.toUtf8());
    }
    std::vector<char*> argv;
    for (QByteArray& arg : bytes) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    testing::internal::CaptureStderr();
    const int status = RunExporter(int(bytes.size()), argv.data(), args);
    return {status, {}, QString::fromStdString(testing::internal::GetCapturedStderr())};
}

TEST(Exporter, EveryModeKeepsTheOldOutputWhenTheDiskRefusesTheBytes) {
    // One for every run: Qt draws no text after a second one was made.
    int argc = 1;
    char name[] = "export_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    QTemporaryDir inputs;
    const QString records = inputs.filePath(QStringLiteral("Record.ini"));
    WriteBytes(
        records,
        EncodeCp932(QStringLiteral("[比例]\r\n1=2024年11月05日 10:05 OOXO 03:12\r\n")).bytes);
    const QString unit = Data + "/worked_example.lin";
    // The output's name, and the rest of the command line.
    const std::pair<const char*, QStringList> modes[] = {
        {"plane.png", {unit}},
        {"page.pdf", {unit}},
        {"sheet.pdf", {unit}},
        {"class.csv", {records}},
        {"chart.png", {"--unit", "比例", records}},
        {"chart.pdf", {"--unit", "比例", records}},
    };
    const char* const options[] = {"--png",     "--pdf",   "--worksheet",
                                   "--records", "--chart", "--chart"};
    SmallDisk disk(256);
    for (size_t m = 0; m < std::size(modes); ++m) {
        const auto& [name, rest] = modes[m];
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString output = dir.filePath(QString::fromLatin1(name));
        const QStringList args = QStringList{options[m], output} + rest;
        for (const ReplaceStep step : EveryReplaceStep()) {
            SCOPED_TRACE(StepName(step));
            WriteBytes(output, "old output");
            RefusingSteps refusing(step);
            const ScopedFileSteps steps(refusing);
            const ExportRun r = ExportHere(args);
            EXPECT_EQ(r.status, 1);
            EXPECT_TRUE(r.err.endsWith(QDir::toNativeSeparators(output) +
                                       QStringLiteral("の保存に失敗しました\n")))
                << r.err.toStdString();
            EXPECT_EQ(ReadBytes(output), "old output");
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        }
        EXPECT_EQ(ExportHere(args).status, 0);  // the same command on a disk that takes the bytes
        if (!disk.unavailable().empty()) {
            continue;
        }
        const QString onDisk = disk.filePath(QString::fromLatin1(name));
        WriteBytes(onDisk, "old output");
        disk.Fill();
        const ExportRun r = Export(QStringList{options[m], onDisk} + rest);
        disk.Free();
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.endsWith(onDisk + QStringLiteral("の保存に失敗しました\n")))
            << r.err.toStdString();
        EXPECT_EQ(ReadBytes(onDisk), "old output");
    }
    if (!disk.unavailable().empty()) {
        GTEST_SKIP() << "the exporter on a full disk: " << disk.unavailable();
    }
}

}  // namespace
