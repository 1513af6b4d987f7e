// Graph files: the format-5 layout, older headers, the text form of graphs, malformed files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "graph_file.h"
#include "graph_model.h"
#include "sjis_codec.h"

namespace {

const QStringList WorkedExample = {QStringLiteral("新しい単元"),
                                   "<<spec5",
                                   "-99",
                                   "-99",
                                   "-99",
                                   "-99",
                                   "16",
                                   "16",
                                   "True",
                                   "5",
                                   "5",
                                   "True",
                                   "-----",
                                   "99",
                                   "99",
                                   "1",
                                   "True",
                                   ">>",
                                   "255,16",
                                   "y=-2x+5",
                                   "1,3",
                                   "3,-1",
                                   "0,0",
                                   "0,0",
                                   "16711680,19",
                                   "(  2,  3)",
                                   "2,3",
                                   "5,99",
                                   "0,0",
                                   "0,0"};

QByteArray FileBytes(const QStringList& lines, const char* ending = "\r\n") {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += EncodeCp932(line).bytes + ending;
    }
    return bytes;
}

GraphFileContent Parse(const QStringList& lines, PlaneSettings settings = {}) {
    return ParseGraphFile(FileBytes(lines), "t.lin", settings, true);
}

TEST(GraphFile, PacksAttributes) {
    TLineSpec spec;
    spec.Kind = GraphKind::Segment;
    spec.Width = 2;
    spec.EndKind = 3;
    EXPECT_EQ(PackAttrCode(spec), 801);
    TLineSpec back;
    UnpackAttrCode(801, &back);
    EXPECT_EQ(back.Kind, GraphKind::Segment);
    EXPECT_EQ(back.Width, 2);
    EXPECT_EQ(back.EndKind, 3);
    EXPECT_EQ(back.Attr, 0);
    UnpackAttrCode(3 + 4096, &back);  // width bits 0 read as width 1
    EXPECT_EQ(back.Width, 1);
    EXPECT_EQ(back.Attr, 1);
    UnpackAttrCode(16 + 12, &back);  // a number that names no kind is written back as it stands
    EXPECT_EQ(PackAttrCode(back), 16 + 12);
}

TEST(GraphFile, SplitsPairsAndFixesNames) {
    EXPECT_EQ(SplitPair("3,-1").first, "3");
    EXPECT_EQ(SplitPair("3,-1").second, "-1");
    EXPECT_EQ(SplitPair("7").first, "7");
    EXPECT_EQ(SplitPair("7").second, "");
    struct Row {
        const char* in;
        const char* out;
        const char* message;
        const char* ext;
    } rows[] = {
        {"Graph1", "Graph1.lin", "", ""},
        {"a.LIN", "a.LIN", "", ".lin"},
        {"b.cai", "b.cai", "", ".cai"},
        {"c.txt", "c.lin", ".txt拡張子は.linまたは.CAIを使ってください", ".txt"},
        {"/home/v1.2/units/d", "/home/v1.2/units/d.lin", "", ""},
        {"C:\\my.dir\\e.lin", "C:\\my.dir\\e.lin", "", ".lin"},
        {"f.tar.gz", "f.tar.lin", ".gz拡張子は.linまたは.CAIを使ってください", ".gz"},
        {"unit.v2.lin", "unit.v2.lin", "", ".lin"},
        {"unit.v2.CAI", "unit.v2.CAI", "", ".cai"},
        {"unit.lin.txt", "unit.lin.lin", ".txt拡張子は.linまたは.CAIを使ってください", ".txt"},
        {"/home/v1.2/units/g.", "/home/v1.2/units/g.lin", ".拡張子は.linまたは.CAIを使ってください",
         "."},
    };
    for (const Row& r : rows) {
        const FixedFileName fixed = FixGraphFileName(QString::fromUtf8(r.in));
        EXPECT_EQ(fixed.name, QString::fromUtf8(r.out)) << r.in;
        EXPECT_EQ(fixed.message, QString::fromUtf8(r.message)) << r.in;
        EXPECT_EQ(FileExtOf(QString::fromUtf8(r.in)), QString::fromUtf8(r.ext)) << r.in;
    }
}

