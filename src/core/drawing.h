// The drawing: what a graph file holds and the main window shows. It owns the graph table with
// its memo, selection and colour cycle, the plane settings, the end circles, the unit title and
// file name, and whether the file holds it. Every change goes through its methods, and each
// change (or batch of changes) is announced once with what it changed, so the undo history,
// the recovery copy and the windows follow it instead of being told by every command.
#pragma once

#include <QString>
#include <bitset>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

#include "graph_model.h"
#include "plane_settings.h"

// What one announcement says changed; several may come together.
enum DrawingChange : unsigned {
    ChangedGraphs = 1u << 0,      // LineCount or a graph of LineTable
    ChangedMemo = 1u << 1,        // the unit contents memo
    ChangedSelection = 1u << 2,   // the formula list's selection
    ChangedColorCycle = 1u << 3,  // the colour the next automatic graph takes
    ChangedPlane = 1u << 4,       // the accepted plane settings
    ChangedEndCircles = 1u << 5,  // the end-circle flag or radius
    ChangedNames = 1u << 6,       // the unit title or the file name
    ChangedSaved = 1u << 7,       // the saved mark or FirstSaveDialog
    DrawingReplaced = 1u << 8,    // a new drawing: opened, 新規作成, restored after a crash
    DrawingStepped = 1u << 9,     // an undo or redo step put a whole state back
    DrawingWritten = 1u << 10,    // a save wrote the drawing: the file holds it as it is
};
using DrawingChanges = unsigned;

// The drawing as undo keeps it.
struct DrawingState {
    GraphTable Table;  // with the memo, the selection and the colour cycle
    PlaneSettings Plane;
};

class Drawing {
  public:
    using Listener = std::function<void(DrawingChanges)>;

    // ---- reading ----
    const GraphTable& Table() const { return table_; }
    const PlaneSettings& Plane() const { return plane_; }
    bool EndCircles() const { return endCircles_; }
    int EndCircleRadius() const { return endCircleRadius_; }
    const QString& Title() const { return title_; }
    const QString& FileName() const { return fileName_; }
    // The next overwrite save asks for a title and a name first.
    bool FirstSaveDialog() const { return firstSaveDialog_; }
    bool Saved() const { return saved_; }  // DataSaved: the file holds the drawing as it is
    // There are graphs the file does not hold: closing or replacing the drawing asks first.
    bool NeedsSaving() const { return table_.LineCount > 0 && !saved_; }
    DrawingState State() const { return {table_, plane_}; }

    // Called after every announcement, in the order listeners were added.
    void Listen(Listener listener) { listeners_.push_back(std::move(listener)); }

    // ---- the graphs ----
    // Runs change(GraphTable&) on the table and announces what it changed. A change of the
    // graphs or the memo marks the drawing unsaved. Returns what change returns.
    template <class Change>
    auto Update(Change&& change) {
        const Batch batch(*this);
        const GraphTable before = table_;
        if constexpr (std::is_void_v<decltype(change(table_))>) {
            change(table_);
            NoteTableChange(before);
        } else {
            auto result = change(table_);
            NoteTableChange(before);
            return result;
        }
    }
    // Adds spec (index < 0) or replaces graph index, as a gesture or a command stores a graph;
    // even an identical replacement marks the drawing unsaved.
    AddResult AddOrReplaceGraph(const EditingState& edit, const TLineSpec& spec, int index,
                                int* changedIndex = nullptr);
    void SetSelection(const std::bitset<MaxGraphs>& selected);
    void SelectOnly(int index);
    // The next automatic colour moves on, as a click on the tool sample asks.
    void AdvanceColorCycle();
    void MarkUnsaved();

    // ---- the rest of the drawing ----
    void SetPlane(const PlaneSettings& plane);
    void SetEndCircles(bool on);
    void SetEndCircleRadius(int radius);
    void SetFirstSaveDialog(bool first);

    // ---- whole drawings ----
    // A new empty drawing: the memo holds only the title; saved, the colour cycle at its start.
    void Clear(const QString& title, const QString& fileName);
    // Every graph erased (全部削除): the same empty drawing under the same title and file name,
    // counted as unchanged, but a change that undo takes back.
    void EraseGraphs();
    // A drawing read from a file (or a recovery copy): graphs, memo, plane and end circles.
    void Load(const QString& title, const QString& fileName, const PlaneSettings& plane,
              bool endCircles, const std::vector<TLineSpec>& graphs, const QStringList& memo,
              bool saved);
    // The file now holds the drawing under this title and name; the memo's first line becomes
    // the title.
    void MarkSaved(const QString& title, const QString& fileName);
    void MarkSaved() { MarkSaved(title_, fileName_); }
    // Puts an undo or redo state back; saved tells whether it is what the file holds.
    void Restore(const DrawingState& state, bool saved);

    // Changes made while a Batch lives are announced once, together, when the last one ends.
    class Batch {
      public:
        explicit Batch(Drawing& drawing) : drawing_(drawing) { ++drawing_.batchDepth_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        Drawing& drawing_;
    };

  private:
    void Announce(DrawingChanges changes);
    // Sets a field and announces the change, when there is one.
    template <class T>
    void Assign(T& field, const T& value, DrawingChange change) {
        if (field != value) {
            field = value;
            Announce(change);
        }
    }
    // No graphs, nothing selected, the colour cycle at its start, the title the memo's only line.
    static void EmptyTable(GraphTable& t, const QString& title);
    void NoteTableChange(const GraphTable& before);

    GraphTable table_;
    PlaneSettings plane_;
    bool endCircles_ = true;
    int endCircleRadius_ = 5;
    QString title_;
    QString fileName_;
    bool firstSaveDialog_ = true;
    bool saved_ = true;

    std::vector<Listener> listeners_;
    int batchDepth_ = 0;
    DrawingChanges pending_ = 0;
};
