// The main window's menus: the menu bar with its commands and the formula list's popup menu.
#pragma once

class QAction;
class QMainWindow;
class QMenu;

class MainMenus {
  public:
    void Create(QMainWindow& window);

  private:
    // The main window's own commands: only it reaches them.
    friend class TfrmMain;
    QMenu* mnuFile;
    QAction* mnuNewFile;
    QAction* mnuTangenOpen;
    QAction* mnuOpenFile;
    QAction* mnuSaveFile;
    QAction* mnuSave;
    QAction* mnuEditQues;
    QAction* mnuPrint;
    QAction* mnuClipBoard;
    QAction* mnuClipBoardTo;
    QAction* mnuEnd;
    QMenu* mnuEdit;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QAction* mnuTetsei;
    QAction* mnuShoukyo;
    QAction* mnuClearBitMap;
    QAction* mnuMove;
    QAction* mnuSelectAll;
    QMenu* mnuSettings;
    QAction* mnuSetSenshu;
    QAction* mnuSetColor;
    QAction* mnuSetCoodSize;
    QMenu* mnuRun;
    QAction* mnuTest;
    QAction* mnuRenshu;
    QMenu* mnuView;
    QAction* mnuShowTangen;
    QAction* mnuShowRecord;
    QAction* mnuReDisplay;
    QAction* mnuUniColor;
    QMenu* mnuHelp;
    QAction* ShowHelp;
    QAction* OnePoint;
    QAction* ShowAbout;
    QMenu* pumShiki;
    QAction* pumDelete;
    QAction* mnuChangeColor;
    QMenu* mnuWidth;
    QAction* W1;
    QAction* W2;
    QAction* W3;
    QAction* pumCancel;
    // Ctrl+Z while the edit menu is locked away: it takes back a gesture in progress and
    // nothing else. Enabled only when mnuUndo is not, so the two never share the key.
    QAction* keyCancelGesture;
};
