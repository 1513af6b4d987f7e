// Editing graphs in place through the selection.
#include "graph_edits.h"

namespace {

// The graph's text in the current form, its list line and its memo lines, after a change.
void Rewrite(GraphTable& t, const EditingState& s, int i) {
    TLineSpec& g = t.LineTable[i];
    g.Text = EquationText(g, s.Form);
    ReplaceGraphLines(t, g, i);
}

void Shift(LatticePoint& p, int dx, int dy) {
    p.X += dx;
    p.Y += dy;
}

}  // namespace

std::vector<int> MoveSelected(GraphTable& t, const EditingState& s, char direction) {
    int dx = 0;
    int dy = 0;
    switch (direction) {
        case 'U':
            dy = 1;
            break;
        case 'D':
            dy = -1;
            break;
        case 'R':
            dx = 1;
            break;
        case 'L':
            dx = -1;
            break;
        default:
            return {};
    }
    std::vector<int> changed;
    for (int i = 0; i < t.LineCount; ++i) {
        if (!t.Selected.test(i)) {
            continue;
        }
        TLineSpec& g = t.LineTable[i];
        Shift(g.P1, dx, dy);
        // A point's P2 holds its circle radius and a label's its font size: they stay.
        if (HasDirection(g)) {
            Shift(g.P2, dx, dy);
        }
        if (HasDomainEnds(g)) {
            Shift(g.D1, dx, dy);
            Shift(g.D2, dx, dy);
        }
        Rewrite(t, s, i);
        changed.push_back(i);
    }
    return changed;
}

SlopeStepResult ChangeSlopeIntercept(GraphTable& t, const EditingState& s, int step) {
    SlopeStepResult result;
    if (t.LineCount == 0) {
        result.message = NothingToMoveMessage;
        return result;
    }
    if (t.Selected.none()) {
        result.message = ChooseGraphToMoveMessage;
        return result;
    }
    for (int i = 0; i < t.LineCount; ++i) {
        TLineSpec& g = t.LineTable[i];
        if (!t.Selected.test(i) || !HasDirection(g)) {
            continue;
        }
        result.lastLooked = i;
        if (IsVertical(g)) {
            result.message =
                g.Text + QStringLiteral("は１次関数ではないので\n傾きや切片がありません");
            break;
        }
        // The slope steps the way the button's arrow points, whichever way the line was drawn.
        const int run = g.P2.X > g.P1.X ? 1 : -1;
        switch (step) {
            case SlopeUp:
                g.P2.Y += run;
                break;
            case SlopeDown:
                g.P2.Y -= run;
                break;
            case InterceptUp:
                g.P1.Y += 1;
                g.P2.Y += 1;
                break;
            case InterceptDown:
                g.P1.Y -= 1;
                g.P2.Y -= 1;
                break;
            default:
                continue;
        }
        Rewrite(t, s, i);
        result.changed.push_back(i);
    }
    return result;
}

bool RecolorGraphs(GraphTable& t, int32_t chosen, bool selectedOnly) {
    bool any = false;
    for (int i = 0; i < t.LineCount; ++i) {
        if (selectedOnly && !t.Selected.test(i)) {
            continue;
        }
        TLineSpec& g = t.LineTable[i];
        g.Color = chosen == AutomaticColor ? ColorCycleTable[i % 16] : chosen;
        ReplaceGraphLines(t, g, i);
        any = true;
    }
    if (chosen == AutomaticColor && t.LineCount > 0) {
        t.ColorCycle = t.LineCount;
    }
    return any;
}

bool SetSelectedWidth(GraphTable& t, int32_t width) {
    bool any = false;
    for (int i = 0; i < t.LineCount; ++i) {
        if (t.Selected.test(i)) {
            t.LineTable[i].Width = width;
            ReplaceGraphLines(t, t.LineTable[i], i);
            any = true;
        }
    }
    return any;
}

std::vector<int> RewriteSelectedTexts(GraphTable& t, const EditingState& s) {
    std::vector<int> rewritten;
    for (int i = 0; i < t.LineCount; ++i) {
        if (!t.Selected.test(i)) {
            continue;
        }
        Rewrite(t, s, i);
        rewritten.push_back(i);
    }
    return rewritten;
}
