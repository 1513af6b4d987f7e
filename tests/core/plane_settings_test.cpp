// The plane settings store: integer texts, tracked values, spin ranges and the registry.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "plane_settings.h"

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
    }
    EXPECT_EQ(NotIntegerMessage("abc"), QStringLiteral("'abc' は整数ではありません"));
}

TEST(PlaneSettings, TrackedValuesFollowIntegerTextsOnly) {
    PlaneSettings s;
    s.setDX("-8");
    EXPECT_EQ(s.trackedScaleX, 8);
    EXPECT_EQ(s.edtDX, "-8");
    s.setDX("x");
    EXPECT_EQ(s.trackedScaleX, 8);
    EXPECT_EQ(s.edtDX, "x");
    s.setSizeY("");
    EXPECT_EQ(s.trackedSizeY, 0);
    s.setFontSize(30);
    EXPECT_EQ(s.spnFontSize, 20);
    s.setYohaku(-1);
    EXPECT_EQ(s.spnYohaku, 0);
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
    changed.chkXY = false;
    SavePlaneSettings(registry, changed);
    EXPECT_EQ(LoadPlaneSettings(registry), changed);
}

}  // namespace
