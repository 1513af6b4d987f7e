// The main window after its first showing: places, captions, hints, menus, cursors, catalogue.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>

#include "clickable_label.h"
#include "fonts.h"
#include "plane/image_view.h"
#include "shiki_list.h"
#include "sjis_codec.h"
#include "tangen_window.h"
#include "window_fixture.h"

namespace {

// The captions of a menu's items, "-" for a separator.
QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

TEST_F(MainWindowTest, MenusCarryTheirExactCaptions) {
    struct MenuRow {
        QString title;
        QStringList items;
    };
    const MenuRow rows[] = {
        {"ﾌｧｲﾙ(&F)",
         {"新規作成(&N)", "単元名で開く(&T)", "開く(&O)", "-", "上書き保存(&S)",
          "名前を付けて保存(&A)", "-", "練習問題の編集(&Q)", "-", "印刷(&P)",
          "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞから貼り付け(&H)", "-", "終了(&X)"}},
        {"編集(&E)",
         {"元に戻す(&Z)", "やり直し(&Y)", "-", "訂正(&C)", "全部消去(&A)", "ﾋﾞｯﾄﾏｯﾌﾟのクリア(&B)",
          "移動(&M)", "-", "すべて選択(&S)"}},
        {"設定(&S)", {"線の種類(&K)", "線の色(&C)", "座標面(&S)"}},
        {"実行(&R)", {"ﾃｽﾄ(&T)", "練習(&E)"}},
        {"表示(&V)", {"単元の内容(&U)", "練習の記録(&R)", "再表示(&D)", "同じ色にする(&C)"}},
        {"ﾍﾙﾌﾟ(&H)", {"使い方(&U)", "指導例(&Ｔ)", "-", "ﾊﾞｰｼﾞｮﾝ情報(&A)"}},
    };
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(menus[i]->text(), rows[i].title);
        ASSERT_NE(menus[i]->menu(), nullptr);
        EXPECT_EQ(Captions(menus[i]->menu()), rows[i].items);
    }
    EXPECT_EQ(Captions(Ui<QMenu>("pumShiki")),
              (QStringList{"削除", "色を変える", "線の太さを変える", "-", "選択解除"}));
    EXPECT_EQ(Captions(Ui<QMenu>("mnuWidth")), (QStringList{"1", "2", "3"}));
}

