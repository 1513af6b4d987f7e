// Where the main window's controls go on a screen of a given size: the arithmetic alone, so it can
// be checked without creating a window.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Design sizes that the arithmetic depends on.
namespace design {
constexpr int PnlMainHeight = 40;
constexpr QRect PnlTable{16, 44, 355, 65};
constexpr int ImgShikiHeight = 65;
constexpr int ListLeft = 16;
constexpr int ListWidth = 353;
constexpr int GroupHeight =
    89;  // grpShiki, grpHenikiX, grpHenikiY, grpKatamuki, grpSeppen, grpSettei
constexpr int GroupGap = 7;
constexpr int ValueTableColumnWidth = 35;
constexpr int ScreenHeightReserve = 28;  // left free below the main window
// The display boxes' group is as wide as the plane, but never narrower than its boxes need.
constexpr int SetteiLeastWidth = 480;
}  // namespace design

struct MainLayout {
    QRect window;              // the main window itself
    int DefaultPlaneSize = 0;  // plane side used when the settings give no size; a multiple of 32
    int TableCols = 0;         // value table columns of the wide table
    QRect lstShiki, grpShiki, grpHenikiX, grpHenikiY, grpKatamuki, grpSeppen, grpSettei;
    QPoint lblShiki, btnHyoujun, btnIppan, lblIdou, btnUp, btnLeft, btnRight, btnDown;
};

MainLayout ComputeMainLayout(QSize screen);

// Where the window goes on a desktop. The whole window, frame included, is as large as the layout
// makes it for the screen but no larger than the available area (the screen without panels and
// task bars), at whose top-left corner it sits; the client area is what the frame leaves inside.
struct DesktopPlacement {
    QPoint frameTopLeft;
    QSize whole;  // the window with its frame: the size the layout's arithmetic is made for
    QSize client;
    // The screen size whose layout has this whole window.
    QSize layoutScreen() const { return whole + QSize(0, design::ScreenHeightReserve); }
};
DesktopPlacement PlaceOnDesktop(QSize screen, QRect available, QMargins frame);
