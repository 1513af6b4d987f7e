// The gesture states of the plane: idle, rubber band (new line or dragged endpoint), first domain
// end awaited, second end or direction awaited. Only this class changes them.
#include "plane_gesture.h"

bool IsEndpointOf(const TLineSpec& graph, LatticePoint p) {
    switch (graph.Kind) {
        case GraphKind::Line:
        case GraphKind::Segment:
        case GraphKind::Ray:
            return graph.P1 == p || graph.P2 == p;
        case GraphKind::Point:
        case GraphKind::Label:
            // A point's P2 holds its circle radius and a label's its font size: neither is a place.
            return graph.P1 == p;
        case GraphKind::None:
            break;
    }
    return false;
}

void PlaneGesture::Reset() {
    EditIndex = -1;
    DrawState = DrawIdle;
    GrabEnd = 0;
    FirstMarkShown = false;  // whatever ends a gesture redraws the plane without it
}

void PlaneGesture::Forget() {
    Reset();
    WorkSpec.P2 = {99, 99};
    LastPos = {99, 99};
}

void PlaneGesture::ResetInto(GestureEffects& out) {
    Reset();
    out.cursor = CursorPencil;
}

LatticePoint& PlaneGesture::MovingEnd() {
    return GrabEnd == 1 ? WorkSpec.P1 : WorkSpec.P2;
}

LatticePoint PlaneGesture::FixedEnd() const {
    return GrabEnd == 1 ? WorkSpec.P2 : WorkSpec.P1;
}

LatticePoint PlaneGesture::OnLine(LatticePoint p) const {
    if (IsVertical(WorkSpec)) {
        return {WorkSpec.P1.X, p.Y};
    }
    return p;
}

GestureEffects PlaneGesture::Press(GestureButton button, LatticePoint p, bool insideGrid,
                                   int maruRad, LabelQueue& labels) {
    const bool placingLabel = edit_.LineMode == GraphKind::Label && DrawState == DrawIdle;
    if (!insideGrid && !placingLabel) {
        return {};
    }
    GestureEffects out;
    switch (DrawState) {
        case DrawIdle:
            return PressIdle(button, p, maruRad, labels);
        case DrawRubberBand:
            PressSecondPoint(p, out);
            break;
        case DrawAwaitFirstEnd:
            PressFirstEnd(p, out);
            break;
        case DrawAwaitSecondEnd:
            PressSecondEnd(p, out);
            break;
        default:
            ResetInto(out);
            break;
    }
    return out;
}

GestureEffects PlaneGesture::PressIdle(GestureButton button, LatticePoint p, int maruRad,
                                       LabelQueue& labels) {
    GestureEffects out;
    if (button == GestureButton::Right) {
        // Grab an endpoint of a selected graph for dragging.
        DownPos = p;
        EditIndex = -1;
        for (int i = 0; i < drawing_.Table().LineCount; ++i) {
            const TLineSpec& graph = drawing_.Table().LineTable[i];
            if (!drawing_.Table().Selected.test(i) || !IsEndpointOf(graph, p)) {
                continue;
            }
            WorkSpec = graph;
            if (graph.Kind == GraphKind::Label) {
                return out;  // labels have no endpoints to drag
            }
            out.cursor = graph.Kind == GraphKind::Point ? CursorPoint : CursorFinger;
            EditIndex = i;
            DrawState = DrawRubberBand;
            GrabEnd = graph.P1 == p ? 1 : 2;
            // The band is drawn from where the end was grabbed, whatever the last move saw.
            LastPos = p;
            return out;
        }
        return out;
    }
    out.clearPanels = true;
    switch (edit_.LineMode) {
        case GraphKind::Line:
        case GraphKind::Segment:
        case GraphKind::Ray:
            out.cursor = CursorArrow;
            WorkSpec = NewLineSpec(edit_, drawing_.Table(), p, {0, 0});
            WorkSpec.D1 = {-99, 99};
            out.marks.push_back({PlaneMark::Shape::FirstPoint, p, {}});
            FirstMarkShown = true;
            DrawState = DrawRubberBand;
            LastPos = p;
            GrabEnd = 2;
            break;
        case GraphKind::Point:
            WorkSpec = NewLineSpec(edit_, drawing_.Table(), p, {maruRad, 99});
            Store(WorkSpec, -1, out);
            ResetInto(out);
            break;
        case GraphKind::Label:
            if (labels.waiting()) {
                PlaceLabel(p, labels, out);
            }
            break;
        case GraphKind::None:
            break;
    }
    return out;
}