TEST_F(MainWindowTest, OnlyBuiltCommandsAreEnabled) {
    for (
        QAction* built :
        {Ui<QAction>("mnuEnd"),        Ui<QAction>("mnuTetsei"),      Ui<QAction>("mnuShoukyo"),
         Ui<QAction>("mnuSelectAll"),  Ui<QAction>("mnuShowTangen"),  Ui<QAction>("mnuReDisplay"),
         Ui<QAction>("pumDelete"),     Ui<QAction>("pumCancel"),      Ui<QAction>("W1"),
         Ui<QAction>("mnuMove"),       Ui<QAction>("mnuSetSenshu"),   Ui<QAction>("mnuSetColor"),
         Ui<QAction>("mnuUniColor"),   Ui<QAction>("mnuChangeColor"), Ui<QAction>("mnuNewFile"),
         Ui<QAction>("mnuTangenOpen"), Ui<QAction>("mnuOpenFile"),    Ui<QAction>("mnuSaveFile"),
         Ui<QAction>("mnuSave"),       Ui<QAction>("mnuEditQues"),    Ui<QAction>("mnuSetCoodSize"),
         Ui<QAction>("mnuTest"),       Ui<QAction>("mnuRenshu"),      Ui<QAction>("mnuShowRecord"),
         Ui<QAction>("mnuClipBoard"),  Ui<QAction>("mnuClipBoardTo"), Ui<QAction>("mnuClearBitMap"),
         Ui<QAction>("ShowHelp"),      Ui<QAction>("OnePoint"),       Ui<QAction>("ShowAbout"),
         Ui<QAction>("mnuPrint")}) {
        EXPECT_TRUE(built->isEnabled()) << built->text().toStdString();
    }
    for (QWidget* built :
         {Ui<QToolButton>("spdMoji"), Ui<QToolButton>("spdLineColor"), Ui<QToolButton>("btnUp"),
          Ui<QToolButton>("btnLeft"), Ui<QToolButton>("btnRight"), Ui<QToolButton>("btnDown"),
          Ui<QToolButton>("btnKatamukiUp"), Ui<QToolButton>("btnKatamukiDw"),
          Ui<QToolButton>("btnSeppenUp"), Ui<QToolButton>("btnSeppenDw"),
          Ui<QToolButton>("spdOpenFile"), Ui<QToolButton>("spdOverWrite"),
          Ui<QToolButton>("spdTest"), Ui<QToolButton>("spdRenshu"), Ui<QToolButton>("spdKiroku")}) {
        EXPECT_TRUE(built->isEnabled()) << built->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, ToolBarButtonsSitAtTheirPlacesWithTheirHints) {
    struct Row {
        const char* name;
        int left;
        int width;
        QString hint;
    };
    const Row rows[] = {
        {"spdOpenFile", 6, 25, "単元名で開く"},
        {"spdOverWrite", 32, 25, "上書き保存"},
        {"spdTest", 64, 25, "テスト"},
        {"spdRenshu", 90, 25, "練習"},
        {"spdKiroku", 122, 25, "記録の表示"},
        {"spdTeisei", 154, 25, "訂正"},
        {"spdShoukyo", 180, 25, "全部消去"},
        {"SpdChokusen", 212, 25, "直線"},
        {"spdSenbun", 238, 25, "線分"},
        {"spdHanchokusen", 264, 25, "半直線"},
        {"spdTen", 290, 25, "点"},
        {"spdMoji", 316, 25, "文字"},
        {"spdLineColor", 342, 25, "ｶﾗｰの設定"},
        {"spdHeniki", 546, 36, "変域の設定"},
        {"btnLocked", 670, 26, "使える機能の制限"},
        {"btnKaijo", 706, 63, "座標面の設定"},
        {"BitBtn1", 776, 63, ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto* button = Ui<QFrame>("pnlMain")->findChild<QToolButton*>(QLatin1String(r.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->x(), r.left);
        EXPECT_EQ(button->width(), r.width);
        EXPECT_EQ(button->toolTip(), r.hint);
    }
    EXPECT_EQ(Ui<QToolButton>("spdHeniki")->text(), QStringLiteral("変域"));
    EXPECT_EQ(Ui<QToolButton>("btnKaijo")->text(), QStringLiteral("選択解除"));
    EXPECT_EQ(Ui<QToolButton>("BitBtn1")->text(), QStringLiteral("全部選択"));
    EXPECT_EQ(Ui<QLineEdit>("edtLineMode")->geometry().topLeft().x(), 372);
    EXPECT_EQ(Ui<QLineEdit>("edtLineMode")->font().pixelSize(), 16);
    EXPECT_EQ(Ui<QLineEdit>("edtCood")->geometry(), QRect(426, 8, 73, 24));
    EXPECT_EQ(Ui<QLineEdit>("edtCood")->text(), QStringLiteral("  ( x, y )"));
    // Every read-out a plane can show stands whole in the box: from its first character to its
    // last the cursor moves by the text's full width, so nothing was scrolled away.
    QLineEdit* readout = Ui<QLineEdit>("edtCood");
    const auto cursorX = [readout](int position) {
        readout->setCursorPosition(position);
        return readout->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    for (const char* text : {" (-15,-15)", " (-888,-888)", " (999,-999)", " (  0,  0)"}) {
        SCOPED_TRACE(text);
        readout->setText(QString::fromLatin1(text));
        const int start = cursorX(0);
        EXPECT_EQ(cursorX(readout->text().size()) - start,
                  readout->fontMetrics().horizontalAdvance(readout->text()));
        EXPECT_LE(start, 4);
    }
    EXPECT_EQ(Ui<ImageView>("imgSample")->geometry(), QRect(502, 9, 41, 22));
    EXPECT_EQ(Ui<ClickableLabel>("lblHeniki")->x(), 586);
    EXPECT_EQ(Ui<QSpinBox>("spnMaruRad")->x(), 632);
    EXPECT_EQ(Ui<QSpinBox>("spnMaruRad")->value(), 5);
    EXPECT_EQ(Ui<QSpinBox>("spnMaruRad")->maximum(), 8);
    EXPECT_EQ(Ui<QFrame>("pnlMain")->height(), 40);
}

TEST_F(MainWindowTest, BodyFollowsTheScreenSize) {
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->size(), QSize(1024, 740));
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image().size(), QSize(544, 544));  // the default plane
    EXPECT_EQ(Ui<ShikiList>("lstShiki")->geometry(), QRect(16, 116, 353, 273));
    EXPECT_EQ(Ui<QGroupBox>("grpShiki")->geometry(), QRect(16, 396, 353, 89));
    EXPECT_EQ(Ui<QGroupBox>("grpHenikiY")->geometry(), QRect(16, 588, 233, 89));
    EXPECT_EQ(Ui<QGroupBox>("grpSettei")->geometry(), QRect(432, 588, 544, 89));
    EXPECT_EQ(Ui<QToolButton>("btnHyoujun")->geometry(), QRect(388, 416, 25, 29));
    EXPECT_EQ(Ui<PlaneView>("imgCood")->geometry(), QRect(432, 45, 544, 544));
    EXPECT_EQ(Ui<ImageView>("imgTable")->geometry(), QRect(0, 3, 353, 57));
    // Below its group's caption, whose height the font decides, and inside the group.
    const QRect slope = Ui<ImageView>("imgkatamuki")->geometry();
    EXPECT_EQ(QRect(slope.x(), 0, slope.width(), slope.height()), QRect(44, 0, 61, 65));
    EXPECT_GE(slope.y(), 16);
    EXPECT_LE(slope.bottom(), 89 - 3);
    EXPECT_EQ(Ui<QListWidget>("lstMojiM")->geometry(), QRect(424, 104, 89, 177));
    EXPECT_TRUE(Ui<QListWidget>("lstMojiM")->isHidden());
    EXPECT_TRUE(Ui<QCheckBox>("chkKeishiki")->isHidden());
    EXPECT_TRUE(Ui<ImageView>("imgOk1")->isHidden());
}

TEST_F(MainWindowTest, FormulaListUsesTheFixedFontAndMultiSelection) {
    EXPECT_EQ(Ui<ShikiList>("lstShiki")->font().family(), InstalledFamily(FixedFontName));
    EXPECT_EQ(Ui<ShikiList>("lstShiki")->font().pixelSize(), 19);
    EXPECT_EQ(Ui<ShikiList>("lstShiki")->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(Ui<ShikiList>("lstShiki")->toolTip(), QStringLiteral("右クリックが使えます"));
    window->AddOrReplaceLine(Line(0, 1, 2, 2), -1);
    EXPECT_EQ(Ui<ShikiList>("lstShiki")
                  ->visualRect(Ui<ShikiList>("lstShiki")->model()->index(0, 0))
                  .height(),
              19);
}

TEST_F(MainWindowTest, CheckBoxesStartChecked) {
    struct Row {
        QCheckBox* box;
        QString caption;
        QPoint at;
        int pixels;
    };
    const Row rows[] = {
        {Ui<QCheckBox>("chkDataTable"), "関数の表", {16, 24}, 13},
        {Ui<QCheckBox>("chkHeniki"), "ｙの変域", {104, 24}, 13},
        {Ui<QCheckBox>("chkJikuColor"), "軸の色", {192, 24}, 13},
        {Ui<QCheckBox>("chkMaru"), "端点の丸", {288, 26}, 15},
        {Ui<QCheckBox>("chkHandle"), "ﾊﾝﾄﾞﾙ", {392, 26}, 15},
        {Ui<QCheckBox>("chkShiki"), "ｸﾞﾗﾌの式", {16, 52}, 13},
        {Ui<QCheckBox>("chkKatamuki"), "傾きと切片", {104, 48}, 13},
        {Ui<QCheckBox>("chkKeishiki"), "式の形式", {192, 40}, 13},
        {Ui<QCheckBox>("chkTensen"), "点線", {192, 52}, 13},
        {Ui<QCheckBox>("chkRanColor"), "定数欄の色", {288, 52}, 13},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption.toStdString());
        EXPECT_EQ(r.box->text(), r.caption);
        EXPECT_EQ(r.box->pos(), r.at);
        EXPECT_EQ(r.box->font().pixelSize(), r.pixels);
        EXPECT_TRUE(r.box->isChecked());
    }
}

TEST_F(MainWindowTest, FirstShowingStartsAnEmptyUnlockedDrawing) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kelvane Tesmara   ：   ") + window->StartDir +
                                         QStringLiteral("Graph1.lin"));
    EXPECT_EQ(window->StartDir, QDir::currentPath() + QStringLiteral("/"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblTangen")->text(), QStringLiteral("Kelvane"));
    EXPECT_EQ(OwnedUi<QLabel>("frmTangen", "lblNline")->text(), QStringLiteral("0"));
    EXPECT_EQ(window->Doc.Table().Memo, QStringList{QStringLiteral("Kelvane")});
    EXPECT_TRUE(Ui<QMenu>("mnuFile")->menuAction()->isEnabled());  // not locked
    EXPECT_TRUE(window->Doc.FirstSaveDialog());
    EXPECT_TRUE(window->Doc.Saved());
    EXPECT_EQ(window->Edit.Form, EquationForm::Standard);
    EXPECT_EQ(Ui<QGroupBox>("grpShiki")->title(),
              QStringLiteral("グラフの式（１次関数 ｙ＝ａｘ＋ｂの形）"));
    EXPECT_EQ(Ui<QLineEdit>("edtLineMode")->text(), QStringLiteral("直線"));
    EXPECT_TRUE(Ui<QToolButton>("SpdChokusen")->isChecked());
}

TEST_F(MainWindowTest, CursorsSitInTheirSlots) {
    EXPECT_EQ(Ui<PlaneView>("imgCood")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(Ui<PlaneView>("imgCood")->cursor().hotSpot(), QPoint(1, 30));    // pencil
    EXPECT_EQ(Ui<ImageView>("imgTable")->cursor().hotSpot(), QPoint(15, 15));  // cross
    EXPECT_EQ(Ui<ShikiList>("lstShiki")->cursor().hotSpot(), QPoint(1, 1));    // arrow
    for (int slot = CursorArrow; slot <= CursorScissors; ++slot) {
        EXPECT_EQ(LoadCursorSlots()[slot].pixmap().size(), QSize(32, 32)) << slot;
    }
}

TEST_F(MainWindowTest, PanelsStartInTeal) {
    EXPECT_EQ(Ui<ImageView>("imgShiki")->image().pixelColor(5, 5), QColor(0, 128, 128));
    EXPECT_EQ(Ui<ImageView>("imgSeppen")->image().pixelColor(5, 5), QColor(0, 128, 128));
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image().pixelColor(5, 5), QColor(Qt::white));
}

TEST_F(MainWindowTest, RedisplayMenuRedrawsThePlane) {
    Ui<PlaneView>("imgCood")->canvas().image.fill(Qt::black);
    Ui<QAction>("mnuReDisplay")->trigger();
    EXPECT_EQ(Ui<PlaneView>("imgCood")->image().pixelColor(100, 100), QColor(Qt::white));
}

// Writes "Index.ini" into the current folder for one test.
class CatalogTest : public ::testing::Test {
  protected:
    void TearDown() override { QFile::remove(QStringLiteral("Index.ini")); }
    void WriteCatalog(const QByteArray& bytes) {
        QFile file(QStringLiteral("Index.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    ScriptedDialogs dialogs;
};

TEST_F(CatalogTest, IndexLinesBecomeUnitNamesAndFiles) {
    WriteCatalog(EncodeCp932(QStringLiteral("[Index]\r\n1=比例のグラフ,DATA\\hirei.lin\r\n"
                                            "2=なし\r\n3=,DATA\\x.lin\r\n"))
                     .bytes);
    TfrmMain window(QSize(1024, 768));
    EXPECT_EQ(window.Catalog.count, 3);
    EXPECT_EQ(window.Catalog.UnitNames[0], QStringLiteral("比例のグラフ"));
    EXPECT_EQ(window.Catalog.UnitFiles[0], QStringLiteral("DATA\\hirei.lin"));
    EXPECT_EQ(window.Catalog.UnitNames[1], QStringLiteral("?"));
    EXPECT_EQ(window.Catalog.UnitFiles[1], QStringLiteral("?"));
    EXPECT_EQ(window.Catalog.UnitNames[2], QString());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogTest, MissingCatalogIsSilent) {
    TfrmMain window(QSize(1024, 768));
    EXPECT_EQ(window.Catalog.count, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogTest, ALineThatDoesNotReadIsLeftOutSilentlyAndAnUnreadableCatalogueReported) {
    WriteCatalog(QByteArray("[index]\r\n1=\x81\x20,a.lin\r\n2=b,DATA\\b.lin\r\n"));
    {
        TfrmMain window(QSize(1024, 768));
        EXPECT_EQ(window.Catalog.UnitNames, QStringList{"b"});
        EXPECT_TRUE(dialogs.messages.isEmpty());
    }
    QFile::remove(QStringLiteral("Index.ini"));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Index.ini")));
    TfrmMain window(QSize(1024, 768));
    QDir().rmdir(QStringLiteral("Index.ini"));
    EXPECT_EQ(window.Catalog.count, 0);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(window.StartDir + QStringLiteral("Index.ini")));
}

}  // namespace
