// The move window frmMoveMoji ("平行移動"): steps the selected graphs, labels included, one
// lattice unit at a time while the main window stays usable.
#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class QToolButton;

class TfrmMoveMoji : public QDialog {
    Q_OBJECT
  public:
    // moveSelected moves every selected graph one step ('L', 'R', 'U' or 'D'); rewriteMemo puts
    // the moved graphs back into the memo that a save writes.
    TfrmMoveMoji(std::function<void(char)> moveSelected, std::function<void()> rewriteMemo,
                 QWidget* mainWindow);

    // Puts the window just above the formula list group (screen coordinates), keeping its left.
    void PlaceOver(const QRect& grpShikiOnScreen);
    void btnOkClick();
    // However the window is closed, the memo takes the moves, so that a save keeps them.
    void done(int result) override;

  private:
    QToolButton* btnLeft;
    QToolButton* btnRight;
    QToolButton* btnUp;
    QToolButton* btnDown;
    QPushButton* btnOk;

    std::function<void(char)> moveSelected_;
    std::function<void()> rewriteMemo_;
};
