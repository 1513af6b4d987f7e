// The records window.
#include "practice/records_window.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "accessible_names.h"
#include "dialogs.h"
#include "fonts.h"
#include "path_text.h"
#include "practice/records_chart_view.h"
#include "practice_run.h"
#include "window_parts.h"

namespace {

QFont FixedFont(int pixels) {
    QFont font(FixedFontName);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TfrmKiroku::TfrmKiroku(const QString& startDir, QWidget* parent)
    : QDialog(parent), startDir_(startDir), recordsPath_(startDir + QStringLiteral("Record.ini")) {
    setObjectName(QStringLiteral("frmKiroku"));
    setWindowTitle(QStringLiteral("実行記録"));
    QFont font(PlainFontName);
    font.setPixelSize(14);
    setFont(font);
    // Taller than the list and memo need, for the chart below them.
    setFixedSize(640, 660);

    Label1 = new QLabel(QStringLiteral("単元をクリックして下さい"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(16, 12, 300, 20);

    lstTitle = new QListWidget(this);
    lstTitle->setObjectName(QStringLiteral("lstTitle"));
    lstTitle->setGeometry(16, 36, 300, 320);
    lstTitle->setFont(FixedFont(15));
    lstTitle->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A click shows the unit even when it is already selected; the keyboard selects too. Both
    // may come for one click, which costs nothing: the records are read when listed.
    connect(lstTitle, &QListWidget::itemClicked, this, &TfrmKiroku::lstTitleClick);
    connect(lstTitle, &QListWidget::itemSelectionChanged, this, &TfrmKiroku::lstTitleClick);

    memDetail = new QPlainTextEdit(this);
    memDetail->setObjectName(QStringLiteral("memDetail"));
    memDetail->setGeometry(328, 36, 296, 320);
    memDetail->setFont(FixedFont(13));
    memDetail->setReadOnly(true);
    memDetail->setLineWrapMode(QPlainTextEdit::NoWrap);
    memDetail->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memDetail->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    imgChart = new RecordsChartView(this);
    imgChart->setObjectName(QStringLiteral("imgChart"));
    imgChart->setGeometry(16, 368, 608, 236);

    btnErase =
        MakePlacedButton(this, "btnErase", QStringLiteral("記録消去"), QRect(16, 616, 100, 32));
    btnReturn =
        MakePlacedButton(this, "btnReturn", QStringLiteral("戻る"), QRect(524, 616, 100, 32));
    connect(btnErase, &QPushButton::clicked, this, &TfrmKiroku::btnEraseClick);
    connect(btnReturn, &QPushButton::clicked, this, &TfrmKiroku::btnReturnClick);

    if (const QWidget* owner = parentWidget()) {
        move(owner->window()->frameGeometry().topLeft());
    }
    NameForScreenReaders(this, {
                                   {lstTitle, QStringLiteral("単元と練習の回数")},
                                   {memDetail, QStringLiteral("練習の記録")},
                                   {imgChart, QStringLiteral("記録のグラフ")},
                               });
}

QString TfrmKiroku::ListUnits() {
    const QString folder = startDir_ + QStringLiteral("DATA/");
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.lin")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    records_ = PracticeRecords::Read(recordsPath_);
    titles_.clear();
    QStringList lines;
    for (const QString& file : files) {
        const QString title = ReadFirstLine(folder + file);
        titles_.append(title);
        lines.append(QString::number(records_.RunCount(title)) + QStringLiteral("回 ") + title);
    }
    // Refilling the list is no click: the memo stays as the caller leaves it, and so does the
    // selection, which a refill on a click must keep.
    const QSignalBlocker quiet(lstTitle);
    if (lstTitle->count() == lines.size()) {
        for (int row = 0; row < lines.size(); ++row) {
            lstTitle->item(row)->setText(lines[row]);
        }
    } else {
        lstTitle->clear();
        lstTitle->addItems(lines);
    }
    return records_.error().isEmpty() ? records_.unreadNote() : records_.error();
}

void TfrmKiroku::FormShow() {
    // A run recorded since the last showing changes the counts, so the list is made afresh.
    memDetail->clear();
    imgChart->setSeries({});
    {
        const QSignalBlocker quiet(lstTitle);
        lstTitle->clear();
    }
    if (const QString problem = ListUnits(); !problem.isEmpty()) {
        ShowMessage(problem);
    }
}

void TfrmKiroku::lstTitleClick() {
    const int row = lstTitle->currentRow();
    if (row < 0 || row >= titles_.size()) {
        return;
    }
    // Another program sharing the folder may have recorded a run since the list was made.
    ListUnits();
    if (lstTitle->currentRow() != row) {
        memDetail->clear();  // the folder's units changed: the list was made anew
        imgChart->setSeries({});
        return;
    }
    const QStringList details = records_.DetailLines(titles_[row]);
    memDetail->setPlainText(details.isEmpty() ? QStringLiteral("練習の記録はありません")
                                              : details.join(u'\n'));
    // Runs whose line does not read are left out of the chart; the memo still shows them.
    imgChart->setSeries(ChartSeriesOf(titles_[row], ReadUnitRuns(records_, titles_[row]).runs));
}

void TfrmKiroku::btnEraseClick() {
    QList<int> rows;
    for (const QListWidgetItem* item : lstTitle->selectedItems()) {
        rows.append(lstTitle->row(item));
    }
    if (rows.isEmpty()) {
        ShowMessage(QStringLiteral("消去する単元を選んでください"));
        return;
    }
    if (ConfirmYesNo(QStringLiteral("記録を消してもいいですか？")) != Answer::Yes) {
        return;
    }
    std::sort(rows.begin(), rows.end());
    QStringList erased;
    for (const int row : rows) {
        erased.append(titles_[row]);
    }
    // Every chosen unit, whatever its count said: the file is erased as it is under its lock,
    // with the runs other programs added since the list was made. A unit without runs has no
    // section, and a file without any of them is left untouched.
    if (const QString problem = EraseRecords(recordsPath_, erased); !problem.isEmpty()) {
        ShowMessage(problem);
    }
    memDetail->clear();
    imgChart->setSeries({});
    ListUnits();
}

void TfrmKiroku::btnReturnClick() {
    memDetail->clear();
    imgChart->setSeries({});
    done(ModalOk);
}

void TfrmKiroku::PlaceForScreen() {
    // Made 660 tall; on a shorter free area (a small screen at a large scale) the list and the
    // memo give up height, so the chart and the buttons stay on the screen.
    constexpr int DesignHeight = 660;
    constexpr int ListHeight = 320;
    constexpr int ListLeast = 120;
    const int shortBy = parentWidget() == nullptr
                            ? 0
                            : std::clamp(DesignHeight - FreeClientHeight(*parentWidget()), 0,
                                         ListHeight - ListLeast);
    setFixedSize(640, DesignHeight - shortBy);
    lstTitle->resize(lstTitle->width(), ListHeight - shortBy);
    memDetail->resize(memDetail->width(), ListHeight - shortBy);
    imgChart->move(imgChart->x(), 368 - shortBy);
    btnErase->move(btnErase->x(), 616 - shortBy);
    btnReturn->move(btnReturn->x(), 616 - shortBy);
    KeepInFreeArea(*this);
}

void TfrmKiroku::showEvent(QShowEvent* event) {
    // A window the system shows again (after being minimised) is not a new showing.
    if (!event->spontaneous()) {
        PlaceForScreen();
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfrmKiroku::reject() {
    done(ModalCancel);
}
