// What the plane settings window holds: the texts of its edit boxes, the values of its spin
// edits and the states of its check boxes. The plane is drawn from these values at every redraw
// and graph files carry most of them.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

class QSettings;

struct PlaneSettings {
    QString SizeX = QStringLiteral("-99");  // plane width in pixels; below 1: default size
    QString SizeY = QStringLiteral("-99");
    QString StartX =
        QStringLiteral("-99");  // lattice x of the left grid edge; |v| >= 60: automatic
    QString StartY = QStringLiteral("-99");
    QString EndX = QStringLiteral("99");  // largest x with a scale number
    QString EndY = QStringLiteral("99");
    QString SpacingX = QStringLiteral("16");  // pixels per lattice unit
    QString SpacingY = QStringLiteral("16");
    int ScaleNumberX = 5;  // 0..20
    int ScaleNumberY = 5;
    int FontSize = 12;  // 8..20
    int Margin = 1;     // 0..5
    bool AxisLetters = true;
    bool ScaleNumbers = true;
    bool Lattice = true;
    bool KeepInRegistry = false;
    // Absolute values of the integers in the size and spacing boxes, updated when a box changes
    // to an integer text (empty counts as 0); a non-integer text leaves them as they were.
    int trackedSizeX = 99;
    int trackedSizeY = 99;
    int trackedScaleX = 16;
    int trackedScaleY = 16;

    void setSizeX(const QString& text);
    void setSizeY(const QString& text);
    void setDX(const QString& text);
    void setDY(const QString& text);
    void setScaleNumberX(int v);
    void setScaleNumberY(int v);
    void setFontSize(int v);
    void setYohaku(int v);

    friend bool operator==(const PlaneSettings&, const PlaneSettings&) = default;
};

// Reads a settings text the way the plane reads it: empty is 0, otherwise a decimal integer with
// an optional sign. Returns false for any other text.
bool ParseSettingInt(const QString& text, int* value);

// The pixels of one side of the plane for a size text: below 1 (or not an integer) stands for
// the default size.
int PlaneSidePixels(const QString& sizeText, int defaultPlaneSize);

// The conversion message for a text that is not an integer.
QString NotIntegerMessage(const QString& text);

// The settings kept in the registry key "Kelvane/Morin1". A missing value, a size, start or end
// that is not an integer, or a spacing that is not an integer of 1 or more, is written with its
// default and the default is used.
PlaneSettings LoadPlaneSettings(QSettings& registry);
// The fourteen registry values in the order they are written: spacings, the two drawing flags,
// scale-number steps, sizes, starts, ends, font size, margin. Texts as they stand in the boxes,
// flags as 0 or 1.
QList<std::pair<QString, QVariant>> PlaneRegistryValues(const PlaneSettings& s);
void SavePlaneSettings(QSettings& registry, const PlaneSettings& s);
