// The main window's controls in two parts, the tool bar and the body (plane, formula list, side
// panels, display boxes, form and move buttons), each created at its design places; the body is
// then moved to the places computed from the screen size. The window connects them.
#pragma once

class ClickableLabel;
class Drawing;
class ImageView;
class PlaneView;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QToolButton;
class QWidget;
class ShikiList;
struct DisplayOptions;
struct GraphTable;
struct MainLayout;
struct TLineSpec;
struct TypesetState;

// The speed buttons, the tool's read-outs, the end-circle size and the lock.
class MainToolBar {
  public:
    // The bar spans the top of body, width pixels wide.
    void Create(QWidget* body, int width);

  private:
    // The main window's own controls: only it and its parts reach them.
    friend class TfrmMain;
    friend class MainScreen;
    friend class ToolChooser;
    QFrame* pnlMain;
    QToolButton* spdOpenFile;
    QToolButton* spdOverWrite;
    QToolButton* spdTest;
    QToolButton* spdRenshu;
    QToolButton* spdKiroku;
    QToolButton* spdTeisei;
    QToolButton* spdShoukyo;
    QToolButton* SpdChokusen;
    QToolButton* spdSenbun;
    QToolButton* spdHanchokusen;
    QToolButton* spdTen;
    QToolButton* spdMoji;
    QToolButton* spdLineColor;
    QLineEdit* edtLineMode;
    QLineEdit* edtCood;
    ImageView* imgSample;
    QToolButton* spdHeniki;
    ClickableLabel* lblHeniki;
    QSpinBox* spnMaruRad;
    QToolButton* btnLocked;
    QToolButton* btnKaijo;
    QToolButton* BitBtn1;
};

class MainBody {
  public:
    // The formula list shows table.
    void Create(QWidget* body, Drawing& drawing);
    // Moves the controls to the places computed for the screen.
    void Place(const MainLayout& layout);

    // ---- the side panels of the current graph ----
    // Every panel of graph whose box is on (options), and its value table.
    void ShowPanels(const GraphTable& table, int index, const DisplayOptions& options,
                    TypesetState& typeset);
    void ClearPanels(const DisplayOptions& options);
    void PaintFormula(const TLineSpec& graph, const DisplayOptions& options, TypesetState& typeset);
    void PaintXDomain(const TLineSpec& graph, const DisplayOptions& options, TypesetState& typeset);
    void PaintYRange(const TLineSpec& graph, const DisplayOptions& options, TypesetState& typeset);
    void PaintSlopeIntercept(const TLineSpec& graph, const DisplayOptions& options,
                             TypesetState& typeset);
    // The value table of graph index, or the empty table when there is none.
    void PaintValueTable(const GraphTable& table, int index, bool yRow);
    void ClearValueTable();
    void ClearPanel(ImageView* panel, const DisplayOptions& options);

  private:
    // The main window's own controls: only it and its screen reach them.
    friend class TfrmMain;
    friend class MainScreen;
    PlaneView* imgCood;
    QFrame* pnlTable;
    ImageView* imgTable;
    ShikiList* lstShiki;
    QListWidget* lstMojiM;
    QGroupBox* grpShiki;
    ImageView* imgShiki;
    QGroupBox* grpHenikiX;
    ImageView* imgHenikiX;
    QGroupBox* grpHenikiY;
    ImageView* imgHenikiY;
    QGroupBox* grpKatamuki;
    ImageView* imgkatamuki;
    QToolButton* btnKatamukiUp;
    QToolButton* btnKatamukiDw;
    QGroupBox* grpSeppen;
    ImageView* imgSeppen;
    QToolButton* btnSeppenUp;
    QToolButton* btnSeppenDw;
    QGroupBox* grpSettei;
    QCheckBox* chkDataTable;
    QCheckBox* chkHeniki;
    QCheckBox* chkJikuColor;
    QCheckBox* chkMaru;
    QCheckBox* chkHandle;
    QCheckBox* chkShiki;
    QCheckBox* chkKatamuki;
    QCheckBox* chkKeishiki;
    QCheckBox* chkTensen;
    QCheckBox* chkRanColor;
    QLabel* lblShiki;
    QToolButton* btnHyoujun;
    QToolButton* btnIppan;
    QLabel* lblIdou;
    QToolButton* btnUp;
    QToolButton* btnLeft;
    QToolButton* btnRight;
    QToolButton* btnDown;
    ImageView* imgLocked;
    ImageView* imgUnLocked;
    ImageView* imgOk1;
    ImageView* imgNotOk1;
    ImageView* imgOk2;
    ImageView* imgNotOk2;
};
