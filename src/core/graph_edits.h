// Changes to graphs already in the table, made through the formula list's selection: moving them
// by lattice steps, stepping slope and intercept, recolouring, re-widening and rewriting their
// texts in another display form. Each keeps list texts and memo lines in step; run through
// Drawing::Update, a change of a graph marks the drawing unsaved. None clears the side panels.
#pragma once

#include <QString>
#include <vector>

#include "graph_model.h"

// Moves every selected graph one lattice unit: 'U' up, 'D' down, 'L' left, 'R' right. Returns the
// indices of the graphs that changed.
std::vector<int> MoveSelected(GraphTable& t, const EditingState& s, char direction);

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
SlopeStepResult ChangeSlopeIntercept(GraphTable& t, const EditingState& s, int step);

// Recolours all graphs, or the selected ones, with the chosen colour; white stands for the
// automatic colours, graph i taking colour i mod 16, and the colour cycle going on after the last
// graph. Returns whether any graph was given the colour.
bool RecolorGraphs(GraphTable& t, int32_t chosen, bool selectedOnly);

// Gives every selected graph the pen width; returns whether any graph changed.
bool SetSelectedWidth(GraphTable& t, int32_t width);

// Writes the texts of the selected graphs anew in the current display form; returns the
// indices rewritten.
std::vector<int> RewriteSelectedTexts(GraphTable& t, const EditingState& s);