void PlaneGesture::PressSecondPoint(LatticePoint p, GestureEffects& out) {
    TLineSpec& work = WorkSpec;
    const bool editing = EditIndex >= 0;
    if (editing && work.Kind == GraphKind::Point) {
        work.P1 = p;
        Commit(out);
        return;
    }
    if (p == FixedEnd()) {
        out.messages.append(SamePointMessage);
        out.redisplay = editing;  // a dragged graph is shown where it was
        if (FirstMarkShown) {
            out.marks.push_back({PlaneMark::Shape::FirstPoint, work.P1, {}});  // erased
        }
        ResetInto(out);
        return;
    }
    if (!editing) {
        // The tool may have changed since the first press: the new graph is what the tool is now.
        work.Kind = edit_.LineMode;
        work.EndKind = CurrentEndKind(edit_);
    }
    switch (work.Kind) {
        case GraphKind::Line:
            CommitLine(p, out);
            return;
        case GraphKind::Segment:
        case GraphKind::Ray:
            MovingEnd() = p;
            out.cursor = CursorScissors;
            DrawState = DrawAwaitFirstEnd;
            return;
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    ResetInto(out);
}

void PlaneGesture::PressFirstEnd(LatticePoint p, GestureEffects& out) {
    TLineSpec& work = WorkSpec;
    if (!HasDomainEnds(work)) {
        ResetInto(out);
        return;
    }
    out.cursor = work.Kind == GraphKind::Segment ? CursorScissors : CursorCross;
    work.D1 = OnLine(p);
    out.marks.push_back({PlaneMark::Shape::DomainCross, work.D1, work});
    DrawState = DrawAwaitSecondEnd;
}

void PlaneGesture::PressSecondEnd(LatticePoint p, GestureEffects& out) {
    TLineSpec& work = WorkSpec;
    const bool vertical = IsVertical(work);
    const PlaneMark firstEndMark{PlaneMark::Shape::DomainCross, work.D1, work};
    if (work.Kind == GraphKind::Ray) {
        // The direction must tell which way the ray runs: along y on a vertical line, along x
        // on any other.
        if (vertical ? p.Y == work.D1.Y : p.X == work.D1.X) {
            out.messages.append(BadDirectionMessage);
            return;
        }
        work.D2 = OnLine(p);
        Commit(out);
        return;
    }
    if (work.Kind != GraphKind::Segment) {
        ResetInto(out);
        return;
    }
    if (vertical ? p.Y == work.D1.Y : p.X == work.D1.X) {
        out.messages.append(BadDomainMessage);
        out.marks.push_back(firstEndMark);  // erased: the first end is chosen again
        DrawState = DrawAwaitFirstEnd;
        return;
    }
    work.D2 = OnLine(p);
    out.marks.push_back(firstEndMark);
    if (!vertical && p.X <= work.D1.X) {
        std::swap(work.D1, work.D2);  // a segment keeps D1.X < D2.X
    }
    Commit(out);
}

void PlaneGesture::Commit(GestureEffects& out) {
    WorkSpec.Text = EquationText(WorkSpec, edit_.Form);
    Store(WorkSpec, EditIndex, out);
    ResetInto(out);
}

void PlaneGesture::CommitLine(LatticePoint p, GestureEffects& out) {
    LastPos = p;
    Kakutei(out);
    ResetInto(out);
}

void PlaneGesture::Kakutei(GestureEffects& out) {
    const QString keptText = WorkSpec.Text;
    const EquationForm form = edit_.Form;
    if (EditIndex < 0) {
        WorkSpec = NewLineSpec(edit_, drawing_.Table(), WorkSpec.P1, LastPos);
    } else if (GrabEnd == 1) {
        WorkSpec = CopyLineSpec(LastPos, WorkSpec.P2, drawing_.Table().LineTable[EditIndex], form);
        if (WorkSpec.Kind == GraphKind::Label) {
            WorkSpec.Text = keptText;
        }
    } else {
        WorkSpec = CopyLineSpec(WorkSpec.P1, LastPos, drawing_.Table().LineTable[EditIndex], form);
    }
    Store(WorkSpec, EditIndex, out);
}

bool PlaneGesture::Store(const TLineSpec& spec, int index, GestureEffects& out) {
    // The drawing announces the stored graph; the screen follows it there.
    if (drawing_.AddOrReplaceGraph(edit_, spec, index, nullptr) == AddResult::TableFull) {
        out.messages.append(TableFullMessage);
        out.redisplay = true;  // as any cancelled gesture: no band, the selection's panels back
        return false;
    }
    return true;
}

void PlaneGesture::PlaceLabel(LatticePoint p, LabelQueue& labels, GestureEffects& out) {
    const int i = labels.current;
    const int size = i < labels.sizes.size() ? labels.sizes[i] : 12;
    TLineSpec label = NewLineSpec(edit_, drawing_.Table(), p, {size, -99});
    label.D2 = {size, 0};  // drawn at the size it was queued with
    label.Text = labels.texts[i];
    const bool stored = Store(label, -1, out);
    ResetInto(out);
    if (!stored) {
        return;  // refused: the label keeps its place in the queue
    }
    out.labelPlaced = true;
    if (labels.atLast()) {
        labels.clear();
        out.labelsDone = true;
    } else {
        ++labels.current;
    }
}

GestureEffects PlaneGesture::Move(LatticePoint p) {
    GestureEffects out;
    MouseLattice = p;
    out.readout = QString::asprintf(" (%3d,%3d)", p.X, p.Y);
    const bool moved = p != LastPos;
    if (moved && FirstMarkShown) {
        out.marks.push_back({PlaneMark::Shape::FirstPoint, WorkSpec.P1, {}});
        FirstMarkShown = false;
    }
    if (moved && DrawState == DrawRubberBand) {
        // Erase the band at its old end, then draw it at the new one.
        TLineSpec band = WorkSpec;
        LatticePoint& end = GrabEnd == 1 ? band.P1 : band.P2;
        for (LatticePoint at : {LastPos, p}) {
            end = at;
            if (band.P1 != band.P2) {
                out.marks.push_back({PlaneMark::Shape::RubberBand, at, band});
            }
        }
    }
    LastPos = p;
    return out;
}

GestureEffects PlaneGesture::Release(GestureButton button, bool ctrl, LatticePoint p,
                                     bool insideGrid) {
    if (button == GestureButton::Left || EditIndex < 0 || DrawState != DrawRubberBand) {
        return {};
    }
    if (!insideGrid) {
        return Cancel();
    }
    GestureEffects out;
    out.cursor = CursorPencil;
    MovingEnd() = p;
    DrawState = DrawIdle;
    TLineSpec& work = WorkSpec;
    if (p == DownPos) {
        // A click without a drag chooses the selection: the first graph with an end there.
        drawing_.Update([&](GraphTable& t) {
            if (!ctrl) {
                t.Selected.reset();
            }
            for (int n = 0; n < t.LineCount; ++n) {
                if (IsEndpointOf(t.LineTable[n], p)) {
                    t.Selected.set(n);
                    break;
                }
            }
        });
        out.redisplay = true;
        ResetInto(out);
        return out;
    }
    if (work.Kind != GraphKind::Point && p == FixedEnd()) {
        out.messages.append(SamePointMessage);
        out.redisplay = true;
        ResetInto(out);
        return out;
    }
    switch (work.Kind) {
        case GraphKind::Line:
            CommitLine(p, out);
            return out;
        case GraphKind::Segment:
        case GraphKind::Ray:
            // The line has moved: its domain is chosen again, and the commit replaces the graph.
            out.cursor = CursorScissors;
            out.keepPointer = true;
            out.pointerAt = p;
            DrawState = DrawAwaitFirstEnd;
            return out;
        case GraphKind::Point:
            Commit(out);
            return out;
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    ResetInto(out);
    return out;
}

GestureEffects PlaneGesture::Cancel() {
    GestureEffects out;
    FirstMarkShown = false;
    out.redisplay = true;
    ResetInto(out);
    return out;
}
