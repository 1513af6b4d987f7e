// JSON text of a graph file that was read.
#include "graph_json.h"

#include "equation_text.h"
#include "fraction.h"
#include "json_writer.h"
#include "value_table_columns.h"

namespace {

void WriteSettings(JsonWriter& w, const GraphFileContent& c) {
    const PlaneSettings& s = c.settings;
    w.BeginObject();
    const std::pair<const char*, const SettingText*> texts[] = {
        {"SizeX", &s.SizeX},   {"SizeY", &s.SizeY},     {"StartX", &s.StartX},
        {"StartY", &s.StartY}, {"ScaleX", &s.SpacingX}, {"ScaleY", &s.SpacingY},
        {"EndX", &s.EndX},     {"EndY", &s.EndY},
    };
    for (const auto& [key, value] : texts) {
        w.Key(QString::fromLatin1(key));
        w.String(*value);
    }
    w.Key("ScaleNumberX");
    w.Number(s.ScaleNumberX);
    w.Key("ScaleNumberY");
    w.Number(s.ScaleNumberY);
    w.Key("Yohaku");
    w.Number(s.Margin);
    w.Key("chkMaru");
    w.Bool(c.EndCircles);
    w.Key("chkXY");
    w.Bool(s.AxisLetters);
    w.Key("chkMemori");
    w.Bool(s.ScaleNumbers);
    w.EndObject();
}

void WriteGraph(JsonWriter& w, const TLineSpec& g) {
    w.BeginObject();
    const std::pair<const char*, int> numbers[] = {
        {"kind", KindNumber(g.Kind)}, {"width", g.Width}, {"endKind", g.EndKind},
        {"color", g.Color},           {"attr", g.Attr},
    };
    for (const auto& [key, value] : numbers) {
        w.Key(QString::fromLatin1(key));
        w.Number(value);
    }
    const std::pair<const char*, LatticePoint> points[] = {
        {"p1", g.P1}, {"p2", g.P2}, {"d1", g.D1}, {"d2", g.D2}};
    for (const auto& [key, p] : points) {
        w.Key(QString::fromLatin1(key));
        w.IntPair(p.X, p.Y);
    }
    const SlopeInterceptTexts slope = SlopeAndInterceptTexts(g);
    const std::pair<const char*, QString> texts[] = {
        {"text", g.Text},
        {"standard", EquationText(g, EquationForm::Standard)},
        {"general", EquationText(g, EquationForm::General)},
        {"xDomain", XDomainText(g)},
        {"yDomain", YDomainText(g)},
        {"slope", slope.slope},
        {"intercept", slope.intercept},
    };
    for (const auto& [key, value] : texts) {
        w.Key(QString::fromLatin1(key));
        w.String(value);
    }
    w.Key("table");
    w.BeginArray();
    for (int x : ValueTableXs(g, StartupValueTableWidth / ValueColumnPitch)) {
        w.IntStringPair(x, FractionText(LineYAt(g, x)));
    }
    w.EndArray();
    w.EndObject();
}

}  // namespace

QString GraphFileJson(const GraphFileContent& c) {
    JsonWriter w;
    w.BeginObject();
    w.Key("title");
    w.String(c.title());
    w.Key("format");
    w.Number(c.formatShown.toInt());
    w.Key("settings");
    WriteSettings(w, c);
    w.Key("graphs");
    w.BeginArray();
    for (const TLineSpec& g : c.graphs) {
        WriteGraph(w, g);
    }
    w.EndArray();
    w.EndObject();
    return w.text() + u'\n';
}
