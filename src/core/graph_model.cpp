// The graph table and its two mirrors, the formula-list selection and the unit contents memo.
#include "graph_model.h"

#include <algorithm>

#include "graph_file.h"

int32_t NextColor(const EditingState& s, const GraphTable& t) {
    if (s.FixedColor != AutomaticColor) {
        return s.FixedColor;
    }
    return ColorCycleTable[((t.ColorCycle % 16) + 16) % 16];
}

int32_t CurrentEndKind(const EditingState& s) {
    switch (s.LineMode) {
        case GraphKind::Segment:
            return s.SegmentEndKind;
        case GraphKind::Ray:
            return s.RayEndKind;
        case GraphKind::Line:
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return 0;
}

TLineSpec NewLineSpec(const EditingState& s, const GraphTable& t, LatticePoint first,
                      LatticePoint second) {
    TLineSpec spec;
    spec.Kind = s.LineMode;
    spec.Width = s.LineWidth;
    spec.EndKind = CurrentEndKind(s);
    spec.Color = NextColor(s, t);
    spec.P1 = first;
    spec.P2 = second;
    spec.Attr = 0;
    spec.Text = EquationText(spec, s.Form);
    return spec;
}

TLineSpec CopyLineSpec(LatticePoint first, LatticePoint second, const TLineSpec& source,
                       EquationForm form) {
    TLineSpec spec = source;
    spec.P1 = first;
    spec.P2 = second;
    spec.Text = EquationText(spec, form);
    return spec;
}

QStringList GraphTextLines(const TLineSpec& spec) {
    auto pair = [](int32_t a, int32_t b) {
        QString text = QString::number(a);
        text += u',';
        text += QString::number(b);
        return text;
    };
    QStringList lines;
    lines.reserve(6);
    lines.append(pair(spec.Color, PackAttrCode(spec)));
    lines.append(spec.Text);
    for (LatticePoint p : {spec.P1, spec.P2, spec.D1, spec.D2}) {
        lines.append(pair(p.X, p.Y));
    }
    return lines;
}

void AppendGraphLines(GraphTable& t, const TLineSpec& spec) {
    // The six lines go right after the last whole graph, before any lines the user or a file
    // left at the end of the memo, so that line 6i+1 stays graph i.
    const int at = 1 + 6 * t.LineCount;
    while (t.Memo.size() < at) {
        t.Memo.append(QString());
    }
    const QStringList lines = GraphTextLines(spec);
    for (int k = 0; k < 6; ++k) {
        t.Memo.insert(at + k, lines[k]);
    }
}

void ReplaceGraphLines(GraphTable& t, const TLineSpec& spec, int index) {
    const QStringList lines = GraphTextLines(spec);
    const int at = 1 + 6 * index;
    while (t.Memo.size() < at + 6) {
        t.Memo.append(QString());
    }
    for (int k = 0; k < 6; ++k) {
        t.Memo[at + k] = lines[k];
    }
}

AddResult AddOrReplaceGraph(GraphTable& t, const EditingState& s, const TLineSpec& spec, int index,
                            int* changedIndex) {
    // Only adding is refused when the table is full: a replacement does not grow it.
    if (index < 0 && t.LineCount >= MaxGraphs) {
        return AddResult::TableFull;
    }
    AddResult result;
    if (index < 0) {
        AppendGraphLines(t, spec);
        t.LineTable[t.LineCount] = spec;
        ++t.LineCount;
        if (s.FixedColor == AutomaticColor) {
            t.ColorCycle = ((t.ColorCycle % 16) + 16) % 16 + 1;
        }
        index = t.LineCount - 1;
        result = AddResult::Added;
    } else {
        t.LineTable[index] = spec;
        ReplaceGraphLines(t, spec, index);
        result = AddResult::Replaced;
    }
    SelectOnly(t, index);
    if (changedIndex) {
        *changedIndex = index;
    }
    return result;
}

void SelectOnly(GraphTable& t, int index) {
    if (index < 0 || index >= t.LineCount) {
        return;
    }
    t.Selected.reset();
    t.Selected.set(index);
}

int CurrentIndex(const GraphTable& t) {
    for (int i = 0; i < t.LineCount; ++i) {
        if (t.Selected.test(i)) {
            return i;
        }
    }
    return t.LineCount - 1;
}

int DeleteSelected(GraphTable& t) {
    int kept = 0;
    int deleted = 0;
    std::bitset<MaxGraphs> selected = t.Selected;
    for (int i = 0; i < t.LineCount; ++i) {
        if (selected.test(i)) {
            ++deleted;
            continue;
        }
        t.LineTable[kept++] = t.LineTable[i];
    }
    // Memo lines go from the highest deleted index down, so the lower indices stay valid.
    for (int i = t.LineCount - 1; i >= 0; --i) {
        if (selected.test(i)) {
            const int at = 1 + 6 * i;
            for (int k = 0; k < 6 && at < t.Memo.size(); ++k) {
                t.Memo.removeAt(at);
            }
        }
    }
    t.LineCount = kept;
    t.Selected.reset();
    return deleted;
}

void LoadGraphs(GraphTable& t, const std::vector<TLineSpec>& graphs, const QStringList& memo) {
    t.LineCount = std::min(int(graphs.size()), MaxGraphs);
    std::copy_n(graphs.begin(), t.LineCount, t.LineTable.begin());
    t.Selected.reset();
    t.Memo = memo;
}
