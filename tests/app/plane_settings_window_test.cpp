// The plane settings window driven as a teacher uses it: typing into the boxes, the preset
// buttons, the test, OK, Cancel and the close box, with the main window's redraws counted.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <tuple>

#include "control_driver.h"
#include "scripted_dialogs.h"
#include "settings/plane_settings_window.h"

namespace {

const std::string Range = "値の範囲は160以上352以下です";
const std::string Spacing = "値の範囲は4以上32以下です";

// The store a window is shown on: x and y differ in every pair, so a swapped field shows.
PlaneSettings Fixture() {
    PlaneSettings s;
    s.setSizeX("320");
    s.setSizeY("256");
    s.setDY("8");
    s.StartX = "-2";
    s.EndX = "7";
    s.EndY = "6";
    s.setScaleNumberX(2);
    s.setScaleNumberY(3);
    return s;
}

// Every field of a store as name=value, in a fixed order.
QStringList Fields(const PlaneSettings& s) {
    QStringList f{s.SizeX, s.SizeY, s.SpacingX, s.SpacingY, s.StartX, s.StartY, s.EndX, s.EndY};
    for (int n : {s.ScaleNumberX, s.ScaleNumberY, s.FontSize, s.Margin, int(s.AxisLetters),
                  int(s.ScaleNumbers), int(s.Lattice), s.trackedScaleX, s.trackedScaleY}) {
        f.append(QString::number(n));
    }
    const QStringList names = QStringLiteral(
                                  "SizeX SizeY DX DY StartX StartY EndX EndY StepX StepY Font "
                                  "Margin XY Memori Zahyou TrackX TrackY")
                                  .split(u' ');
    for (qsizetype i = 0; i < f.size(); ++i) {
        f[i].prepend(names[i] + u'=');
    }
    return f;
}

// A shown window on the fixture, counting the main window's redraws.
struct Harness {
    ScriptedDialogs dialogs;
    PlaneSettings settings = Fixture();
    int redraws = 0;
    TfrmSetCood window{settings, 352, [this] { ++redraws; }};
    QPoint shownAt = PlaceWhenShown(window);

    void Type(const char* box, const char* text) {
        auto* edit = window.findChild<QLineEdit*>(QLatin1String(box));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QLatin1String(text));
    }
    void Click(const QString& name) { window.findChild<QAbstractButton*>(name)->click(); }

    // The fields of the store that differ from the fixture, the redraws, * while a change is
    // untested, ≠ when the controls do not show the store, and the messages.
    std::string State() const {
        const auto text = [&](const char* n) { return Control<QLineEdit>(window, n)->text(); };
        const auto value = [&](const char* n) { return Control<QSpinBox>(window, n)->value(); };
        const auto on = [&](const char* n) { return Control<QCheckBox>(window, n)->isChecked(); };
        PlaneSettings shown = settings;
        std::tie(shown.SizeX, shown.SizeY, shown.SpacingX, shown.SpacingY, shown.StartX,
                 shown.StartY, shown.EndX, shown.EndY) =
            std::tuple(text("edtSizeX"), text("edtSizeY"), text("edtDX"), text("edtDY"),
                       text("edtStartX"), text("edtStartY"), text("edtEndX"), text("edtEndY"));
        std::tie(shown.ScaleNumberX, shown.ScaleNumberY, shown.FontSize, shown.Margin,
                 shown.AxisLetters, shown.ScaleNumbers, shown.Lattice) =
            std::tuple(value("spnScaleNumberX"), value("spnScaleNumberY"), value("spnFontSize"),
                       value("spnYohaku"), on("chkXY"), on("chkMemori"), on("chkZahyou"));
        const QStringList now = Fields(settings), before = Fields(Fixture());
        QStringList parts;
        for (qsizetype i = 0; i < now.size(); ++i) {
            if (now[i] != before[i]) {
                parts.append(now[i]);
            }
        }
        parts.append(QStringLiteral("r%1").arg(redraws));
        if (window.settingsChanged) {
            parts.append(QStringLiteral("*"));
        }
        if (!(shown == settings)) {
            parts.append(QStringLiteral("≠"));
        }
        if (!dialogs.messages.isEmpty()) {
            parts.append(dialogs.messages.join(u'/'));
        }
        return parts.join(u' ').toStdString();
    }
};

