// The open-unit window: folders, titles and the preview of the unit clicked.
#include "tangen_open_window.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>

#include "accessible_names.h"
#include "dialogs.h"
#include "disp_all_line.h"
#include "fonts.h"
#include "path_text.h"
#include "plane.h"
#include "plane/plane_view.h"
#include "window_parts.h"

namespace {

// The folder with "/" at its end, as the file names are put after it.
QString WithSeparator(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    return clean.endsWith(u'/') ? clean : clean + u'/';
}

constexpr int PreviewLeft = 452;

}  // namespace

TfrmTangenOpen::TfrmTangenOpen(const PlaneSettings& previewSettings, int defaultPlaneSize,
                               const QString& startDir, QWidget* parent)
    : QDialog(parent),
      previewSettings_(previewSettings),
      defaultPlaneSize_(defaultPlaneSize),
      startDir_(startDir) {
    setObjectName(QStringLiteral("frmTangenOpen"));
    setWindowTitle(QStringLiteral("単元で開く"));
    // No icons in the caption: the window is left by OK or Cancel (or Esc).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont font(InstalledFamily(PlainFontName));
    font.setPixelSize(14);
    setFont(font);

    Label1 = MakePlainLabel(this, "Label1", QStringLiteral("単元を選んでください"),
                            QRect(16, 12, 260, 20));
    lstTitle = new QListWidget(this);
    lstTitle->setObjectName(QStringLiteral("lstTitle"));
    lstTitle->setGeometry(16, 36, 260, 420);
    QFont titleFont(InstalledFamily(FixedFontName));
    titleFont.setPixelSize(16);
    lstTitle->setFont(titleFont);

    dcbDrive = new QComboBox(this);
    dcbDrive->setObjectName(QStringLiteral("dcbDrive"));
    dcbDrive->setGeometry(288, 36, 150, 24);
    dlbDrive = new QListWidget(this);
    dlbDrive->setObjectName(QStringLiteral("dlbDrive"));
    dlbDrive->setGeometry(288, 66, 150, 220);

    radQue = new QRadioButton(QStringLiteral(".linファイル"), this);
    radQue->setObjectName(QStringLiteral("radQue"));
    radQue->setGeometry(288, 296, 150, 22);
    radQue->setChecked(true);
    radCai = new QRadioButton(QStringLiteral("CAIファイル"), this);
    radCai->setObjectName(QStringLiteral("radCai"));
    radCai->setGeometry(288, 320, 150, 22);

    Label2 = MakePlainLabel(this, "Label2", QStringLiteral("ファイル名"), QRect(288, 352, 150, 20));
    lblFileName = MakePlainLabel(this, "lblFileName", QString(), QRect(288, 374, 150, 20));
    Format = MakePlainLabel(this, "Format", QStringLiteral("Format"), QRect(288, 404, 60, 20));
    edtDataFormat = new QLineEdit(this);
    edtDataFormat->setObjectName(QStringLiteral("edtDataFormat"));
    edtDataFormat->setGeometry(350, 402, 40, 24);
    edtDataFormat->setReadOnly(true);

    btnOK = new QPushButton(QStringLiteral("ＯＫ"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(16, 470, 120, 32);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(156, 470, 120, 32);
    btnCancel->setAutoDefault(false);

    imgCood = new PlaneView(false, this);
    imgCood->setObjectName(QStringLiteral("imgCood"));
    imgCood->setGeometry(PreviewLeft, 36, 320, 320);

    // The highlighted row is the chosen unit however it moved (mouse, arrows, Home, End, a typed
    // letter), so that the preview, the file name and OK's title always belong to one file. The
    // list taking the focus makes its first row current without highlighting it: that chooses
    // nothing, so OK asks for a choice until the user makes one.
    connect(lstTitle, &QListWidget::itemSelectionChanged, this, &TfrmTangenOpen::lstTitleClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmTangenOpen::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmTangenOpen::btnCancelClick);
    connect(radQue, &QRadioButton::clicked, this, &TfrmTangenOpen::radQueClick);
    connect(radCai, &QRadioButton::clicked, this, &TfrmTangenOpen::radQueClick);
    connect(dcbDrive, &QComboBox::activated, this, &TfrmTangenOpen::dcbDriveChange);
    connect(dlbDrive, &QListWidget::itemClicked, this, &TfrmTangenOpen::dlbDriveClick);
    NameForScreenReaders(this, {
                                   {dcbDrive, QStringLiteral("ドライブ")},
                                   {dlbDrive, QStringLiteral("フォルダ")},
                                   {lstTitle, QStringLiteral("単元の一覧")},
                                   {imgCood, QStringLiteral("単元の図")},
                                   {edtDataFormat, QStringLiteral("データの形式")},
                               });
}

void TfrmTangenOpen::SetMainGeometry(const QRect& mainWindow) {
    mainGeometry_ = mainWindow;
}

void TfrmTangenOpen::OfferCaiFiles(bool offered) {
    if (!offered) {
        radQue->setChecked(true);
    }
    radCai->setVisible(offered);
}

void TfrmTangenOpen::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmTangenOpen::FormShow() {
    if (mainGeometry_.isValid()) {
        setGeometry(mainGeometry_);
    }
    radQue->setText(QStringLiteral(".linファイル"));
    FillDrives();
    if (firstShowing_) {
        firstShowing_ = false;
        SetFolder(startDir_ + QStringLiteral("DATA/"));
    } else {
        RebuildTitles();
    }
}

void TfrmTangenOpen::radQueClick() {
    RebuildTitles();
}

void TfrmTangenOpen::FillDrives() {
    // The drives of this system: the home folder and every mounted volume, named as the system
    // writes them (C:\ on Windows).
    dcbDrive->clear();
    dcbDrive->addItem(ShownPath(QDir::homePath()), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            dcbDrive->addItem(ShownPath(volume.rootPath()), volume.rootPath());
        }
    }
}

void TfrmTangenOpen::dcbDriveChange(int index) {
    SetFolder(dcbDrive->itemData(index).toString());
}

void TfrmTangenOpen::dlbDriveClick() {
    if (QListWidgetItem* item = dlbDrive->currentItem()) {
        SetFolder(item->data(Qt::UserRole).toString());
    }
}

void TfrmTangenOpen::SetFolder(const QString& folder) {
    Folder = WithSeparator(folder);
    FillFolders();
    RebuildTitles();
}

void TfrmTangenOpen::FillFolders() {
    // The folders from the root down to this one, then the folders inside it, each indented by
    // its depth, as a folder tree shows them.
    dlbDrive->clear();
    QStringList chain;
    for (QDir dir(Folder);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp()) {
            break;
        }
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name =
            QDir(path).dirName().isEmpty() ? ShownPath(path) : QDir(path).dirName();
        auto* item = new QListWidgetItem(QString(depth, u' ') + name, dlbDrive);
        item->setData(Qt::UserRole, path);
        ++depth;
    }
    dlbDrive->setCurrentRow(dlbDrive->count() - 1);
    const QDir current(Folder);
    for (const QString& child : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(QString(depth, u' ') + child, dlbDrive);
        item->setData(Qt::UserRole, current.filePath(child));
    }
}

