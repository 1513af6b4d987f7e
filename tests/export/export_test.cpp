// tesmara-export as a black box: its output for known files, its exit status for bad ones.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "export_args.h"

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

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString Data = QStringLiteral(TEST_DATA_DIR);

TEST(Exporter, JsonOfTheWorkedExample) {
    const ExportRun r = Export({"--json", Data + "/worked_example.lin"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, ReadFile(Data + "/worked_example.json"));
}

TEST(Exporter, MalformedAndMissingFilesFailWithTheReadersMessage) {
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.lin");
    WriteFile(
        bad,
        "t\r\n<<spec5\r\n-99\r\n-99\r\n-99\r\n-99\r\n16\r\n16\r\nTrue\r\nfive\r\n5\r\nTrue\r\n"
        "-----\r\n99\r\n99\r\n1\r\nTrue\r\n>>\r\n");
    ExportRun r = Export({"--json", bad});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(bad + QStringLiteral("の10行目が正しくありません")))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());

    r = Export({"--json", dir.filePath("none.lin")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("が見つかりません")));
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
    };
    for (const QStringList& args : cases) {
        const ExportRun r = Export(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("usage: tesmara-export"));
    }
}

TEST(Exporter, ParsesTheDefaultSize) {
    const ExportRequest r = ParseExportArgs({"--png", "o.png", "--default-size", "320", "a.lin"});
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_EQ(r.mode, ExportMode::Png);
    EXPECT_EQ(r.defaultPlaneSize, 320);
    EXPECT_EQ(r.output, "o.png");
    EXPECT_EQ(r.input, "a.lin");
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
}

TEST(Exporter, PdfIsOnePage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    const ExportRun r = Export({"--pdf", pdf, Data + "/worked_example.lin"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    const QByteArray bytes = ReadFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
        1)
        << "expected exactly one page";
}

}  // namespace
