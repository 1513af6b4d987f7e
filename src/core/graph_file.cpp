// Reading and writing graph files.
#include "graph_file.h"

#include <QFile>
#include <QFileInfo>
#include <cstdlib>

#include "path_text.h"
#include "regular_file.h"
#include "replace_file.h"
#include "sjis_codec.h"
#include "unit_title.h"

namespace {

const QString SpecMarker = QStringLiteral("<<spec");

QString FlagText(bool flag) {
    return flag ? QStringLiteral("True") : QStringLiteral("False");
}
bool FlagValue(const QString& line) {
    return line == QStringLiteral("True");
}

// The message for a file that stops being readable at a line (counted from 1 for the user).
QString LineError(const QString& fileName, int lineIndex, const QString& reason) {
    return ShownPath(fileName) + QStringLiteral("の%1行目が正しくありません：").arg(lineIndex + 1) +
           reason;
}

QString NotIntegerReason(const QString& text) {
    return QStringLiteral("「%1」は整数ではありません").arg(text);
}

// A whole number as the file stores it: an optional sign and decimal digits; an empty text is 0.
bool ParseFileInt(const QString& raw, int32_t* value) {
    const QString text = raw.trimmed();
    int v = 0;
    if (!ParseSettingInt(text, &v)) {
        return false;
    }
    *value = v;
    return true;
}

// A spin edit's value (scale steps, margin): written as a plain integer, so a blank or padded
// line is malformed rather than 0.
bool ParseSpinLine(const QString& line, int32_t* value) {
    if (line.isEmpty() || line.trimmed() != line) {
        return false;
    }
    return ParseFileInt(line, value);
}

// The format digit shown for line 1 and the first line of the graphs.
struct HeaderFormat {
    QString shown = QStringLiteral("0");
    int firstBodyLine = 1;
};

HeaderFormat DetectFormat(const QStringList& lines) {
    HeaderFormat f;
    if (lines.size() < 2 || !lines[1].startsWith(SpecMarker)) {
        return f;
    }
    const QChar digit = lines[1].size() > SpecMarker.size() ? lines[1][SpecMarker.size()] : QChar();
    switch (digit.unicode()) {
        case u'1':
            return {QStringLiteral("1"), 10};
        case u'2':
            return {QStringLiteral("2"), 12};
        case u'3':
            return {QStringLiteral("3"), 14};
        case u'4':
            return {QStringLiteral("4"), 16};
        case u'5':
            return {QStringLiteral("5"), 18};
        default:
            return {QStringLiteral("1"), 11};  // unknown or missing digit
    }
}

// Applies header lines 2 .. firstBodyLine − 1 to the settings. Returns an error or empty.
QString ReadHeader(const QStringList& lines, int firstBodyLine, const QString& fileName,
                   GraphFileContent* out) {
    if (lines.size() < firstBodyLine) {
        return LineError(fileName, lines.size(),
                         QStringLiteral("ファイルが設定の途中で終わっています"));
    }
    // Every number of the header must be a whole number, or the plane could not be drawn.
    auto integerLine = [&](int i, int32_t* value) -> QString {
        if (!ParseFileInt(lines[i], value)) {
            return LineError(fileName, i, NotIntegerReason(lines[i]));
        }
        return QString();
    };
    auto spinLine = [&](int i, int32_t* value) -> QString {
        if (!ParseSpinLine(lines[i], value)) {
            return LineError(fileName, i, NotIntegerReason(lines[i]));
        }
        return QString();
    };
    int32_t scratch = 0;
    for (int i : {2, 3, 4, 5, 6, 7}) {
        if (QString e = integerLine(i, &scratch); !e.isEmpty()) {
            return e;
        }
        // A spacing below 1 has no lattice to draw. A negative one would slip through only
        // because the tracked value drops the sign, which the settings window never accepts.
        if ((i == 6 || i == 7) && scratch < 1) {
            return LineError(fileName, i, QStringLiteral("目盛間隔は1以上です"));
        }
    }
    PlaneSettings& s = out->settings;
    s.setSizeX(lines[2].trimmed());
    if (s.trackedSizeX > 384) {
        s.setSizeX(QStringLiteral("384"));
    }
    s.setSizeY(lines[3].trimmed());
    if (s.trackedSizeY > 384) {
        s.setSizeY(QStringLiteral("384"));
    }
    s.StartX = lines[4].trimmed();
    s.StartY = lines[5].trimmed();
    s.setDX(lines[6].trimmed());
    s.setDY(lines[7].trimmed());
    out->EndCircles = FlagValue(lines[8]);
    if (firstBodyLine > 10) {
        int32_t x = 0, y = 0;
        if (QString e = spinLine(9, &x); !e.isEmpty()) {
            return e;
        }
        if (QString e = spinLine(10, &y); !e.isEmpty()) {
            return e;
        }
        s.setScaleNumberX(x);
        s.setScaleNumberY(y);
    }
    if (firstBodyLine >= 14) {
        s.AxisLetters = FlagValue(lines[11]);
    }
    if (firstBodyLine >= 16) {
        for (int i : {13, 14}) {
            if (QString e = integerLine(i, &scratch); !e.isEmpty()) {
                return e;
            }
        }
        s.EndX = lines[13].trimmed();
        s.EndY = lines[14].trimmed();
    }
    if (firstBodyLine >= 18) {
        int32_t yohaku = 0;
        if (QString e = spinLine(15, &yohaku); !e.isEmpty()) {
            return e;
        }
        s.setYohaku(yohaku);
        s.ScaleNumbers = FlagValue(lines[16]);
    }
    return QString();
}

QString PairText(LatticePoint p) {
    return QString::number(p.X) + u',' + QString::number(p.Y);
}

// Reads the graphs of a memo (line 0 the title, then linesPerGraph lines a graph); trailing lines
// that make no whole graph are left alone. lineOffset turns a memo line into the line number of
// the messages. Returns the error, or empty.
QString ParseGraphBody(const QStringList& memo, int linesPerGraph, int lineOffset,
                       const QString& fileName, int capacity, std::vector<TLineSpec>* graphs) {
    const int count = memo.size() / linesPerGraph;
    if (count > capacity) {
        return ShownPath(fileName) +
               QStringLiteral("には%1個より多いグラフがあるため読み込めません").arg(capacity);
    }
    auto fileLine = [&](int memoIndex) { return lineOffset + memoIndex; };
    graphs->reserve(count);
    int m = 1;
    for (int k = 0; k < count; ++k) {
        if (m + linesPerGraph > memo.size()) {
            return LineError(fileName, fileLine(memo.size()),
                             QStringLiteral("ファイルがグラフの途中で終わっています"));
        }
        TLineSpec spec;
        const TextPair codes = SplitPair(memo[m]);
        int32_t color = 0, attr = 0;
        if (!ParseFileInt(codes.first, &color) || !ParseFileInt(codes.second, &attr)) {
            return LineError(fileName, fileLine(m), NotIntegerReason(memo[m]));
        }
        UnpackAttrCode(attr, &spec);
        spec.Color = color;
        spec.Text = memo[m + 1];
        LatticePoint* points[] = {&spec.P1, &spec.P2, &spec.D1, &spec.D2};
        const int pointLines = linesPerGraph - 2;
        for (int p = 0; p < pointLines; ++p) {
            const int at = m + 2 + p;
            const TextPair pair = SplitPair(memo[at]);
            if (!ParseFileInt(pair.first, &points[p]->X) ||
                !ParseFileInt(pair.second, &points[p]->Y)) {
                return LineError(fileName, fileLine(at), NotIntegerReason(memo[at]));
            }
            if (std::abs(int64_t(points[p]->X)) > MaxGraphCoordinate ||
                std::abs(int64_t(points[p]->Y)) > MaxGraphCoordinate) {
                return LineError(fileName, fileLine(at),
                                 QStringLiteral("座標は-%1から%1までです").arg(MaxGraphCoordinate));
            }
        }
        if (linesPerGraph == 4) {
            spec.D1 = spec.P1;
            spec.D2 = spec.P2;
        }
        graphs->push_back(spec);
        m += linesPerGraph;
    }
    return QString();
}

// Where the extension of the file-name part begins: its last ".", so that "unit.v2.lin" is a .lin
// file; -1 when the file name has no ".".
qsizetype ExtensionDot(const QString& name) {
    const qsizetype slash = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > slash ? dot : -1;
}

}  // namespace

