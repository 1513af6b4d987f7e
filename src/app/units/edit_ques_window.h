// The catalogue editor frmEditQues ("練習問題の編集"): chooses which units of the "DATA" folder the
// catalogue "Index.ini" lists, and in which order.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "unit_catalog.h"

class QLabel;
class QListWidget;
class QPushButton;

class TfrmEditQues : public QDialog {
    Q_OBJECT
  public:
    // Shows and, after OK, replaces catalog; startDir ends with a separator and holds "Index.ini"
    // and the folder "DATA".
    TfrmEditQues(UnitCatalog& catalog, const QString& startDir, QWidget* parent = nullptr);

    // ヘルプ stays disabled until the program gives it something to show.
    void SetHelpButton(std::function<void()> showHelp);

    void FormShow();
    void btnAddClick();
    void btnInsertClick();
    void btnCutClick();
    void lstTitleClick();
    void lstIndexListClick();
    void btnOKClick();
    void btnCancelClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* Label1;
    QListWidget* lstIndexList;  // the catalogue's units, in catalogue order
    QLabel* lblLeftFile;
    QLabel* Label2;
    QListWidget* lstTitle;  // units of the folder that the catalogue does not list
    QLabel* lblFileName;
    QPushButton* btnAdd;
    QPushButton* btnInsert;
    QPushButton* btnCut;
    QPushButton* btnHelp;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // Reads the catalogue file and the folder's units into the two lists.
    void FillLists();
    // Tells the user when the unit of row right of the right list cannot be listed under its
    // title, and says whether it was refused.
    bool RefusedTitle(int right);
    // Moves entry row of one side to row at of the other, with its shown text.
    void MoveEntry(QListWidget* fromList, std::vector<CatalogEntry>& from, int row,
                   QListWidget* toList, std::vector<CatalogEntry>& to, int at);

    UnitCatalog& catalog_;
    QString startDir_;
    // The real titles and file names behind the two lists, row for row; a shown title may carry
    // the mark of a missing file, the entry never does.
    std::vector<CatalogEntry> indexEntries_;
    std::vector<CatalogEntry> srcEntries_;
};