TEST(GraphFile, ReadsTheWorkedExample) {
    const GraphFileContent c = Parse(WorkedExample);
    ASSERT_TRUE(c.ok()) << c.error.toStdString();
    EXPECT_EQ(c.formatShown, "5");
    ASSERT_EQ(c.graphs.size(), 2u);
    EXPECT_EQ(c.graphs[0].Color, 255);
    EXPECT_EQ(c.graphs[0].Text, "y=-2x+5");
    EXPECT_EQ(c.graphs[0].P2, (LatticePoint{3, -1}));
    EXPECT_EQ(c.graphs[1].Kind, GraphKind::Point);
    EXPECT_EQ(c.graphs[1].P2, (LatticePoint{5, 99}));
    EXPECT_EQ(c.memo, QStringList{WorkedExample[0]} + WorkedExample.mid(18));
    EXPECT_EQ(c.title(), QStringLiteral("新しい単元"));
    EXPECT_EQ(GraphFileLines(c.title(), c.settings, c.EndCircles, c.memo), WorkedExample);
}

TEST(GraphFile, WritesAndReadsBackTheSameDrawing) {
    QTemporaryDir dir;
    GraphTable table;
    EditingState state;
    table.Memo = QStringList{QStringLiteral("比例のグラフ")};
    state.LineMode = GraphKind::Segment;
    state.SegmentEndKind = 1;
    TLineSpec seg = NewLineSpec(state, table, {0, 0}, {1, 2});
    seg.D1 = {-1, -2};
    seg.D2 = {2, 4};
    seg.Text = EquationText(seg, state.Form);
    AddOrReplaceGraph(table, state, seg, -1);
    PlaneSettings settings;
    settings.setSizeX("320");
    settings.setScaleNumberX(2);
    settings.ScaleNumbers = false;
    const QString path = dir.filePath("hirei.lin");
    ASSERT_EQ(WriteGraphFile(path, table.Memo[0], settings, false, table.Memo), QString());

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 18 + 6);
    EXPECT_TRUE(
        bytes.contains("y=2x (-1\x81\x85x\x81\x83"
                       "2)\r\n"));

    const GraphFileContent back = ReadGraphFile(path, PlaneSettings(), true);
    ASSERT_TRUE(back.ok());
    ASSERT_EQ(back.graphs.size(), 1u);
    EXPECT_EQ(back.graphs[0], table.LineTable[0]);
    EXPECT_EQ(back.settings, settings);
    EXPECT_FALSE(back.EndCircles);
    EXPECT_EQ(back.memo, table.Memo);
}

TEST(GraphFile, OlderFormats) {
    const QStringList graphs4 = {"255,16",      "y=-2x+5",   "1,3", "3,-1",
                                 "16711680,19", "(  2,  3)", "2,3", "5,99"};
    PlaneSettings start;
    start.setSizeX("256");
    start.AxisLetters = false;
    start.EndX = "7";
    start.setYohaku(3);

    struct Row {
        QStringList header;  // lines 1.. before the graphs
        const char* shown;
    } rows[] = {
        {{}, "0"},
        {{"<<spec1", "320", "320", "-99", "-99", "8", "8", "False", ">>"}, "1"},
        {{"<<spec2", "320", "320", "-99", "-99", "8", "8", "False", "2", "3", ">>"}, "2"},
        {{"<<spec3", "320", "320", "-99", "-99", "8", "8", "False", "2", "3", "True", "-----",
          ">>"},
         "3"},
        {{"<<spec4", "320", "320", "-99", "-99", "8", "8", "False", "2", "3", "True", "-----", "4",
          "5", ">>"},
         "4"},
        {{"<<spec9", "320", "320", "-99", "-99", "8", "8", "False", "2", "3"}, "1"},
        {{"<<spec", "320", "320", "-99", "-99", "8", "8", "False", "2", "3"}, "1"},
    };
    for (const Row& r : rows) {
        const GraphFileContent c = Parse(QStringList{"title"} + r.header + graphs4, start);
        ASSERT_TRUE(c.ok()) << r.shown << c.error.toStdString();
        EXPECT_EQ(c.formatShown, r.shown);
        ASSERT_EQ(c.graphs.size(), 2u);
        EXPECT_EQ(c.graphs[0].D1, c.graphs[0].P1);
        EXPECT_EQ(c.graphs[1].D2, c.graphs[1].P2);
        // The memo is rebuilt in six-line form and reads as the graphs do, so that saving it
        // keeps them: the line and the point get their P1 and P2 as D1 and D2 too.
        EXPECT_EQ(c.memo.size(), 13);
        EXPECT_EQ(c.memo[5], "1,3");
        EXPECT_EQ(ParseMemo(c.memo).graphs, c.graphs);
        const QString digit = r.header.isEmpty() ? QString() : r.header[0].mid(6);
        const bool hasHeader = !r.header.isEmpty();
        EXPECT_EQ(c.settings.SizeX, hasHeader ? "320" : "256");
        EXPECT_EQ(c.EndCircles, !hasHeader);
        EXPECT_EQ(c.settings.ScaleNumberX, digit == "1" || !hasHeader ? 5 : 2);
        EXPECT_EQ(c.settings.AxisLetters, digit == "3" || digit == "4");
        EXPECT_EQ(c.settings.EndX, digit == "4" ? "4" : "7");
        EXPECT_EQ(c.settings.Margin, 3);
    }
}