int32_t PackAttrCode(const TLineSpec& spec) {
    return KindNumber(spec.Kind) + 16 * spec.Width + 256 * spec.EndKind + 4096 * spec.Attr;
}

void UnpackAttrCode(int32_t code, TLineSpec* spec) {
    const uint32_t bits = static_cast<uint32_t>(code);
    // 5..15 name no kind: they are kept as they stand, and a save writes them back.
    spec->Kind = KindOfNumber(bits & 0xF);
    spec->Width = (bits >> 4) & 0xF;
    if (spec->Width == 0) {
        spec->Width = 1;
    }
    spec->EndKind = (bits >> 8) & 0xF;
    spec->Attr = (bits >> 12) & 0xF;
}

TextPair SplitPair(const QString& line) {
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        return {line, QString()};
    }
    return {line.left(comma), line.mid(comma + 1)};
}

QString FileExtOf(const QString& name) {
    const qsizetype dot = ExtensionDot(name);
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

FixedFileName FixGraphFileName(const QString& name) {
    const qsizetype dot = ExtensionDot(name);
    if (dot < 0) {
        return {name + QStringLiteral(".lin"), QString()};
    }
    const QString ext = FileExtOf(name);
    if (ext == QStringLiteral(".lin") || ext == QStringLiteral(".cai")) {
        return {name, QString()};
    }
    return {name.left(dot) + QStringLiteral(".lin"),
            ext + QStringLiteral("拡張子は.linまたは.CAIを使ってください")};
}

QString GraphFileContent::title() const {
    return memo.isEmpty() ? QString() : OneLineTitle(memo.first());
}

GraphFileContent ParseGraphFile(const QByteArray& bytes, const QString& fileName,
                                const PlaneSettings& settings, bool EndCircles, int capacity) {
    GraphFileContent out;
    out.fileName = fileName;
    out.settings = settings;
    out.EndCircles = EndCircles;
    out.formatShown = QStringLiteral("0");

    const DecodedText decoded = DecodeCp932(bytes);
    if (!decoded.ok()) {
        const int line = bytes.left(decoded.badOffset).count('\n') +
                         (bytes.left(decoded.badOffset).count('\r') -
                          bytes.left(decoded.badOffset).count("\r\n"));
        out.error = LineError(fileName, line,
                              QStringLiteral("Shift-JISの文字として読めないバイトがあります"));
        return out;
    }
    const QStringList lines = SplitTextLines(decoded.text);
    if (lines.isEmpty()) {
        return out;  // an empty file holds no graphs
    }

    const HeaderFormat format = DetectFormat(lines);
    out.formatShown = format.shown;
    if (format.firstBodyLine > 1) {
        out.hasHeader = true;
        if (QString e = ReadHeader(lines, format.firstBodyLine, fileName, &out); !e.isEmpty()) {
            out.error = e;
            return out;
        }
    }

    // The memo holds the title and every line from the first graph on.
    QStringList memo{lines[0]};
    memo.append(lines.mid(format.firstBodyLine));
    const int linesPerGraph = format.firstBodyLine == 18 ? 6 : 4;
    std::vector<TLineSpec> graphs;
    if (QString e = ParseGraphBody(memo, linesPerGraph, format.firstBodyLine - 1, fileName,
                                   capacity, &graphs);
        !e.isEmpty()) {
        out.error = e;
        return out;
    }
    const int count = int(graphs.size());

    if (linesPerGraph == 4) {
        // Older files are kept in the six-line form from now on, so a save writes format 5. The
        // two new lines hold what the graphs were given, P1 and P2, for every kind: the memo must
        // read as the graphs do, or a save would change them (a label would lose its font size).
        QStringList rebuilt{lines[0]};
        for (int k = 0; k < count; ++k) {
            rebuilt.append(lines.mid(format.firstBodyLine + 4 * k, 4));
            rebuilt.append(PairText(graphs[k].D1));
            rebuilt.append(PairText(graphs[k].D2));
        }
        memo = rebuilt;
    }
    out.memo = memo;
    out.graphs = std::move(graphs);
    return out;
}

MemoContent ParseMemo(const QStringList& memo, int capacity) {
    MemoContent out;
    if (memo.isEmpty()) {
        out.error = QStringLiteral("単元の内容の1行目が正しくありません：単元名がありません");
        return out;
    }
    // The memo's lines are numbered from 0 for the title, so line i is the (i + 1)-th line.
    out.error = ParseGraphBody(memo, 6, 0, QStringLiteral("単元の内容"), capacity, &out.graphs);
    return out;
}

GraphFileContent ReadGraphFile(const QString& name, const PlaneSettings& settings, bool EndCircles,
                               int capacity) {
    GraphFileContent out;
    out.settings = settings;
    out.EndCircles = EndCircles;
    out.formatShown = QStringLiteral("0");
    if (name.isEmpty()) {
        return out;
    }
    const FixedFileName fixed = FixGraphFileName(name);
    out.fileName = fixed.name;
    out.notice = fixed.message;
    if (!QFileInfo::exists(fixed.name)) {
        return out;
    }
    QFile file(fixed.name);
    if (!OpenRegularFile(file)) {
        out.error = ShownPath(fixed.name) + QStringLiteral("を読み込めません");
        return out;
    }
    if (file.size() > MaxGraphFileBytes) {
        out.error = ShownPath(fixed.name) + QStringLiteral("は大きすぎるため読み込めません");
        return out;
    }
    const QByteArray bytes = file.read(MaxGraphFileBytes + 1);
    if (bytes.size() > MaxGraphFileBytes) {
        out.error = ShownPath(fixed.name) + QStringLiteral("は大きすぎるため読み込めません");
        return out;
    }
    GraphFileContent parsed = ParseGraphFile(bytes, fixed.name, settings, EndCircles, capacity);
    parsed.notice = fixed.message;
    return parsed;
}

QStringList GraphFileLines(const QString& unitTitle, const PlaneSettings& s, bool EndCircles,
                           const QStringList& memo) {
    QStringList lines{unitTitle,
                      SpecMarker + u'5',
                      s.SizeX,
                      s.SizeY,
                      s.StartX,
                      s.StartY,
                      s.SpacingX,
                      s.SpacingY,
                      FlagText(EndCircles),
                      QString::number(s.ScaleNumberX),
                      QString::number(s.ScaleNumberY),
                      FlagText(s.AxisLetters),
                      QStringLiteral("-----"),
                      s.EndX,
                      s.EndY,
                      QString::number(s.Margin),
                      FlagText(s.ScaleNumbers),
                      QStringLiteral(">>")};
    lines.append(memo.mid(1));
    return lines;
}

EncodedGraphFile EncodeGraphFile(const QStringList& lines) {
    EncodedGraphFile out;
    for (int i = 0; i < lines.size(); ++i) {
        const EncodedText encoded = EncodeCp932(lines[i]);
        if (!encoded.ok()) {
            return {{},
                    QStringLiteral("%1行目：").arg(i + 1) + CannotEncodeMessage(encoded.badChar)};
        }
        out.bytes += encoded.bytes;
        out.bytes += "\r\n";
    }
    return out;
}

QString WriteGraphFile(const QString& fileName, const QString& unitTitle,
                       const PlaneSettings& settings, bool EndCircles, const QStringList& memo) {
    const QString failed = ShownPath(fileName) + QStringLiteral("の保存に失敗しました");
    const EncodedGraphFile encoded =
        EncodeGraphFile(GraphFileLines(unitTitle, settings, EndCircles, memo));
    if (!encoded.problem.isEmpty()) {
        return failed + u'\n' + encoded.problem;
    }
    if (!ReplaceFile(fileName, encoded.bytes).ok) {
        return failed;
    }
    return QString();
}

MemoContent ReadEditedMemo(const QStringList& memo) {
    for (int i = 0; i < memo.size(); ++i) {
        const EncodedText encoded = EncodeCp932(memo[i]);
        if (!encoded.ok()) {
            MemoContent out;
            out.error = QStringLiteral("単元の内容の%1行目：").arg(i + 1) +
                        CannotEncodeMessage(encoded.badChar);
            return out;
        }
    }
    return ParseMemo(memo);
}