TEST(PlaneSettingsWindowTest, ShowsEveryControlWithItsCaptionAndRange) {
    Harness h;
    QStringList all{h.window.windowTitle(),
                    QStringLiteral("%1x%2").arg(h.window.width()).arg(h.window.height())};
    for (const QWidget* c : h.window.findChildren<QWidget*>()) {
        const auto* b = qobject_cast<const QAbstractButton*>(c);
        const auto* l = qobject_cast<const QLabel*>(c);
        const auto* s = qobject_cast<const QSpinBox*>(c);
        if (b || l || s) {
            all.append(c->objectName() + u'=' +
                       (b   ? b->text()
                        : l ? l->text()
                            : QStringLiteral("%1..%2").arg(s->minimum()).arg(s->maximum())));
        }
    }
    EXPECT_EQ(all.join(u' ').toStdString(),
              "座標面の設定 339x495 lblX=X座標 lblY=Ｙ座標 lblSize=ｻｲｽﾞ BitBtn1=無 btnMaxX=384 "
              "btnDaiX=320 btnChuX=256 btnShouX=160 btnScaleYN=無 btnMaxY=384 btnDaiY=320 "
              "btnChuY=256 btnShouY=160 lblInterval=目盛間隔 btnSCL=16 btnSCM=8 btnSCS=4 "
              "btnSYL=16 btnSYM=8 btnSYS=4 lblStart=目盛開始 btnStartXn=無 btnStartXm2=-2 "
              "btnStartYn=無 btnStartYm2=-2 lblEnd=目盛終了 btnEndXNo=無 btnEndYno=無 "
              "lblMemori=目盛 spnScaleNumberX=0..20 spnScaleNumberY=0..20 "
              "lblFontSize=フォントサイズ spnFontSize=8..20 lblYohaku=余白 spnYohaku=0..5 "
              "chkXY=X,Yを付ける chkMemori=目盛を付ける chkZahyou=座標を表示する "
              "chkKeep=この設定を保存する btnTest=テスト(&T) btnOk=OK btnCancel=ｷｬﾝｾﾙ");
    EXPECT_EQ(h.State(), "r0");
    // At the top left of the free area when it is shown, the first time and every time after.
    const QPoint topLeft = h.window.screen()->availableGeometry().topLeft();
    EXPECT_EQ(h.shownAt, topLeft);
    h.window.hide();
    h.window.move(topLeft + QPoint(300, 200));
    EXPECT_EQ(PlaceWhenShown(h.window), topLeft);
}

// Both sides of every limit. A failed size goes back to the showing's sizes; a failed spacing,
// start or end stays for the user to mend. Only a pass redraws.
TEST(PlaneSettingsWindowTest, TestRefusesWhatThePlaneCannotDraw) {
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"edtSizeX", "160", "SizeX=160 r1"},
        {"edtSizeX", "159", "r0 * " + Range},
        {"edtSizeY", "352", "SizeY=352 r1"},
        {"edtSizeY", "353", "r0 * " + Range},
        {"edtSizeX", "abc", "SizeX=abc r0 * 'abc' は整数ではありません"},
        {"edtSizeY", "3.5", "SizeY=3.5 r0 * '3.5' は整数ではありません"},
        {"edtDX", "4", "DX=4 TrackX=4 r1"},
        {"edtDX", "3", "DX=3 TrackX=3 r0 * " + Spacing},
        {"edtDY", "32", "DY=32 TrackY=32 r1"},
        {"edtDY", "33", "DY=33 TrackY=33 r0 * " + Spacing},
        {"edtDX", "-8", "DX=-8 TrackX=8 r0 * " + Spacing},
        {"edtDY", "8x", "DY=8x r0 * '8x' は整数ではありません"},
        {"edtStartX", "59", "StartX=59 r1"},
        {"edtStartY", "1.0", "StartY=1.0 r0 * '1.0' は整数ではありません"},
        {"edtEndX", "z", "EndX=z r0 * 'z' は整数ではありません"},
    };
    for (const auto& [box, text, expected] : rows) {
        SCOPED_TRACE(std::string(box) + "=" + text);
        Harness h;
        h.Type(box, text);
        EXPECT_TRUE(h.window.settingsChanged);
        EXPECT_EQ(h.window.btnTestClick(), expected.find('*') == std::string::npos);
        EXPECT_EQ(h.State(), expected);
    }
}

