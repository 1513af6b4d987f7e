// The label window.
#include "label_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include "accessible_names.h"
#include "dialogs.h"
#include "fonts.h"
#include "sjis_codec.h"
#include "window_parts.h"

namespace {

// Large enough to be read from the back of a classroom, small enough to stay on the plane.
constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 72;
constexpr int StartFontSize = 12;

QFont PixelFont(int pixels) {
    QFont font(PlainFontName);
    font.setPixelSize(pixels);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect bounds) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(bounds);
    return label;
}

QListWidget* MakeList(QWidget* parent, const char* name, QRect bounds, const QStringList& items) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(bounds);
    list->addItems(items);
    return list;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect bounds, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    // Enter in the edit must not close the window with a half-prepared queue.
    button->setAutoDefault(false);
    return button;
}

// The characters from first to last, each as an item.
QStringList CharacterRun(char16_t first, char16_t last) {
    QStringList items;
    for (char16_t c = first; c <= last; ++c) {
        items.append(QString(QChar(c)));
    }
    return items;
}

}  // namespace

TfrmMoji::TfrmMoji(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMoji"));
    setWindowTitle(QStringLiteral("文字の入力"));
    setFont(PixelFont(12));
    setFixedSize(484, 420);

    Label1 = MakeLabel(this, "Label1", QStringLiteral("表示される文字"), QRect(16, 10, 200, 18));
    edtInput = new QLineEdit(QStringLiteral("①"), this);
    edtInput->setObjectName(QStringLiteral("edtInput"));
    // Tall enough to preview the largest size.
    edtInput->setGeometry(16, 30, 300, 104);
    // In points, not pixels, because spnFontSize shows and sets it in points; 12 points are the
    // 16 pixels of the other controls on a 96-dpi screen.
    QFont inputFont(PlainFontName);
    inputFont.setPointSize(StartFontSize);
    edtInput->setFont(inputFont);

    Label2 = MakeLabel(this, "Label2", QStringLiteral("フォントの大きさ"), QRect(332, 10, 136, 18));
    spnFontSize = new QSpinBox(this);
    spnFontSize->setObjectName(QStringLiteral("spnFontSize"));
    spnFontSize->setGeometry(332, 30, 80, 30);
    spnFontSize->setFont(PixelFont(16));
    spnFontSize->setRange(MinFontSize, MaxFontSize);
    spnFontSize->setValue(StartFontSize);
    connect(spnFontSize, &QSpinBox::valueChanged, this, &TfrmMoji::spnFontSizeChange);

    lstChar = MakeList(this, "lstChar", QRect(16, 146, 88, 200),
                       {QStringLiteral("★"), QStringLiteral("☆"), QStringLiteral("km"),
                        QStringLiteral("分"), QStringLiteral("ｍ"), QStringLiteral("cm"),
                        QStringLiteral("個"), QStringLiteral("時間"), QStringLiteral("秒")});
    lstChar->setFont(PixelFont(16));
    lstAlpha = MakeList(this, "lstAlpha", QRect(112, 146, 56, 200), CharacterRun(u'Ａ', u'Ｚ'));
    lstNumber = MakeList(this, "lstNumber", QRect(176, 146, 56, 200), CharacterRun(u'①', u'⑩'));
    lstNumber->setFont(PixelFont(16));
    for (QListWidget* list : {lstChar, lstAlpha, lstNumber}) {
        connect(list, &QListWidget::itemClicked, this, &TfrmMoji::PickListClick);
    }

    btnAddMoji = MakeButton(this, "btnAddMoji", QRect(244, 226, 48, 40), QString());
    btnAddMoji->setIcon(QIcon(QStringLiteral(":/glyphs/add.png")));
    btnAddMoji->setIconSize(QSize(20, 20));
    connect(btnAddMoji, &QPushButton::clicked, this, &TfrmMoji::btnAddMojiClick);

    lstMoji = MakeList(this, "lstMoji", QRect(304, 146, 120, 200), {});
    lstMoji->setFont(PixelFont(16));
    stlFSize = MakeList(this, "stlFSize", QRect(428, 146, 40, 200), {});

    btnClear = MakeButton(this, "btnClear", QRect(304, 350, 164, 24), QStringLiteral("クリア"));
    connect(btnClear, &QPushButton::clicked, this, &TfrmMoji::btnClearClick);
    BitBtn3 = MakeButton(this, "BitBtn3", QRect(284, 382, 88, 30), QStringLiteral("OK"));
    connect(BitBtn3, &QPushButton::clicked, this, &TfrmMoji::BitBtn3Click);
    BitBtn4 = MakeButton(this, "BitBtn4", QRect(380, 382, 88, 30), QStringLiteral("ｷｬﾝｾﾙ"));
    connect(BitBtn4, &QPushButton::clicked, this, &TfrmMoji::BitBtn4Click);
    NameForScreenReaders(this, {
                                   {edtInput, QStringLiteral("表示される文字")},
                                   {spnFontSize, QStringLiteral("フォントの大きさ")},
                                   {lstChar, QStringLiteral("単位と記号")},
                                   {lstAlpha, QStringLiteral("アルファベット")},
                                   {lstNumber, QStringLiteral("丸数字")},
                                   {btnAddMoji, QStringLiteral("文字を追加")},
                                   {lstMoji, QStringLiteral("追加した文字")},
                                   {stlFSize, QStringLiteral("追加した文字の大きさ")},
                               });
}

LabelQueue TfrmMoji::queue() const {
    LabelQueue labels;
    for (int i = 0; i < lstMoji->count(); ++i) {
        labels.texts.append(lstMoji->item(i)->text());
        labels.sizes.append(stlFSize->item(i)->text().toInt());
    }
    labels.current = labels.texts.isEmpty() ? -1 : 0;
    return labels;
}

void TfrmMoji::setVisible(bool visible) {
    if (visible && !isVisible()) {
        MoveToFreeTopLeft(*this, *this);
    }
    QDialog::setVisible(visible);
}

void TfrmMoji::FormShow() {
    const int size = edtInput->font().pointSize();
    spnFontSize->setValue(size > 0 ? size : StartFontSize);
    lstMoji->clear();
    stlFSize->clear();
}

void TfrmMoji::PickListClick(QListWidgetItem* item) {
    edtInput->setText(item->text());
}

void TfrmMoji::spnFontSizeChange(int size) {
    QFont font = edtInput->font();
    font.setPointSize(size);
    edtInput->setFont(font);
}

void TfrmMoji::btnAddMojiClick() {
    const QString text = ToCp932Forms(OneLineText(*edtInput));
    if (text.isEmpty()) {
        return;
    }
    // The label is saved with the graphs in a Shift-JIS file: refuse it here, not at saving.
    const EncodedText encoded = EncodeCp932(text);
    if (!encoded.ok()) {
        ShowMessage(CannotEncodeMessage(encoded.badChar));
        return;
    }
    lstMoji->addItem(text);
    stlFSize->addItem(QString::number(spnFontSize->value()));
}

void TfrmMoji::btnClearClick() {
    lstMoji->clear();
    stlFSize->clear();
}

void TfrmMoji::BitBtn3Click() {
    if (lstMoji->count() == 0) {
        return;
    }
    done(ModalOk);
}

void TfrmMoji::BitBtn4Click() {
    done(ModalCancel);
}

void TfrmMoji::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}
