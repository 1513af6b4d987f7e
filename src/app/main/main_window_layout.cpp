// The main window's frame: the central body with its font, the tool bar across its top.
#include <QFrame>
#include <QResizeEvent>

#include "main/main_window.h"

void TfrmMain::CreateControls() {
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("body"));
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(19);
    body->setFont(font);
    setCentralWidget(body);
    bar_.Create(body, width());
    body_.Create(body, Doc);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The tool bar is aligned to the top: it always spans the window.
    bar_.pnlMain->resize(centralWidget()->width(), design::PnlMainHeight);
}
