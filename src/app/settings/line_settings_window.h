// The line settings window frmSettei ("線の種類"): one place to choose the drawing tool, the pen
// width of new graphs and which domain ends new segments and rays include.
#pragma once

#include <QDialog>
#include <cstdint>

class QGroupBox;
class QPushButton;
class QRadioButton;
struct EditingState;

class TfrmSettei : public QDialog {
    Q_OBJECT
  public:
    // Reads and writes only LineMode, LineWidth, SegmentEndKind and RayEndKind of edit.
    TfrmSettei(EditingState& edit, QWidget* parent = nullptr);

    // Offers the values in force: every showing starts from them.
    void FormShow();
    void btnOKClick();
    void btnCancelClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QGroupBox* gbxKind;
    QRadioButton* rbtLMode0;
    QRadioButton* rbtLMode1;
    QRadioButton* rbtLMode2;
    QRadioButton* rbtLMode3;
    QGroupBox* gbxWidth;
    QRadioButton* rbtLWidth1;
    QRadioButton* rbtLWidth2;
    QRadioButton* rbtLWidth3;
    QGroupBox* gbxHeniki1;
    QRadioButton* rbtSenHeniki0;
    QRadioButton* rbtSenHeniki1;
    QRadioButton* rbtSenHeniki2;
    QRadioButton* rbtSenHeniki3;
    QGroupBox* gbxHeniki2;
    QRadioButton* rbtHanHeniki0;
    QRadioButton* rbtHanHeniki1;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // Connects the buttons of group so that checking one sets *pending to the value it names.
    void PickOnCheck(QGroupBox* group, const QString& prefix, int32_t TfrmSettei::*pending);
    // Only the domain group of the pending tool can be changed; the other keeps its choice.
    void UpdateDomainGroups();
    // Pending values := the values in force, with their buttons checked.
    void CheckFromGlobals();
    // Checks the button of group named prefix + value, or none when no button stands for value.
    void CheckButton(QGroupBox* group, const QString& prefix, int value);

    EditingState& edit_;
    int32_t pendingMode_ = 0;
    int32_t pendingWidth_ = 1;
    int32_t pendingSegmentEndKind_ = 0;
    int32_t pendingRayEndKind_ = 0;
};
