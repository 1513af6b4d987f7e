// The unit title window frmNewWork ("単元名入力"): asks the title of a unit before it is saved,
// showing the titles of the units already in the folder so that the user can reuse or avoid one.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TfrmNewWork : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmNewWork(QWidget* parent = nullptr);

    QString NewUnitTitle;  // the title entered, valid after the window closed with OK

    // The folder whose *.lin files are listed by title at every showing.
    void SetFolder(const QString& folder);
    // The title offered in edtTangen at the next showing.
    void SetCurrentTitle(const QString& title);

    void FormShow();
    void lstTitleClick();
    void btnOKClick();
    void btnCancelClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* Label1;
    QLineEdit* edtTangen;
    QLabel* Label2;
    QListWidget* lstTitle;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    QString folder_;
    QString currentTitle_ = QStringLiteral("新しい単元");
    QStringList titles_;  // the titles listed in lstTitle, in its order
};
