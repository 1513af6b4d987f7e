// Controls of the fixed-layout windows.
#include "window_parts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "unit_title.h"

QPushButton* MakePlacedButton(QWidget* parent, const char* name, const QString& caption,
                              QRect bounds) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text, QRect bounds) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(bounds);
    return label;
}

namespace {

// The width of the widest read-out: the longest coordinates, written in each digit.
int WidestReadout(const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit) {
        const QString number = QStringLiteral("-") + QString(3, QLatin1Char(digit));
        widest =
            std::max(widest, metrics.horizontalAdvance(QStringLiteral(" (%1,%1)").arg(number)));
    }
    return widest;
}

}  // namespace

QLineEdit* MakeLatticeReadout(QWidget* parent, const char* name, const QString& text,
                              QRect bounds) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(bounds);
    edit->setReadOnly(true);
    // The line edit keeps its frame, 2 pixels each side and the cursor's pixel from the text.
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int room = bounds.width() - 2 * frame - 2 * 2 - 1;
    // The largest size, at most the inherited one and at least 7 pixels, whose read-out fits.
    // Every size tried is a font loaded at start-up, so the search starts at the size the width
    // at the inherited size points to and steps from there: a read-out widens with its size.
    QFont font = edit->font();
    const auto fits = [&font, room](int pixels) {
        font.setPixelSize(pixels);
        return WidestReadout(font) <= room;
    };
    const int largest = QFontInfo(font).pixelSize();
    int pixels = largest;
    if (largest > 6 && !fits(largest)) {
        pixels = std::clamp(largest * room / std::max(1, WidestReadout(font)), 7,
                            std::max(7, largest - 1));
        while (pixels > 7 && !fits(pixels)) {
            --pixels;
        }
        while (pixels + 1 < largest && fits(pixels + 1)) {
            ++pixels;
        }
    }
    font.setPixelSize(pixels);
    edit->setFont(font);
    return edit;
}

void MoveToFreeTopLeft(QWidget& window, const QWidget& anchor) {
    if (const QScreen* desktop = anchor.screen()) {
        window.move(desktop->availableGeometry().topLeft());
    }
}

QString OneLineText(const QLineEdit& box) {
    return OneLineTitle(box.text());
}

namespace {

QMargins FrameOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

int FreeClientHeight(const QWidget& anchor) {
    const QScreen* desktop = anchor.screen();
    if (desktop == nullptr) {
        return QWIDGETSIZE_MAX;
    }
    const QMargins frame = FrameOf(*anchor.window());
    return desktop->availableGeometry().height() - frame.top() - frame.bottom();
}

void KeepInFreeArea(QWidget& window) {
    const QScreen* desktop = window.screen();
    if (desktop == nullptr) {
        return;
    }
    const QRect free = desktop->availableGeometry();
    // A window not yet shown has no frame of its own: the parent's is the best guess.
    const QWidget& framed = window.isVisible() || window.parentWidget() == nullptr
                                ? window
                                : *window.parentWidget()->window();
    const QMargins frame = FrameOf(framed);
    const QSize room =
        free.size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize()));
    }
    QRect outer(window.pos(), window.size().grownBy(frame));
    outer.moveRight(std::min(outer.right(), free.right()));
    outer.moveBottom(std::min(outer.bottom(), free.bottom()));
    outer.moveLeft(std::max(outer.left(), free.left()));
    outer.moveTop(std::max(outer.top(), free.top()));
    window.move(outer.topLeft());
}