TEST(GraphFile, FourLineSegmentsGetTheirPointsAsDomain) {
    const GraphFileContent c = Parse({"t", "801,33", "y=x", "0,0", "2,2"});
    ASSERT_EQ(c.graphs.size(), 1u);
    EXPECT_EQ(c.memo.mid(1), (QStringList{"801,33", "y=x", "0,0", "2,2", "0,0", "2,2"}));
}

TEST(GraphFile, LargeSizesAreLoadedAs384AndExtraLinesKept) {
    QStringList lines = WorkedExample;
    lines[2] = "400";
    lines.append({"extra 1", "extra 2", "extra 3"});
    const GraphFileContent c = Parse(lines);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.settings.SizeX, "384");
    EXPECT_EQ(c.settings.SizeY, "-99");
    EXPECT_EQ(c.graphs.size(), 2u);
    EXPECT_EQ(c.memo.size(), 1 + 12 + 3);
    EXPECT_EQ(c.memo.last(), "extra 3");
}

TEST(GraphFile, LineEndingsOfEveryKind) {
    for (const char* ending : {"\r\n", "\n", "\r"}) {
        QByteArray bytes = FileBytes(WorkedExample, ending);
        bytes.chop(int(strlen(ending)));  // the last line without an ending
        const GraphFileContent c = ParseGraphFile(bytes, "t.lin", PlaneSettings(), true);
        ASSERT_TRUE(c.ok());
        EXPECT_EQ(c.graphs.size(), 2u);
    }
}

TEST(GraphFile, MalformedFilesChangeNothingAndNameTheLine) {
    struct Row {
        int line;             // the line to replace (0-based), or -1 to cut the file
        const char* text;     // the replacement
        int cutAt;            // keep only this many lines when line is -1
        const char* message;  // the expected message after the file name
    } rows[] = {
        {9, "five", 0, "の10行目が正しくありません：「five」は整数ではありません"},
        {15, "1.5", 0, "の16行目が正しくありません：「1.5」は整数ではありません"},
        // Scale steps and margin are spin values, written bare: blank or padded is malformed.
        {9, "", 0, "の10行目が正しくありません：「」は整数ではありません"},
        {10, " 5", 0, "の11行目が正しくありません：「 5」は整数ではありません"},
        {15, "1 ", 0, "の16行目が正しくありません：「1 」は整数ではありません"},
        {2, "abc", 0, "の3行目が正しくありません：「abc」は整数ではありません"},
        {6, "0", 0, "の7行目が正しくありません：目盛間隔は1以上です"},
        {7, "-8", 0, "の8行目が正しくありません：目盛間隔は1以上です"},
        {20, "1,x", 0, "の21行目が正しくありません：「1,x」は整数ではありません"},
        {18, "red,16", 0, "の19行目が正しくありません：「red,16」は整数ではありません"},
        {21, "3,10001", 0, "の22行目が正しくありません：座標は-10000から10000までです"},
        {-1, "", 10, "の11行目が正しくありません：ファイルが設定の途中で終わっています"},
        {-1, "", 29, "の30行目が正しくありません：ファイルがグラフの途中で終わっています"},
    };
    for (const Row& r : rows) {
        QStringList lines = WorkedExample;
        if (r.line >= 0) {
            lines[r.line] = QString::fromUtf8(r.text);
        } else {
            lines = lines.mid(0, r.cutAt);
        }
        const GraphFileContent c = Parse(lines);
        EXPECT_EQ(c.error, "t.lin" + QString::fromUtf8(r.message));
    }
    QStringList bare = WorkedExample;
    bare[10] = QStringLiteral("-3");  // a bare signed value still reads (and is clamped to 0)
    bare[6] = QStringLiteral("1");    // the smallest spacing that can be drawn
    bare[7] = QStringLiteral("2");
    const GraphFileContent smallest = Parse(bare);
    EXPECT_TRUE(smallest.ok());
    EXPECT_EQ(smallest.settings.trackedScaleX, 1);
    EXPECT_EQ(smallest.settings.trackedScaleY, 2);
    const GraphFileContent bad = ParseGraphFile("title\r\n<<spec5\r\n\x81\r\n", "t.lin", {}, true);
    EXPECT_EQ(bad.error,
              QStringLiteral(
                  "t.linの3行目が正しくありません：Shift-JISの文字として読めないバイトがあります"));
}

