// The version window frmVersion ("バージョン情報"): names the product and its version.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TfrmVersion : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmVersion(QWidget* parent = nullptr);

    void FormShow();
    void btnOKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QFrame* pnlVersion;
    QLabel* ProgramIcon;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblComments;
    QLabel* lblSchoolSet;
    QPushButton* btnOK;
};
