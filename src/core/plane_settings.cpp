// The plane settings store and its registry key.
#include "plane_settings.h"

#include <QSettings>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "plane_geometry.h"
#include "settings_write.h"

namespace {

// The tracked value follows a box only while the box holds an integer.
void Track(const SettingText& text, int* tracked) {
    if (text.isInt()) {
        *tracked = text.value() == INT_MIN ? INT_MAX : std::abs(text.value());
    }
}

// A text value that must hold an integer of at least minimum for the plane to be drawable. Any
// other value is replaced by the default in the registry as well, so that a damaged key costs
// the user one start-up's settings, not every start-up's plane. A number above maximum is only
// passed over for this run: it may suit a larger screen, so the registry keeps it.
using Repairs = QList<std::pair<QString, QVariant>>;

QString RegReadIntText(QSettings& registry, Repairs* repairs, const QString& name,
                       const QString& fallback, int minimum = INT_MIN, int maximum = INT_MAX) {
    const QVariant v = registry.value(name);
    int value = 0;
    if (v.isValid() && v.typeId() != QMetaType::QStringList &&
        ParseSettingInt(v.toString(), &value) && value >= minimum) {
        return value <= maximum ? v.toString() : fallback;
    }
    repairs->append({name, fallback});
    return fallback;
}

int RegReadInt(QSettings& registry, Repairs* repairs, const QString& name, int fallback) {
    const QVariant v = registry.value(name);
    bool ok = false;
    const int value = v.toInt(&ok);
    if (v.isValid() && ok) {
        return value;
    }
    repairs->append({name, fallback});
    return fallback;
}

}  // namespace

bool ParseSettingInt(const QString& text, int* value) {
    if (text.isEmpty()) {
        *value = 0;
        return true;
    }
    qsizetype i = 0;
    if (text[0] == u'-' || text[0] == u'+') {
        i = 1;
    }
    if (i == text.size()) {
        return false;
    }
    for (qsizetype k = i; k < text.size(); ++k) {
        if (text[k] < u'0' || text[k] > u'9') {
            return false;
        }
    }
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok) {
        return false;
    }
    *value = v;
    return true;
}

int PlaneSidePixels(const SettingText& size, int defaultPlaneSize) {
    return size.isInt() && size.value() >= 1 ? size.value() : defaultPlaneSize;
}

QString NotIntegerMessage(const QString& text) {
    return QStringLiteral("'%1' は整数ではありません").arg(text);
}

void PlaneSettings::setSizeX(const QString& text) {
    SizeX = text;
    Track(SizeX, &trackedSizeX);
}
void PlaneSettings::setSizeY(const QString& text) {
    SizeY = text;
    Track(SizeY, &trackedSizeY);
}
void PlaneSettings::setDX(const QString& text) {
    SpacingX = text;
    Track(SpacingX, &trackedScaleX);
}
void PlaneSettings::setDY(const QString& text) {
    SpacingY = text;
    Track(SpacingY, &trackedScaleY);
}
void PlaneSettings::setScaleNumberX(int v) {
    ScaleNumberX = std::clamp(v, 0, 20);
}
void PlaneSettings::setScaleNumberY(int v) {
    ScaleNumberY = std::clamp(v, 0, 20);
}
void PlaneSettings::setFontSize(int v) {
    FontSize = std::clamp(v, 8, 20);
}
void PlaneSettings::setYohaku(int v) {
    Margin = std::clamp(v, 0, 5);
}

PlaneSettings LoadPlaneSettings(QSettings& registry) {
    PlaneSettings s;
    Repairs repairs;
    const auto text = [&](const char* name, const char* fallback, int minimum = INT_MIN,
                          int maximum = INT_MAX) {
        return RegReadIntText(registry, &repairs, QString::fromLatin1(name),
                              QString::fromLatin1(fallback), minimum, maximum);
    };
    const auto number = [&](const char* name, int fallback) {
        return RegReadInt(registry, &repairs, QString::fromLatin1(name), fallback);
    };
    s.setSizeX(text("SizeX", "-99", INT_MIN, MaxPlaneSidePixels));
    s.setSizeY(text("SizeY", "-99", INT_MIN, MaxPlaneSidePixels));
    s.setDX(text("ScaleX", "16", 1, MaxPlaneSidePixels));
    s.setDY(text("ScaleY", "16", 1, MaxPlaneSidePixels));
    s.StartX = text("StartX", "-99");
    s.StartY = text("StartY", "-99");
    s.setScaleNumberX(number("ScaleNumberX", 5));
    s.setScaleNumberY(number("ScaleNumberY", 5));
    s.EndX = text("EndX", "99");
    s.EndY = text("EndY", "99");
    s.setFontSize(number("FontSize", 12));
    s.setYohaku(number("Yohaku", 1));
    s.AxisLetters = number("chkXY", 1) != 0;
    s.ScaleNumbers = number("chkMemori", 1) != 0;
    // Through the checked writer: QSettings' own write empties the file on a full disk. When the
    // repair is not kept, this run still uses the defaults and the next start tries again.
    if (!repairs.isEmpty()) {
        WriteSettingsKept(registry, repairs);
    }
    return s;
}

QList<std::pair<QString, QVariant>> PlaneRegistryValues(const PlaneSettings& s) {
    return {
        {"ScaleX", s.SpacingX.text()},    {"ScaleY", s.SpacingY.text()},
        {"chkXY", s.AxisLetters ? 1 : 0}, {"chkMemori", s.ScaleNumbers ? 1 : 0},
        {"ScaleNumberX", s.ScaleNumberX}, {"ScaleNumberY", s.ScaleNumberY},
        {"SizeX", s.SizeX.text()},        {"SizeY", s.SizeY.text()},
        {"StartX", s.StartX.text()},      {"StartY", s.StartY.text()},
        {"EndX", s.EndX.text()},          {"EndY", s.EndY.text()},
        {"FontSize", s.FontSize},         {"Yohaku", s.Margin},
    };
}

QString StorePlaneSettings(QSettings& registry, const PlaneSettings& s) {
    if (WriteSettingsKept(registry, PlaneRegistryValues(s))) {
        return {};
    }
    // A file is named, as for every file the program cannot write; the registry has no name a
    // user would know.
    return (SettingsKeptInAFile(registry) ? registry.fileName() + u'に' : QString()) +
           QStringLiteral("座標面の設定を保存できませんでした");
}
