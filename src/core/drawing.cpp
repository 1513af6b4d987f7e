// The drawing and its announcements.
#include "drawing.h"

#include <algorithm>

namespace {

bool SameGraphs(const GraphTable& a, const GraphTable& b) {
    return a.LineCount == b.LineCount &&
           std::equal(a.LineTable.begin(), a.LineTable.begin() + a.LineCount, b.LineTable.begin());
}

}  // namespace

Drawing::Batch::~Batch() {
    if (--drawing_.batchDepth_ == 0 && drawing_.pending_ != 0) {
        const DrawingChanges changes = std::exchange(drawing_.pending_, 0);
        for (const Listener& listener : drawing_.listeners_) {
            listener(changes);
        }
    }
}

void Drawing::Announce(DrawingChanges changes) {
    const Batch batch(*this);
    pending_ |= changes;
}

void Drawing::NoteTableChange(const GraphTable& before) {
    DrawingChanges changes = 0;
    if (!SameGraphs(before, table_)) {
        changes |= ChangedGraphs;
    }
    if (before.Memo != table_.Memo) {
        changes |= ChangedMemo;
    }
    if (before.Selected != table_.Selected) {
        changes |= ChangedSelection;
    }
    if (before.ColorCycle != table_.ColorCycle) {
        changes |= ChangedColorCycle;
    }
    if ((changes & (ChangedGraphs | ChangedMemo)) != 0) {
        MarkUnsaved();
    }
    Announce(changes);
}

AddResult Drawing::AddOrReplaceGraph(const EditingState& edit, const TLineSpec& spec, int index,
                                     int* changedIndex) {
    const AddResult result = Update(
        [&](GraphTable& t) { return ::AddOrReplaceGraph(t, edit, spec, index, changedIndex); });
    if (result != AddResult::TableFull) {
        MarkUnsaved();
    }
    return result;
}

void Drawing::SetSelection(const std::bitset<MaxGraphs>& selected) {
    Update([&](GraphTable& t) { t.Selected = selected; });
}

void Drawing::SelectOnly(int index) {
    Update([&](GraphTable& t) { ::SelectOnly(t, index); });
}

void Drawing::AdvanceColorCycle() {
    Update([](GraphTable& t) { ++t.ColorCycle; });
}

void Drawing::MarkUnsaved() {
    if (saved_) {
        saved_ = false;
        Announce(ChangedSaved);
    }
}

void Drawing::SetPlane(const PlaneSettings& plane) {
    Assign(plane_, plane, ChangedPlane);
}

void Drawing::SetEndCircles(bool on) {
    Assign(endCircles_, on, ChangedEndCircles);
}

void Drawing::SetEndCircleRadius(int radius) {
    Assign(endCircleRadius_, radius, ChangedEndCircles);
}

void Drawing::SetFirstSaveDialog(bool first) {
    Assign(firstSaveDialog_, first, ChangedSaved);
}

void Drawing::EmptyTable(GraphTable& t, const QString& title) {
    t.LineCount = 0;
    t.Selected.reset();
    t.ColorCycle = 0;
    t.Memo = QStringList{title};
}

void Drawing::Clear(const QString& title, const QString& fileName) {
    EmptyTable(table_, title);
    title_ = title;
    fileName_ = fileName;
    saved_ = true;
    Announce(ChangedGraphs | ChangedMemo | ChangedSelection | ChangedColorCycle | ChangedNames |
             ChangedSaved | DrawingReplaced);
}

void Drawing::EraseGraphs() {
    const Batch batch(*this);
    Update([&](GraphTable& t) { EmptyTable(t, title_); });
    saved_ = true;
    Announce(ChangedSaved);
}

void Drawing::Load(const QString& title, const QString& fileName, const PlaneSettings& plane,
                   bool endCircles, const std::vector<TLineSpec>& graphs, const QStringList& memo,
                   bool saved) {
    LoadGraphs(table_, graphs, memo);
    plane_ = plane;
    endCircles_ = endCircles;
    title_ = title;
    fileName_ = fileName;
    saved_ = saved;
    Announce(ChangedGraphs | ChangedMemo | ChangedSelection | ChangedPlane | ChangedEndCircles |
             ChangedNames | ChangedSaved | DrawingReplaced);
}

void Drawing::MarkSaved(const QString& title, const QString& fileName) {
    const Batch batch(*this);
    if (!table_.Memo.isEmpty() && table_.Memo[0] != title) {
        table_.Memo[0] = title;
        Announce(ChangedMemo);
    }
    if (title != title_ || fileName != fileName_) {
        title_ = title;
        fileName_ = fileName;
        Announce(ChangedNames);
    }
    saved_ = true;
    Announce(ChangedSaved | DrawingWritten);
}

void Drawing::Restore(const DrawingState& state, bool saved) {
    table_ = state.Table;
    plane_ = state.Plane;
    saved_ = saved;
    Announce(ChangedGraphs | ChangedMemo | ChangedSelection | ChangedColorCycle | ChangedPlane |
             ChangedSaved | DrawingStepped);
}
