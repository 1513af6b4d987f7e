// A main window on a 1024x768 screen, shown for the first time, with scripted message boxes.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "control_driver.h"
#include "graph_model.h"
#include "main/main_window.h"
#include "practice/practice_window.h"
#include "scripted_dialogs.h"
#include "units/tangen_open_window.h"

// A list as the user sees it: the rows selected, where a row lies.
inline QList<int> SelectedRows(const QAbstractItemView* list) {
    QList<int> rows;
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        if (list->selectionModel()->isSelected(list->model()->index(i, 0))) {
            rows.append(i);
        }
    }
    return rows;
}

inline QPoint RowCentre(const QAbstractItemView* list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

// A row chosen or let go in the list's selection, as a user's Ctrl+click would.
inline void SetRowSelected(QAbstractItemView* list, int row, bool selected) {
    list->selectionModel()->select(
        list->model()->index(row, 0),
        selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<TfrmMain>(QSize(1024, 768));
        window->FormShow();
    }

    // A line from (x1,y1) to (x2,y2) made with the current tool, as a click-click would make it.
    TLineSpec Line(int x1, int y1, int x2, int y2) {
        return NewLineSpec(window->Edit, window->Doc.Table(), {x1, y1}, {x2, y2});
    }

    // The window's controls and the windows it owns, found by their names.
    template <class T = QWidget>
    T* Ui(const char* name) const {
        return Control<T>(*window, name);
    }
    template <class T>
    T* Owned(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    }
    // A control of a window the main window owns.
    template <class T = QWidget>
    T* OwnedUi(const char* owned, const char* name) const {
        return Control<T>(*Owned<QWidget>(owned), name);
    }
    void Press(const char* name) const { ::Press(*window, name); }

    // A left click on lattice point (x, y) of the main plane, as the mouse makes it.
    void Click(int x, int y) {
        const QPoint at = Ui<PlaneView>("imgCood")->planeGeometry().LatticeToPixel({x, y});
        emit Ui<PlaneView>("imgCood")->mouseMoved(at);
        emit Ui<PlaneView>("imgCood")->mousePressed(Qt::LeftButton, {}, at);
        emit Ui<PlaneView>("imgCood")->mouseReleased(Qt::LeftButton, {}, at);
    }

    ScriptedDialogs dialogs;  // installed before the window exists, removed after it is gone
    std::unique_ptr<TfrmMain> window;
};

// The practice command's choice of a unit, as a student makes it: the list's first unit while
// *choices counts up to times, then the window is cancelled, which ends the command.
inline int ChooseFirstUnit(TfrmTangenOpen& open, int* choices, int times) {
    open.show();
    if ((*choices)++ >= times) {
        return ModalCancel;
    }
    Control<QListWidget>(open, "lstTitle")->setCurrentRow(0);
    open.lstTitleClick();
    open.btnOKClick();
    return open.result();
}

// A click on a lattice point of the practice plane, the mouse moved there first.
inline void ClickPractice(TfrmRenshu& practice, LatticePoint p) {
    const QPoint px = practice.Geometry().LatticeToPixel(p);
    QTest::mouseMove(Control(practice, "imgCood"), px);
    QTest::mouseClick(Control(practice, "imgCood"), Qt::LeftButton, {}, px);
}
