// The main window's screen-size arithmetic. Divisions truncate toward zero, as C++ does.
#include "main/main_layout.h"

#include <algorithm>

using namespace design;

DesktopPlacement PlaceOnDesktop(QSize screen, QRect available, QMargins frame) {
    const QSize whole(std::min(screen.width(), available.width()),
                      std::min(screen.height() - ScreenHeightReserve, available.height()));
    const QSize borders(frame.left() + frame.right(), frame.top() + frame.bottom());
    return {available.topLeft(), whole, whole - borders};
}

MainLayout ComputeMainLayout(QSize screen) {
    MainLayout m;
    const int width = screen.width();
    const int height = screen.height() - ScreenHeightReserve;
    m.window = QRect(0, 0, width, height);
    // 60 leaves room for the caption, the menu and the margins round the plane.
    m.DefaultPlaneSize = ((height - PnlMainHeight - ImgShikiHeight - 60) / 32) * 32;
    m.TableCols = width / ValueTableColumnWidth - 1;

    // The left column, top to bottom; the formula list takes whatever height is left over.
    const int listTop = PnlTable.top() + PnlTable.height() + GroupGap;
    const int listHeight = height - (3 * GroupHeight + PnlTable.height() + 135);
    m.lstShiki = QRect(ListLeft, listTop, ListWidth, listHeight);
    m.grpShiki = QRect(ListLeft, listTop + listHeight + GroupGap, ListWidth, GroupHeight);
    m.grpHenikiX = QRect(ListLeft, m.grpShiki.top() + GroupHeight + GroupGap, 233, GroupHeight);
    m.grpHenikiY = QRect(ListLeft, m.grpHenikiX.top() + GroupHeight + GroupGap, 233, GroupHeight);

    m.grpKatamuki = QRect(256, m.grpHenikiX.top(), 113, GroupHeight);
    m.grpSeppen = QRect(256, m.grpHenikiY.top(), 113, GroupHeight);
    const int setteiWidth = std::max(m.DefaultPlaneSize, SetteiLeastWidth);
    const int setteiLeft = std::max(ListLeft + ListWidth + GroupGap,
                                    ListLeft + ListWidth + (width - ListWidth - setteiWidth) / 2);
    m.grpSettei = QRect(setteiLeft, m.grpSeppen.top(), setteiWidth, GroupHeight);

    const int buttonLeft = m.grpShiki.left() + m.grpShiki.width() + 19;
    m.lblShiki = QPoint(376, m.grpShiki.top());
    m.btnHyoujun = QPoint(buttonLeft, m.grpShiki.top() + 20);
    m.btnIppan = QPoint(buttonLeft, m.btnHyoujun.y() + 34);
    m.lblIdou = QPoint(buttonLeft, m.grpKatamuki.top());
    m.btnUp = QPoint(buttonLeft, m.grpKatamuki.top() + 15);
    m.btnDown = QPoint(buttonLeft, m.grpKatamuki.top() + 61);
    m.btnLeft = QPoint(374, m.grpKatamuki.top() + 38);
    m.btnRight = QPoint(408, m.grpKatamuki.top() + 38);
    return m;
}
