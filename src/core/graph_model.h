// The graph table of the main window with the selection of the formula list and the unit
// contents memo kept in step with it, and the editing state shared by the drawing tools.
// The windows show this data; every change to it goes through the routines below.
#pragma once

#include <QStringList>
#include <array>
#include <bitset>
#include <vector>

#include "equation_text.h"
#include "line_spec.h"

constexpr int MaxGraphs = 100;

struct GraphTable {
    std::array<TLineSpec, MaxGraphs> LineTable;
    int LineCount = 0;
    std::bitset<MaxGraphs> Selected;  // the multi-selection of the formula list
    // The unit contents memo: line 0 the unit title, lines 6i+1..6i+6 graph i in file form.
    // Lines after the last whole graph (from a file, or typed by the user) are kept.
    QStringList Memo;
    // The automatic colour of the next graph is ColorCycleTable[ColorCycle mod 16]; it goes back
    // with the graphs on undo.
    int32_t ColorCycle = 0;
};

struct EditingState {
    GraphKind LineMode = GraphKind::Line;  // the current tool: the kind of the next graph
    int32_t LineWidth = 1;
    int32_t SegmentEndKind = 0;
    int32_t RayEndKind = 0;
    int32_t FixedColor = AutomaticColor;
    EquationForm Form = EquationForm::Standard;  // the display form chosen with the form buttons
};

// Colour for the next graph: the fixed colour, or the table's colour cycle wrapped into 0..15.
int32_t NextColor(const EditingState& s, const GraphTable& t);
int32_t CurrentEndKind(const EditingState& s);
TLineSpec NewLineSpec(const EditingState& s, const GraphTable& t, LatticePoint first,
                      LatticePoint second);
TLineSpec CopyLineSpec(LatticePoint first, LatticePoint second, const TLineSpec& source,
                       EquationForm form);

// The six memo lines of one graph: colour and packed attributes, text, P1, P2, D1, D2.
QStringList GraphTextLines(const TLineSpec& spec);
void AppendGraphLines(GraphTable& t, const TLineSpec& spec);
void ReplaceGraphLines(GraphTable& t, const TLineSpec& spec, int index);

enum class AddResult { Added, Replaced, TableFull };
inline const QString TableFullMessage = QStringLiteral("これ以上登録できません");

// Adds spec (index < 0) or replaces graph index and selects only that graph.
// Adding to a table of 100 graphs changes nothing and returns TableFull. The index of the added or
// replaced graph is stored in *changedIndex.
AddResult AddOrReplaceGraph(GraphTable& t, const EditingState& s, const TLineSpec& spec, int index,
                            int* changedIndex = nullptr);

void SelectOnly(GraphTable& t, int index);
int CurrentIndex(const GraphTable& t);  // first selected, else the last graph, else -1

// Deletes the selected graphs, keeping the order of the rest; returns how many were deleted.
int DeleteSelected(GraphTable& t);

// The graphs and memo of a file or of an edited memo become the table; nothing is selected. At
// most 100 graphs are taken.
void LoadGraphs(GraphTable& t, const std::vector<TLineSpec>& graphs, const QStringList& memo);