TEST(GraphFile, MoreThanTheCapacityIsRefused) {
    QStringList lines = WorkedExample.mid(0, 18);
    for (int i = 0; i < 101; ++i) {
        lines.append({"255,16", "y=x", "0,0", "1,1", "0,0", "0,0"});
    }
    const GraphFileContent c = Parse(lines);
    EXPECT_EQ(c.error, QStringLiteral("t.linには100個より多いグラフがあるため読み込めません"));
    lines = lines.mid(0, 18 + 600);
    EXPECT_EQ(Parse(lines).graphs.size(), 100u);
}

TEST(GraphFile, MissingOrEmptyNamesReadNothing) {
    QTemporaryDir dir;
    EXPECT_TRUE(ReadGraphFile("", {}, true).graphs.empty());
    const GraphFileContent missing = ReadGraphFile(dir.filePath("none"), {}, true);
    EXPECT_TRUE(missing.ok());
    EXPECT_TRUE(missing.graphs.empty());
    EXPECT_EQ(missing.fileName, dir.filePath("none.lin"));
}

TEST(GraphFile, FilesAreReadUpTo4MiB) {
    // Records files may grow to 64 MiB; a graph file holds at most 100 graphs and stays small.
    QTemporaryDir dir;
    const QString path = dir.filePath("big.lin");
    for (const qint64 size : {MaxGraphFileBytes, MaxGraphFileBytes + 1}) {
        SCOPED_TRACE(size);
        QByteArray bytes = FileBytes(WorkedExample);
        bytes += QByteArray(size - bytes.size(), ' ');  // a last line of blanks, kept in the memo
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), size);
        file.close();
        const GraphFileContent c = ReadGraphFile(path, {}, true);
        EXPECT_EQ(c.error, size == MaxGraphFileBytes
                               ? QString()
                               : QDir::toNativeSeparators(path) +
                                     QStringLiteral("は大きすぎるため読み込めません"));
        EXPECT_EQ(c.graphs.size(), size == MaxGraphFileBytes ? 2u : 0u);
    }
    EXPECT_EQ(MaxGraphFileBytes, 4 * 1024 * 1024);
}

TEST(GraphFile, FailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath("no/such/folder/x.lin");
    EXPECT_EQ(WriteGraphFile(missingFolder, "t", {}, true, {"t"}),
              QDir::toNativeSeparators(missingFolder) + QStringLiteral("の保存に失敗しました"));

    const QString path = dir.filePath("keep.lin");
    ASSERT_EQ(WriteGraphFile(path, "t", {}, true, {"t"}), QString());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const QString error = WriteGraphFile(path, QStringLiteral("単元€"), {}, true, {"t"});
    EXPECT_TRUE(
        error.startsWith(QDir::toNativeSeparators(path) + QStringLiteral("の保存に失敗しました")));
    EXPECT_TRUE(error.contains(QStringLiteral("€")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

// Every bundled unit, read and written again, gives back its own bytes.
TEST(GraphFile, SampleUnitsRoundTripByteForByte) {
    const QDir samples(QStringLiteral(SAMPLE_UNITS_DIR));
    const QStringList units = samples.entryList({QStringLiteral("*.lin")}, QDir::Files);
    ASSERT_GE(units.size(), 5);
    QTemporaryDir dir;
    for (const QString& unit : units) {
        SCOPED_TRACE(unit.toStdString());
        const GraphFileContent c = ReadGraphFile(samples.filePath(unit), {}, true);
        ASSERT_TRUE(c.ok()) << c.error.toStdString();
        ASSERT_FALSE(c.graphs.empty());
        const QString copy = dir.filePath(unit);
        ASSERT_EQ(WriteGraphFile(copy, c.title(), c.settings, c.EndCircles, c.memo), QString());
        QFile original(samples.filePath(unit));
        QFile written(copy);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
        EXPECT_EQ(written.readAll(), original.readAll());
    }
}

}  // namespace
