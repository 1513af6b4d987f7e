// Practice and test from the main window: choosing a unit to practise, trying the drawing as a
// test, and the records window. A practice is given its questions and the unit's plane as values;
// the drawing, its undo history and its recovery copy stay as they were.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "line_spec.h"
#include "plane_settings.h"
#include "practice/practice_window.h"

class Drawing;
class QWidget;
class TfrmKiroku;
class TfrmTangenOpen;

class PracticeLauncher {
  public:
    struct WindowSide {
        QWidget* window;  // the main window: the practice covers it, and owns what it opens
        std::function<QString()> startDir;  // where "Record.ini" is, as the window has it now
        // The open-unit window, shared with 単元名で開く: made on first use, or nothing until then.
        std::function<TfrmTangenOpen&()> unitChoice;
        std::function<const TfrmTangenOpen*()> unitChoiceIfMade;
        // What every practice takes from the main window as it starts: the plane size, the display
        // options, the form, the records file and its wait, whether on a CD-ROM, the 点線 box.
        std::function<PracticeSetup()> windowSetup;
    };

    explicit PracticeLauncher(WindowSide window);

    void Practise();  // 練習: a unit chosen in the open-unit window, until the user stops
    // テスト: the drawing's graphs as questions on the plane shown; nothing is recorded.
    void Test(const Drawing& drawing, const PlaneSettings& plane);
    void Run(const std::vector<TLineSpec>& questions, const PlaneSettings& plane, bool test);
    void ShowRecords();

  private:
    WindowSide window_;
    QString unitTitle_;  // the unit last chosen in the open-unit window, and its file
    QString unitFile_;
    TfrmRenshu* practice_ = nullptr;  // made on first use, as the records window
    TfrmKiroku* records_ = nullptr;
};