TEST(PlaneSettingsWindowTest, PresetsFillTheirBoxAndTestAllButTheEnds) {
    const std::pair<const char*, std::string> rows[] = {
        {"BitBtn1 btnScaleYN", "SizeX=-99 SizeY=-99 r2"},
        {"btnChuX btnDaiY", "SizeX=256 SizeY=320 r2"},
        {"btnShouX btnShouY btnDaiX btnChuY", "r4"},
        // Beyond the screen: both sizes go back to the showing's, not to the last test's.
        {"btnShouY btnMaxX", "r1 * " + Range},
        {"btnShouX btnMaxY", "r1 * " + Range},
        {"btnSCM btnSYL", "DX=8 DY=16 TrackX=8 TrackY=16 r2"},
        {"btnSCS btnSYS", "DX=4 DY=4 TrackX=4 TrackY=4 r2"},
        {"btnSCS btnSCL btnSYS btnSYM", "r4"},
        {"btnStartXn btnStartYm2", "StartX=-99 StartY=-2 r2"},
        {"btnStartXn btnStartYm2 btnStartXm2 btnStartYn", "r4"},
        {"btnEndXNo btnEndYno", "EndX=99 EndY=99 r0 *"},
        {"chkZahyou chkXY chkMemori", "XY=0 Memori=0 Zahyou=0 r3"},
    };
    for (const auto& [clicks, expected] : rows) {
        SCOPED_TRACE(clicks);
        Harness h;
        for (const QString& name : QString::fromLatin1(clicks).split(u' ')) {
            h.Click(name);
        }
        EXPECT_EQ(h.State(), expected);
    }
    Harness wide;
    wide.window.SetDefaultPlaneSize(384);
    wide.Click("btnMaxX");
    wide.Click("btnMaxY");
    EXPECT_EQ(wide.State(), "SizeX=384 SizeY=384 r2");
}

// Cancel, the close box and Escape put back every value of the showing and redraw, also after a
// failed size test has put the sizes back already.
TEST(PlaneSettingsWindowTest, CancelAndTheCloseBoxRestoreTheSnapshot) {
    for (const std::string closer : {"Cancel", "CloseBox", "Escape"}) {
        SCOPED_TRACE(closer);
        Harness h;
        h.Type("edtDX", "4");
        h.Type("edtEndY", "9");
        Control<QSpinBox>(h.window, "spnFontSize")->stepUp();
        Control<QSpinBox>(h.window, "spnScaleNumberY")->stepDown();
        h.Click("chkZahyou");
        h.Type("edtSizeY", "999");
        h.window.btnTestClick();
        EXPECT_EQ(h.State(), "DX=4 EndY=9 StepY=2 Font=13 Zahyou=0 TrackX=4 r1 * " + Range);
        closer == "Cancel"     ? Press(h.window, "btnCancel")
        : closer == "CloseBox" ? void(h.window.close())
                               : QTest::keyClick(&h.window, Qt::Key_Escape);
        EXPECT_FALSE(h.window.isVisible());
        EXPECT_EQ(h.window.result(), ModalCancel);
        EXPECT_EQ(h.State(), "r2 " + Range);
    }
}

TEST(PlaneSettingsWindowTest, OkTestsOnlyAChangeAndKeepsOnlyWhatPassed) {
    // QSettings("Kelvane", "Morin1") is a file in a scratch folder for this test.
    QTemporaryDir registryDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, registryDir.path());
    const auto stored = [] {
        QSettings key(QStringLiteral("Kelvane"), QStringLiteral("Morin1"));
        QStringList values;
        for (const QString& name : key.allKeys()) {
            values.append(name + u'=' + key.value(name).toString());
        }
        return values.join(u' ').toStdString();
    };
    Harness h;
    h.Click("chkKeep");
    h.Type("edtStartY", "abc");
    h.window.btnOkClick();
    h.Type("edtStartY", "-3");
    h.Type("edtDX", "3");
    h.window.btnOkClick();
    h.window.btnOkClick();  // the failed test left the change untested: OK tests it again
    EXPECT_TRUE(h.window.isVisible());
    EXPECT_EQ(stored(), "");
    h.Type("edtDX", "32");
    h.window.btnTestClick();
    h.window.btnOkClick();  // tested since the change: kept without another redraw
    EXPECT_EQ(h.window.result(), ModalOk);
    EXPECT_EQ(h.State(),
              "DX=32 StartY=-3 TrackX=32 r1 'abc' は整数ではありません/" + Spacing + "/" + Spacing);
    EXPECT_EQ(stored(),
              "EndX=7 EndY=6 FontSize=12 ScaleNumberX=2 ScaleNumberY=3 ScaleX=32 ScaleY=8 "
              "SizeX=320 SizeY=256 StartX=-2 StartY=-3 Yohaku=1 chkMemori=1 chkXY=1");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

// A graph file read into the store while the window is open: the window shows it without
// counting a change, and the snapshot taken then is what Cancel goes back to.
TEST(PlaneSettingsWindowTest, ShowsAStoreWrittenFromOutside) {
    Harness h;
    h.settings.setSizeX("160");
    h.settings.setDY("4");
    h.settings.ScaleNumbers = false;
    h.window.ShowSettings();
    h.window.SaveSnapshot();
    EXPECT_EQ(h.State(), "SizeX=160 DY=4 Memori=0 TrackY=4 r0");
    h.Type("edtSizeY", "200");
    h.window.btnCancelClick();
    EXPECT_EQ(h.State(), "SizeX=160 DY=4 Memori=0 TrackY=4 r1");
}

}  // namespace