void TfrmTangenOpen::RebuildTitles() {
    edtDataFormat->clear();
    lblFileName->clear();
    previewedRow_ = -1;
    Questions = GraphFileContent();
    DrawEmptyPreview();
    lstTitle->clear();
    const QString mask = radQue->isChecked() ? QStringLiteral("*.lin") : QStringLiteral("*.cai");
    flbQues = QDir(Folder).entryList({mask}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList titles;
    titles.reserve(flbQues.size());
    for (const QString& file : flbQues) {
        titles.append(ReadFirstLine(Folder + file));
    }
    lstTitle->addItems(titles);
}

void TfrmTangenOpen::lstTitleClick() {
    const QList<QListWidgetItem*> highlighted = lstTitle->selectedItems();
    const int i = highlighted.isEmpty() ? -1 : lstTitle->row(highlighted.first());
    // Nothing of the previous file may stay behind, whatever this one holds.
    lblFileName->clear();
    previewedRow_ = -1;
    Questions = GraphFileContent();
    DrawEmptyPreview();
    if (i < 0 || i >= flbQues.size()) {
        return;
    }
    GraphFileContent content = ReadGraphFile(Folder + flbQues[i], previewSettings_, true);
    edtDataFormat->setText(content.formatShown);
    if (!content.ok()) {
        ShowMessage(content.error);
        return;
    }
    lblFileName->setText(flbQues[i]);
    previewedRow_ = i;
    Questions = std::move(content);
    if (QuestionCount() > 0) {
        DispAllLineSub();
    }
}

void TfrmTangenOpen::DrawEmptyPreview() {
    DisplayOptions options;
    const QString error =
        DrawPlane(imgCood->canvas(), previewSettings_, defaultPlaneSize_, PlaneVariant::Preview,
                  options, typeset_, imgCood->planeGeometry());
    if (error.isEmpty()) {
        imgCood->planeDrawn();
    }
    imgCood->update();
}

void TfrmTangenOpen::DispAllLineSub() {
    DisplayOptions options;
    const PlaneScene scene{previewSettings_, defaultPlaneSize_, PlaneVariant::Preview};
    const std::span<const TLineSpec> graphs(Questions.graphs.data(), Questions.graphs.size());
    const DispAllLineResult result =
        DispAllLine(imgCood->canvas(), scene, options, typeset_, imgCood->planeGeometry(), graphs);
    imgCood->planeDrawn();
    imgCood->update();
    for (const QString& message : result.messages) {
        ShowMessage(message);
    }
}

void TfrmTangenOpen::btnOKClick() {
    if (previewedRow_ < 0) {
        ShowMessage(QStringLiteral("単元を選択してください"));
        return;
    }
    // The title and the file of the row whose questions were read, never of two rows.
    SelectedUnitTitle = lstTitle->item(previewedRow_)->text();
    SelectedUnitFile = flbQues[previewedRow_];
    done(ModalOk);
}

void TfrmTangenOpen::btnCancelClick() {
    done(ModalCancel);
}
