// Changes to graphs already in the table, made through the formula list's selection: moving them
// by lattice steps, stepping slope and intercept, recolouring, re-widening and rewriting their
// texts in another display form. Each keeps list texts and memo lines in step and marks the
// drawing unsaved when a graph changed; none of them clears the side panels.
#pragma once

#include <QString>
#include <vector>

#include "graph_model.h"

// Moves every selected graph one lattice unit: 'U' up, 'D' down, 'L' left, 'R' right. Returns the
// indices of the graphs that changed.
std::vector<int> MoveSelected(GraphTable& t, EditingState& s, char direction);

inline const QString NothingToMoveMessage = QStringLiteral("移動する式がありません");
inline const QString ChooseGraphToMoveMessage = QStringLiteral("移動する式を選択してください");

// Values of the step of ChangeSlopeIntercept.
enum SlopeStep : int {
    SlopeUp = 0,
    SlopeDown = 1,
    InterceptUp = 2,
    InterceptDown = 3,
};

struct SlopeStepResult {
    QString message;           // to show, or empty
    std::vector<int> changed;  // graphs that changed, in list order
    int lastLooked = -1;       // the graph whose panels to show afterwards, -1 none
};

// Steps the slope or intercept of the selected lines, segments and rays; points and labels stay
// as they are. Stops at a vertical graph, whose message names it.
SlopeStepResult ChangeSlopeIntercept(GraphTable& t, EditingState& s, int step);

// Recolours all graphs, or the selected ones, with the chosen colour, which also becomes the
// colour of new graphs; white stands for the automatic colours, graph i taking colour i mod 16.
// Returns whether any graph changed.
bool RecolorGraphs(GraphTable& t, EditingState& s, int32_t chosen, bool selectedOnly);

// Gives every selected graph the pen width; returns whether any graph changed.
bool SetSelectedWidth(GraphTable& t, EditingState& s, int32_t width);

// Writes the texts of the selected graphs anew in the current display form; returns the
// indices rewritten.
std::vector<int> RewriteSelectedTexts(GraphTable& t, EditingState& s);
