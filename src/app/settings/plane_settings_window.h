// The plane settings window frmSetCood ("座標面の設定"): where the plane's size, lattice spacing,
// start and end of the scale, scale-number steps, font size and margin are chosen, tried out on
// the main plane and, if asked, kept in the registry.
#pragma once

#include <QDialog>
#include <functional>

#include "plane_settings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfrmSetCood : public QDialog {
    Q_OBJECT
  public:
    // Every change of a control is written into settings at once, because the main plane is
    // drawn from it at every redraw. redrawMain redisplays the main window with its side panels;
    // it is called by every test that passes. defaultPlaneSize is the side a size below 1 means.
    TfrmSetCood(PlaneSettings& settings, int defaultPlaneSize, std::function<void()> redrawMain,
                QWidget* parent = nullptr);

    // A value changed since the last test that passed; OK tests only then.
    bool settingsChanged = false;

    // The values Cancel goes back to; taken at every showing. The unit-open window takes and
    // restores it too, because its preview loads each file's settings into the same store.
    void SaveSnapshot();
    const PlaneSettings& Snapshot() const { return snapshot_; }
    // Puts the snapshot back into the store and the controls; counts as a change.
    void RestoreSnapshot();
    // Checks the values and redraws the main window with them. Returns whether they passed.
    bool btnTestClick();
    // Tests a change first; keeps the window open while the values fail, so a value the plane
    // cannot be drawn from never reaches the registry.
    void btnOkClick();
    void btnCancelClick();
    // Shows the store's values in the controls without counting a change, after something other
    // than this window wrote the store (a graph file was read).
    void ShowSettings();
    void SetDefaultPlaneSize(int defaultPlaneSize);

    // Placed before every showing, at the top left of the free area.
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    // The close box and Escape undo the changes like Cancel: closing must not leave untested
    // values in the store that draws the main plane.
    void reject() override;

  private:
    QLabel* lblX;
    QLabel* lblY;
    QLabel* lblSize;
    QLineEdit* edtSizeX;
    QLineEdit* edtSizeY;
    QPushButton* BitBtn1;
    QPushButton* btnMaxX;
    QPushButton* btnDaiX;
    QPushButton* btnChuX;
    QPushButton* btnShouX;
    QPushButton* btnScaleYN;
    QPushButton* btnMaxY;
    QPushButton* btnDaiY;
    QPushButton* btnChuY;
    QPushButton* btnShouY;
    QLabel* lblInterval;
    QLineEdit* edtDX;
    QLineEdit* edtDY;
    QPushButton* btnSCL;
    QPushButton* btnSCM;
    QPushButton* btnSCS;
    QPushButton* btnSYL;
    QPushButton* btnSYM;
    QPushButton* btnSYS;
    QLabel* lblStart;
    QLineEdit* edtStartX;
    QLineEdit* edtStartY;
    QPushButton* btnStartXn;
    QPushButton* btnStartXm2;
    QPushButton* btnStartYn;
    QPushButton* btnStartYm2;
    QLabel* lblEnd;
    QLineEdit* edtEndX;
    QLineEdit* edtEndY;
    QPushButton* btnEndXNo;
    QPushButton* btnEndYno;
    QLabel* lblMemori;
    QSpinBox* spnScaleNumberX;
    QSpinBox* spnScaleNumberY;
    QLabel* lblFontSize;
    QSpinBox* spnFontSize;
    QLabel* lblYohaku;
    QSpinBox* spnYohaku;
    QCheckBox* chkXY;
    QCheckBox* chkMemori;
    QCheckBox* chkZahyou;
    QCheckBox* chkKeep;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnTest;

    // Starts a showing: the controls show the store, nothing counts as changed yet, and Cancel's
    // snapshot is taken.
    void FormShow();
    void NameBoxesForScreenReaders();
    // Sets a box's text and runs the test, as the preset buttons do.
    void Preset(QLineEdit* box, const QString& text, bool test);

    PlaneSettings& settings_;
    int defaultPlaneSize_;
    std::function<void()> redrawMain_;
    PlaneSettings snapshot_;
    // While the controls are being filled from the store, their change handling stays quiet.
    bool showingSettings_ = false;
    bool closing_ = false;
};
