// The unit contents window.
#include "tangen_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

#include "accessible_names.h"
#include "dialogs.h"
#include "fonts.h"
#include "graph_model.h"
#include "sjis_codec.h"
#include "window_parts.h"

TfrmTangen::TfrmTangen(const GraphTable& table, QWidget* parent) : QDialog(parent), table_(table) {
    setObjectName(QStringLiteral("frmTangen"));
    setWindowTitle(QStringLiteral("単元の内容"));
    QFont font(InstalledFamily(PlainFontName));
    font.setPixelSize(16);
    setFont(font);
    setFixedSize(480, 424);

    Label4 = MakePlainLabel(this, "Label4", QStringLiteral("単元名"), QRect(16, 16, 80, 24));
    lblTangen = MakePlainLabel(this, "lblTangen", QString(), QRect(104, 16, 360, 24));
    Label5 = MakePlainLabel(this, "Label5", QStringLiteral("ﾌｧｲﾙ名"), QRect(16, 48, 80, 24));
    lblFileName = MakePlainLabel(this, "lblFileName", QString(), QRect(104, 48, 360, 24));
    Label2 = MakePlainLabel(this, "Label2", QStringLiteral("ﾃﾞｰﾀ数"), QRect(16, 80, 80, 24));
    lblNline = MakePlainLabel(this, "lblNline", QStringLiteral("0"), QRect(104, 80, 80, 24));
    Label1 = MakePlainLabel(this, "Label1", QStringLiteral("データ"), QRect(16, 112, 80, 24));

    memFile = new QPlainTextEdit(this);
    memFile->setObjectName(QStringLiteral("memFile"));
    memFile->setGeometry(16, 136, 448, 232);
    memFile->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont memoFont(InstalledFamily(FixedFontName));
    memoFont.setPixelSize(16);
    memFile->setFont(memoFont);

    btnReturn = new QPushButton(QStringLiteral("戻る"), this);
    btnReturn->setObjectName(QStringLiteral("btnReturn"));
    btnReturn->setGeometry(376, 380, 88, 30);
    connect(btnReturn, &QPushButton::clicked, this, &TfrmTangen::btnReturnClick);
    NameForScreenReaders(this, {{memFile, QStringLiteral("単元のデータ")}});
}

void TfrmTangen::ShowFileInfo(const QString& title, const QString& fileName, int lineCount) {
    lblTangen->setText(title);
    lblFileName->setText(fileName);
    ShowLineCount(lineCount);
}

void TfrmTangen::ShowLineCount(int lineCount) {
    lblNline->setText(QString::number(lineCount));
}

void TfrmTangen::FormShow() {
    edited_.reset();
    shownText_ = table_.Memo.join(u'\n');
    memFile->setPlainText(shownText_);
}

void TfrmTangen::btnReturnClick() {
    done(ModalOk);
}

void TfrmTangen::done(int result) {
    // However the window is closed, what was typed is offered to the drawing.
    StoreMemo();
    QDialog::done(result);
}

void TfrmTangen::setVisible(bool visible) {
    // Left to Qt, only the first showing is centred; a window manager then maps a later one
    // where the first one's client area was, lower by the height of its title bar, and 戻る
    // moves away from under the mouse. The frame's size is known only after the first showing,
    // so the client's size is centred every time.
    if (visible && !isVisible() && parentWidget() != nullptr) {
        const QRect main = parentWidget()->window()->frameGeometry();
        move(main.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::setVisible(visible);
}

void TfrmTangen::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmTangen::StoreMemo() {
    const QString text = memFile->toPlainText();
    if (text != shownText_) {
        // Saved in Shift-JIS: what an input method typed for a CP932 character is kept as CP932's.
        edited_ = ToCp932Forms(text).split(u'\n');
        shownText_ = text;
    }
}

std::optional<QStringList> TfrmTangen::TakeEditedMemo() {
    return std::exchange(edited_, std::nullopt);
}
