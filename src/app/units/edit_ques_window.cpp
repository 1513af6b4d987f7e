// The catalogue editor.
#include "units/edit_ques_window.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "accessible_names.h"
#include "dialogs.h"
#include "fonts.h"
#include "path_text.h"
#include "unit_title.h"
#include "window_parts.h"

namespace {

// Add and insert stop here; a catalogue that already lists more keeps all of its entries.
constexpr int EntryLimit = 20;
const QString LimitMessage = QStringLiteral("項目数は２０以下です");
const QString MissingMark = QStringLiteral("？？？");

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect bounds) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // File names come from the disk and the catalogue: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(bounds);
    return label;
}

QListWidget* MakeList(QWidget* parent, const char* name, QRect bounds) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(bounds);
    return list;
}

// The selected row, -1 when none; a row that only has the focus is not chosen.
int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

}  // namespace

TfrmEditQues::TfrmEditQues(UnitCatalog& catalog, const QString& startDir, QWidget* parent)
    : QDialog(parent), catalog_(catalog), startDir_(startDir) {
    setObjectName(QStringLiteral("frmEditQues"));
    setWindowTitle(QStringLiteral("練習問題の編集"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont font(PlainFontName);
    font.setPixelSize(14);
    setFont(font);
    setFixedSize(584, 372);

    Label1 =
        MakeLabel(this, "Label1", QStringLiteral("登録済の単元リスト"), QRect(16, 12, 216, 20));
    lstIndexList = MakeList(this, "lstIndexList", QRect(16, 36, 216, 248));
    lblLeftFile = MakeLabel(this, "lblLeftFile", QString(), QRect(16, 290, 216, 20));
    Label2 =
        MakeLabel(this, "Label2", QStringLiteral("未登録の単元リスト"), QRect(352, 12, 216, 20));
    lstTitle = MakeList(this, "lstTitle", QRect(352, 36, 216, 248));
    lblFileName = MakeLabel(this, "lblFileName", QString(), QRect(352, 290, 216, 20));

    btnAdd =
        MakePlacedButton(this, "btnAdd", QStringLiteral("<<=追　加　"), QRect(244, 64, 96, 30));
    btnInsert =
        MakePlacedButton(this, "btnInsert", QStringLiteral("<==挿　入"), QRect(244, 108, 96, 30));
    btnCut = MakePlacedButton(this, "btnCut", QStringLiteral("==>削　除"), QRect(244, 152, 96, 30));
    btnHelp = MakePlacedButton(this, "btnHelp", QStringLiteral("ヘルプ"), QRect(16, 326, 88, 30));
    btnHelp->setEnabled(false);
    btnOK = MakePlacedButton(this, "btnOK", QStringLiteral("OK"), QRect(384, 326, 88, 30));
    btnCancel =
        MakePlacedButton(this, "btnCancel", QStringLiteral("ｷｬﾝｾﾙ"), QRect(480, 326, 88, 30));

    connect(btnAdd, &QPushButton::clicked, this, &TfrmEditQues::btnAddClick);
    connect(btnInsert, &QPushButton::clicked, this, &TfrmEditQues::btnInsertClick);
    connect(btnCut, &QPushButton::clicked, this, &TfrmEditQues::btnCutClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmEditQues::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmEditQues::btnCancelClick);
    // A click shows the file even when the row is already selected; the keyboard selects too.
    for (QListWidget* list : {lstTitle, lstIndexList}) {
        const auto handler =
            list == lstTitle ? &TfrmEditQues::lstTitleClick : &TfrmEditQues::lstIndexListClick;
        connect(list, &QListWidget::itemClicked, this, handler);
        connect(list, &QListWidget::itemSelectionChanged, this, handler);
    }
    NameForScreenReaders(this, {
                                   {lstIndexList, QStringLiteral("登録済の単元リスト")},
                                   {lstTitle, QStringLiteral("未登録の単元リスト")},
                               });
}

void TfrmEditQues::SetHelpButton(std::function<void()> showHelp) {
    btnHelp->setEnabled(true);
    connect(btnHelp, &QPushButton::clicked, this, std::move(showHelp));
}

void TfrmEditQues::FormShow() {
    if (const QWidget* owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
    FillLists();
}

void TfrmEditQues::FillLists() {
    // The catalogue as the file holds it now: another program may have changed it since start.
    const CatalogFile file = ReadCatalogFile(startDir_ + QStringLiteral("Index.ini"));
    if (!file.error.isEmpty() || !file.unreadNote.isEmpty()) {
        ShowMessage(file.error.isEmpty() ? file.unreadNote : file.error);
    }
    catalog_ = file.catalog;
    lstIndexList->clear();
    lstTitle->clear();
    indexEntries_.clear();
    srcEntries_.clear();
    lblLeftFile->clear();
    lblFileName->clear();

    // The mark goes on the shown text only, so that OK writes the real title and a second showing
    // does not mark it twice. A line that did not read keeps its text for OK to write back.
    for (const CatalogEntry& entry : CatalogEntries(catalog_)) {
        QString shown = entry.title;
        if (!QFileInfo(UnitFilePath(startDir_, entry.file)).isFile()) {
            ShowMessage(entry.title + u' ' + entry.file + QStringLiteral("が見つかりません"));
            shown += MissingMark;
        }
        lstIndexList->addItem(shown);
        indexEntries_.push_back(entry);
    }

    const QString folder = startDir_ + QStringLiteral("DATA/");
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.lin")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        const QString title = ReadFirstLine(folder + file);
        // Compared as the records file files runs, so that a unit whose runs a listed unit
        // shares is not offered as another.
        const bool listed =
            std::any_of(indexEntries_.begin(), indexEntries_.end(), [&](const CatalogEntry& e) {
                return RecordsTitleKey(e.title) == RecordsTitleKey(title);
            });
        if (!listed) {
            lstTitle->addItem(title);
            // Written as the catalogue that comes with the program writes its names.
            srcEntries_.push_back({title, QStringLiteral("DATA\\") + file});
        }
    }
}

void TfrmEditQues::btnAddClick() {
    const int right = SelectedRow(lstTitle);
    if (right < 0) {
        ShowMessage(QStringLiteral("追加する項目が指定されていません"));
        return;
    }
    if (lstIndexList->count() >= EntryLimit) {
        ShowMessage(LimitMessage);
        return;
    }
    if (RefusedTitle(right)) {
        return;
    }
    MoveEntry(lstTitle, srcEntries_, right, lstIndexList, indexEntries_, lstIndexList->count());
    lblFileName->clear();
}

void TfrmEditQues::btnInsertClick() {
    if (lstIndexList->count() >= EntryLimit) {
        ShowMessage(LimitMessage);
        return;
    }
    const int right = SelectedRow(lstTitle);
    if (right < 0) {
        ShowMessage(QStringLiteral("挿入する項目(右側)を指定してください"));
        return;
    }
    const int left = SelectedRow(lstIndexList);
    if (left < 0) {
        ShowMessage(QStringLiteral("挿入場所（左側）を指定してください"));
        return;
    }
    if (RefusedTitle(right)) {
        return;
    }
    MoveEntry(lstTitle, srcEntries_, right, lstIndexList, indexEntries_, left);
    lblFileName->clear();
    lblLeftFile->clear();
}

bool TfrmEditQues::RefusedTitle(int right) {
    const QString problem = CatalogTitleProblem(srcEntries_[right].title);
    if (!problem.isEmpty()) {
        ShowMessage(problem);
    }
    return !problem.isEmpty();
}

void TfrmEditQues::btnCutClick() {
    const int left = SelectedRow(lstIndexList);
    if (left < 0) {
        ShowMessage(QStringLiteral("切り取る項目が指定されていません"));
        return;
    }
    MoveEntry(lstIndexList, indexEntries_, left, lstTitle, srcEntries_, lstTitle->count());
    lblLeftFile->clear();
}

void TfrmEditQues::lstTitleClick() {
    if (const int row = SelectedRow(lstTitle); row >= 0) {
        lblFileName->setText(srcEntries_[row].file);
    }
}

void TfrmEditQues::lstIndexListClick() {
    if (const int row = SelectedRow(lstIndexList); row >= 0) {
        lblLeftFile->setText(indexEntries_[row].file);
    }
}

void TfrmEditQues::btnOKClick() {
    const CatalogWrite written =
        WriteCatalog(startDir_ + QStringLiteral("Index.ini"), indexEntries_, catalog_,
                     QStringList(catalog_.CatalogIndex));
    if (!written.problem.isEmpty()) {
        ShowMessage(written.problem);
        if (written.changedElsewhere) {
            FillLists();  // the other program's change is shown; this showing's edits are given up
        }
        return;
    }
    done(ModalOk);
}

void TfrmEditQues::btnCancelClick() {
    done(ModalCancel);
}

void TfrmEditQues::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmEditQues::MoveEntry(QListWidget* fromList, std::vector<CatalogEntry>& from, int row,
                             QListWidget* toList, std::vector<CatalogEntry>& to, int at) {
    to.insert(to.begin() + at, from[row]);
    from.erase(from.begin() + row);
    // The entries change first: the lists' selection handlers, run by the moves below, read them.
    QListWidgetItem* item = fromList->takeItem(row);
    toList->insertItem(at, item);
    // Nothing stays chosen after a move, so that a second click cannot move another row by chance.
    for (QListWidget* list : {fromList, toList}) {
        list->clearSelection();
        list->setCurrentItem(nullptr);
    }
}
