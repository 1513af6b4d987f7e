// The move window.
#include "move_window.h"

#include <QPushButton>
#include <QToolButton>
#include <utility>

#include "accessible_names.h"
#include "dialogs.h"
#include "fonts.h"

namespace {

QToolButton* ArrowButton(QWidget* parent, const char* name, QRect bounds, const char* glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    button->setIcon(QIcon(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(glyph))));
    button->setIconSize(QSize(16, 16));
    return button;
}

}  // namespace

TfrmMoveMoji::TfrmMoveMoji(std::function<void(char)> moveSelected,
                           std::function<void()> rewriteMemo, QWidget* mainWindow)
    : QDialog(mainWindow),
      moveSelected_(std::move(moveSelected)),
      rewriteMemo_(std::move(rewriteMemo)) {
    setObjectName(QStringLiteral("frmMoveMoji"));
    setWindowTitle(QStringLiteral("平行移動"));
    QFont font(PlainFontName);
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(168, 183);

    btnUp = ArrowButton(this, "btnUp", QRect(64, 12, 40, 40), "arrow_up");
    btnLeft = ArrowButton(this, "btnLeft", QRect(20, 56, 40, 40), "arrow_left");
    btnRight = ArrowButton(this, "btnRight", QRect(108, 56, 40, 40), "arrow_right");
    btnDown = ArrowButton(this, "btnDown", QRect(64, 100, 40, 40), "arrow_down");
    const std::pair<QToolButton*, char> arrows[] = {
        {btnLeft, 'L'}, {btnRight, 'R'}, {btnUp, 'U'}, {btnDown, 'D'}};
    for (const auto& [button, direction] : arrows) {
        connect(button, &QToolButton::clicked, this,
                [this, direction = direction] { moveSelected_(direction); });
    }

    btnOk = new QPushButton(QStringLiteral("閉じる"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(40, 146, 88, 28);
    connect(btnOk, &QPushButton::clicked, this, &TfrmMoveMoji::btnOkClick);
    NameForScreenReaders(this, {
                                   {btnUp, QStringLiteral("上へ移動")},
                                   {btnLeft, QStringLiteral("左へ移動")},
                                   {btnRight, QStringLiteral("右へ移動")},
                                   {btnDown, QStringLiteral("下へ移動")},
                               });

    if (mainWindow) {
        move(mainWindow->frameGeometry().topLeft() + QPoint(50, 50));
    }
}

void TfrmMoveMoji::PlaceOver(const QRect& grpShikiOnScreen) {
    move(pos().x(), grpShikiOnScreen.top() - height() + 40);
}

void TfrmMoveMoji::btnOkClick() {
    done(ModalOk);
}

void TfrmMoveMoji::done(int result) {
    rewriteMemo_();
    QDialog::done(result);
}
