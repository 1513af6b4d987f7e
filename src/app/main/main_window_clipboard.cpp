// The plane and the clipboard: copying the plane as a picture, pasting a picture as the plane's
// background, and clearing it again.
#include <QClipboard>
#include <QGuiApplication>

#include "dialogs.h"
#include "main/main_window.h"
#include "plane/image_view.h"

void TfrmMain::mnuClipBoardClick() {
    QGuiApplication::clipboard()->setImage(body_.imgCood->image());
}

void TfrmMain::mnuClipBoardToClick() {
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull()) {
        ShowMessage(QStringLiteral("クリップボードに絵がありません"));
        return;  // the plane stays as it is
    }
    PastedPicture = picture.convertToFormat(QImage::Format_RGB32);
    bitmapPasted = true;
    RedrawPlane();
}

void TfrmMain::mnuClearBitMapClick() {
    if (!bitmapPasted ||
        ConfirmYesNo(QStringLiteral("ビットマップをクリアしてもいいですか")) != Answer::Yes) {
        return;
    }
    bitmapPasted = false;
    PastedPicture = QImage();
    RedrawPlane();
}
