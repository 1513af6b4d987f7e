// The main window's menus.
#include "main/main_menus.h"

#include <QMainWindow>
#include <QMenuBar>
#include <utility>
#include <vector>

#include "help/help_context.h"

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* TopMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

void MainMenus::Create(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    mnuFile = TopMenu(bar, "mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuNewFile = Item(mnuFile, "mnuNewFile", QStringLiteral("新規作成(&N)"));
    mnuTangenOpen = Item(mnuFile, "mnuTangenOpen", QStringLiteral("単元名で開く(&T)"));
    mnuOpenFile = Item(mnuFile, "mnuOpenFile", QStringLiteral("開く(&O)"));
    mnuFile->addSeparator();
    mnuSaveFile = Item(mnuFile, "mnuSaveFile", QStringLiteral("上書き保存(&S)"));
    mnuSave = Item(mnuFile, "mnuSave", QStringLiteral("名前を付けて保存(&A)"));
    mnuFile->addSeparator();
    mnuEditQues = Item(mnuFile, "mnuEditQues", QStringLiteral("練習問題の編集(&Q)"));
    mnuFile->addSeparator();
    mnuPrint = Item(mnuFile, "mnuPrint", QStringLiteral("印刷(&P)"));
    mnuClipBoard = Item(mnuFile, "mnuClipBoard", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)"));
    mnuClipBoardTo = Item(mnuFile, "mnuClipBoardTo", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞから貼り付け(&H)"));
    mnuFile->addSeparator();
    mnuEnd = Item(mnuFile, "mnuEnd", QStringLiteral("終了(&X)"));

    mnuEdit = TopMenu(bar, "mnuEdit", QStringLiteral("編集(&E)"));
    mnuUndo = Item(mnuEdit, "mnuUndo", QStringLiteral("元に戻す(&Z)"));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    keyCancelGesture = new QAction(QStringLiteral("描きかけを取り消す"), &window);
    keyCancelGesture->setObjectName(QStringLiteral("keyCancelGesture"));
    keyCancelGesture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    keyCancelGesture->setEnabled(false);
    window.addAction(keyCancelGesture);
    mnuRedo = Item(mnuEdit, "mnuRedo", QStringLiteral("やり直し(&Y)"));
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addSeparator();
    mnuTetsei = Item(mnuEdit, "mnuTetsei", QStringLiteral("訂正(&C)"));
    mnuShoukyo = Item(mnuEdit, "mnuShoukyo", QStringLiteral("全部消去(&A)"));
    mnuClearBitMap = Item(mnuEdit, "mnuClearBitMap", QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟのクリア(&B)"));
    mnuMove = Item(mnuEdit, "mnuMove", QStringLiteral("移動(&M)"));
    mnuEdit->addSeparator();
    mnuSelectAll = Item(mnuEdit, "mnuSelectAll", QStringLiteral("すべて選択(&S)"));

    mnuSettings = TopMenu(bar, "mnuSettings", QStringLiteral("設定(&S)"));
    mnuSetSenshu = Item(mnuSettings, "mnuSetSenshu", QStringLiteral("線の種類(&K)"));
    mnuSetColor = Item(mnuSettings, "mnuSetColor", QStringLiteral("線の色(&C)"));
    mnuSetCoodSize = Item(mnuSettings, "mnuSetCoodSize", QStringLiteral("座標面(&S)"));

    mnuRun = TopMenu(bar, "mnuRun", QStringLiteral("実行(&R)"));
    mnuTest = Item(mnuRun, "mnuTest", QStringLiteral("ﾃｽﾄ(&T)"));
    mnuRenshu = Item(mnuRun, "mnuRenshu", QStringLiteral("練習(&E)"));

    mnuView = TopMenu(bar, "mnuView", QStringLiteral("表示(&V)"));
    mnuShowTangen = Item(mnuView, "mnuShowTangen", QStringLiteral("単元の内容(&U)"));
    mnuShowRecord = Item(mnuView, "mnuShowRecord", QStringLiteral("練習の記録(&R)"));
    mnuReDisplay = Item(mnuView, "mnuReDisplay", QStringLiteral("再表示(&D)"));
    mnuUniColor = Item(mnuView, "mnuUniColor", QStringLiteral("同じ色にする(&C)"));

    mnuHelp = TopMenu(bar, "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    ShowHelp = Item(mnuHelp, "ShowHelp", QStringLiteral("使い方(&U)"));
    OnePoint = Item(mnuHelp, "OnePoint", QStringLiteral("指導例(&Ｔ)"));
    mnuHelp->addSeparator();
    ShowAbout = Item(mnuHelp, "ShowAbout", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    pumShiki = new QMenu(&window);
    pumShiki->setObjectName(QStringLiteral("pumShiki"));
    pumDelete = Item(pumShiki, "pumDelete", QStringLiteral("削除"));
    mnuChangeColor = Item(pumShiki, "mnuChangeColor", QStringLiteral("色を変える"));
    mnuWidth = pumShiki->addMenu(QStringLiteral("線の太さを変える"));
    mnuWidth->setObjectName(QStringLiteral("mnuWidth"));
    W1 = Item(mnuWidth, "W1", QStringLiteral("1"));
    W2 = Item(mnuWidth, "W2", QStringLiteral("2"));
    W3 = Item(mnuWidth, "W3", QStringLiteral("3"));
    pumShiki->addSeparator();
    pumCancel = Item(pumShiki, "pumCancel", QStringLiteral("選択解除"));

    // The help topics F1 opens over each menu's commands.
    const std::pair<std::vector<QAction*>, int> topics[] = {
        {{mnuNewFile, mnuTangenOpen, mnuOpenFile, mnuSaveFile, mnuSave, mnuPrint, mnuClipBoard,
          mnuEnd},
         214},
        {{mnuTetsei, mnuShoukyo}, 216},
        {{mnuSetSenshu, mnuSetColor}, 218},
        {{mnuTest, mnuRenshu}, 220},
        {{mnuShowTangen, mnuShowRecord}, 222},
        {{ShowHelp}, MainHelpContext},
        {{OnePoint}, 230},
    };
    for (const auto& [items, topic] : topics) {
        for (QAction* item : items) {
            SetHelpContext(item, topic);
        }
    }
}
