// The plane settings store: integer texts, tracked values, spin ranges and the registry.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <tuple>

#include "plane_settings.h"
#include "refusing_disk.h"
#include "test_files.h"

namespace {

TEST(PlaneSettings, ParsesSettingIntegers) {
    struct Row {
        const char* text;
        bool ok;
        int value;
    } rows[] = {
        {"", true, 0},   {"16", true, 16},  {"-99", true, -99},
        {"+8", true, 8}, {"1.5", false, 0}, {"abc", false, 0},
        {"-", false, 0}, {" 3", false, 0},  {"99999999999", false, 0},
    };
    for (const Row& r : rows) {
        int v = 0;
        EXPECT_EQ(ParseSettingInt(QString::fromUtf8(r.text), &v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(v, r.value) << r.text;
        }
        // A setting keeps its text as typed and reads its number once, when it is set.
        SettingText setting = "7";
        setting = QString::fromUtf8(r.text);
        EXPECT_EQ(setting.text(), QString::fromUtf8(r.text));
        EXPECT_EQ(setting.isInt(), r.ok) << r.text;
        EXPECT_EQ(setting.value(), r.value) << r.text;
    }
    EXPECT_EQ(NotIntegerMessage("abc"), QStringLiteral("'abc' は整数ではありません"));
}

TEST(PlaneSettings, TrackedValuesFollowIntegerTextsOnly) {
    PlaneSettings s;
    s.setDX("-8");
    EXPECT_EQ(s.trackedScaleX, 8);
    EXPECT_EQ(s.SpacingX, "-8");
    s.setDX("x");
    EXPECT_EQ(s.trackedScaleX, 8);
    EXPECT_EQ(s.SpacingX, "x");
    s.setSizeY("");
    EXPECT_EQ(s.trackedSizeY, 0);
    s.setFontSize(30);
    EXPECT_EQ(s.FontSize, 20);
    s.setYohaku(-1);
    EXPECT_EQ(s.Margin, 0);
}

TEST(PlaneSettings, EmptyRegistryGetsEveryDefaultWritten) {
    QTemporaryDir dir;
    QSettings registry(dir.filePath("Morin1.conf"), QSettings::IniFormat);
    const PlaneSettings s = LoadPlaneSettings(registry);
    EXPECT_EQ(s, PlaneSettings());
    EXPECT_EQ(registry.allKeys().size(), 14);
    EXPECT_EQ(registry.value("SizeX").toString(), "-99");
    EXPECT_EQ(registry.value("chkMemori").toInt(), 1);

    PlaneSettings changed = s;
    changed.setSizeX("320");
    changed.setScaleNumberY(2);
    changed.AxisLetters = false;
    EXPECT_EQ(StorePlaneSettings(registry, changed), QString());
    EXPECT_EQ(LoadPlaneSettings(registry), changed);
}

TEST(PlaneSettings, RegistryValuesThePlaneCannotUseFallBackToTheirDefaults) {
    // Given: one stored value. Expected: the value read, which is also left in the registry
    // unless the row names what the registry keeps (a number too large for this screen).
    const std::tuple<const char*, QVariant, const char*, const char*> rows[] = {
        {"SizeX", "4096", "4096", nullptr},
        {"SizeX", "4097", "-99", "4097"},
        {"SizeY", "5000", "-99", "5000"},
        {"ScaleX", "4096", "4096", nullptr},
        {"ScaleY", "4097", "16", "4097"},
        {"ScaleX", "8", "8", nullptr},
        {"ScaleX", "1", "1", nullptr},
        {"ScaleX", "0", "16", nullptr},
        {"ScaleY", "-8", "16", nullptr},
        {"ScaleY", "abc", "16", nullptr},
        {"ScaleY", "", "16", nullptr},
        {"SizeX", "320", "320", nullptr},
        {"SizeX", "", "", nullptr},
        {"SizeX", "3.5", "-99", nullptr},
        {"SizeY", " 320", "-99", nullptr},
        {"StartX", "-2", "-2", nullptr},
        {"StartX", "x", "-99", nullptr},
        {"StartY", "59", "59", nullptr},
        {"StartY", "1e3", "-99", nullptr},
        {"EndX", "-7", "-7", nullptr},
        {"EndX", "九", "99", nullptr},
        {"EndY", "++1", "99", nullptr},
        {"EndY", "99999999999", "99", nullptr},
        {"SizeY", QStringList{"1", "2"}, "-99", nullptr},
    };
    for (const auto& [name, stored, expected, kept] : rows) {
        SCOPED_TRACE(std::string(name) + "=" + stored.toString().toStdString());
        QTemporaryDir dir;
        QSettings registry(dir.filePath("Morin1.conf"), QSettings::IniFormat);
        registry.setValue(name, stored);
        registry.sync();  // as stored by an earlier start
        const PlaneSettings s = LoadPlaneSettings(registry);
        for (const auto& [written, value] : PlaneRegistryValues(s)) {
            if (written == name) {
                EXPECT_EQ(value.toString(), QString::fromUtf8(expected));
            }
        }
        EXPECT_EQ(registry.value(name).toString(), QString::fromUtf8(kept ? kept : expected));
    }
    // A repair the disk refuses leaves the file as it was; this start uses the default.
    QTemporaryDir dir;
    const QString path = dir.filePath("Morin1.conf");
    WriteBytes(path, "[General]\nScaleX=abc\nSizeX=320\n");
    RefusingSteps refusing(ReplaceStep::Write);
    const ScopedFileSteps disk(refusing);
    {
        QSettings registry(path, QSettings::IniFormat);
        EXPECT_EQ(LoadPlaneSettings(registry).SpacingX.text(), "16");
    }
    EXPECT_EQ(ReadBytes(path), "[General]\nScaleX=abc\nSizeX=320\n");
}

TEST(PlaneSettings, SavingWritesTheFourteenValuesInTheirOrder) {
    PlaneSettings s;
    s.setDX("8");
    s.AxisLetters = false;
    s.setScaleNumberY(3);
    s.setSizeX("320");
    s.StartY = "-3";
    s.EndX = "7";
    s.setYohaku(0);
    s.Lattice = false;  // neither the grid switch nor the keep box is stored
    s.KeepInRegistry = true;
    QStringList written;
    for (const auto& [name, value] : PlaneRegistryValues(s)) {
        written.append(name + u'=' + value.toString());
    }
    EXPECT_EQ(written.join(u' '),
              "ScaleX=8 ScaleY=16 chkXY=0 chkMemori=1 ScaleNumberX=5 ScaleNumberY=3 SizeX=320 "
              "SizeY=-99 StartX=-99 StartY=-3 EndX=7 EndY=99 FontSize=12 Yohaku=0");
}

}  // namespace
