// The open-unit window frmTangenOpen ("単元で開く"): units listed by their titles, the first
// line of each file in a folder, with a preview of the graphs of the one clicked.
#pragma once

#include <QDialog>

#include "graph_file.h"
#include "panel_text.h"
#include "plane_geometry.h"
#include "plane_settings.h"

class PlaneView;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class TfrmTangenOpen : public QDialog {
    Q_OBJECT
  public:
    // previewSettings: the plane settings read at start-up, which the preview is drawn with.
    TfrmTangenOpen(const PlaneSettings& previewSettings, int defaultPlaneSize,
                   const QString& startDir, QWidget* parent = nullptr);

    QString Folder;              // the folder listed, with a trailing separator
    QStringList flbQues;         // the files listed, by name
    GraphFileContent Questions;  // the graphs of the file clicked last (QuestionTable)
    QString SelectedUnitTitle;
    QString SelectedUnitFile;  // without folder

    int QuestionCount() const { return int(Questions.graphs.size()); }
    QString SelectedPath() const { return Folder + SelectedUnitFile; }
    // The window covers the main window.
    void SetMainGeometry(const QRect& mainWindow);
    void SetDefaultPlaneSize(int size) { defaultPlaneSize_ = size; }
    void SetFolder(const QString& folder);
    // A practice chooses among .lin files only: the choice of CAI files is hidden, with the
    // .lin files chosen, until it is offered again.
    void OfferCaiFiles(bool offered);

    void FormShow();
    void lstTitleClick();
    void btnOKClick();
    void btnCancelClick();
    void radQueClick();
    void dcbDriveChange(int index);
    void dlbDriveClick();
    void RebuildTitles();
    void DispAllLineSub();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QComboBox* dcbDrive;    // mounted volumes and the home folder
    QListWidget* dlbDrive;  // the folder and the folders above and below it
    QListWidget* lstTitle;  // entry i is the title of file i of flbQues
    PlaneView* imgCood;     // the preview plane: no focus, no cursor
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblFileName;
    QLabel* Format;
    QLineEdit* edtDataFormat;
    QRadioButton* radQue;
    QRadioButton* radCai;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    void DrawEmptyPreview();
    void FillDrives();
    void FillFolders();

    const PlaneSettings& previewSettings_;
    int defaultPlaneSize_;
    QString startDir_;
    bool firstShowing_ = true;
    int previewedRow_ = -1;  // the row of lstTitle whose file Questions holds, -1 when none
    TypesetState typeset_;
    QRect mainGeometry_;
};
