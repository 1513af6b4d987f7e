// The drawing tool: the tool buttons and the tool's name, the domain-end kinds with their caption,
// the line settings window, and the label tool, which prepares labels in its window and goes
// back to the tool before it when they are placed or the window is cancelled. Both windows are
// made on their first use.
#pragma once

#include <QObject>
#include <functional>

#include "drawing.h"
#include "tool_sample.h"

class MainToolBar;
class PlaneController;
class QToolButton;
class QWidget;
class TfrmMoji;
class TfrmSettei;

class ToolChooser : public QObject {
  public:
    // toolShown: the tool sample follows a change of tool or end kind. window owns the windows.
    ToolChooser(EditingState& edit, Drawing& drawing, MainToolBar& bar, PlaneController& plane,
                std::function<void()> toolShown, QWidget* window);

    // The caption of the end kinds and whether the tool's ends are included.
    const EndKindLabel& EndKinds() const { return endKinds_; }
    // The tool's button, as if pressed: false for the label tool, which has its window.
    bool Choose(GraphKind kind);
    void ShowLineSettings();  // 線種の設定: whatever the answer, the tool is chosen again
    // The tool before the label tool, once the labels are placed or not wanted.
    void RestoreTool();

  private:
    void Select(GraphKind kind, QToolButton* button);
    void ChooseLabels();
    void NextEndKind();
    void ShowEndKinds();

    EditingState& edit_;
    Drawing& drawing_;
    MainToolBar& bar_;
    PlaneController& plane_;
    std::function<void()> toolShown_;
    EndKindLabel endKinds_;
    GraphKind beforeLabels_ = GraphKind::Line;
    QWidget* window_;
    TfrmMoji* labels_ = nullptr;
    TfrmSettei* lineSettings_ = nullptr;
};
