// What the plane settings window holds: the texts of its edit boxes, the values of its spin
// edits and the states of its check boxes. Graph files and the registry keep the texts as they
// stand; the plane is drawn from the numbers, read once when a text is set.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <utility>

class QSettings;

// Reads a settings text the way the plane reads it: empty is 0, otherwise a decimal integer with
// an optional sign. Returns false for any other text.
bool ParseSettingInt(const QString& text, int* value);

// A setting's text as its box holds it, and the integer it stands for, read when it is set.
class SettingText {
  public:
    SettingText(const char* text) : SettingText(QString::fromLatin1(text)) {}
    SettingText(const QString& text) { *this = text; }
    SettingText& operator=(const QString& text) {
        text_ = text;
        value_ = 0;
        isInt_ = ParseSettingInt(text_, &value_);
        return *this;
    }
    SettingText& operator=(const char* text) { return *this = QString::fromLatin1(text); }
    operator const QString&() const { return text_; }
    const QString& text() const { return text_; }
    bool isInt() const { return isInt_; }
    int value() const { return value_; }  // 0 for a text that is not an integer

    friend bool operator==(const SettingText& a, const SettingText& b) {
        return a.text_ == b.text_;
    }
    friend bool operator==(const SettingText& a, const QString& b) { return a.text_ == b; }
    friend bool operator==(const SettingText& a, const char* b) {
        return a.text_ == QLatin1String(b);
    }

  private:
    QString text_;
    bool isInt_ = true;
    int value_ = 0;
};

struct PlaneSettings {
    SettingText SizeX = QStringLiteral("-99");  // plane width in pixels; below 1: default size
    SettingText SizeY = QStringLiteral("-99");
    SettingText StartX =
        QStringLiteral("-99");  // lattice x of the left grid edge; |v| >= 60: automatic
    SettingText StartY = QStringLiteral("-99");
    SettingText EndX = QStringLiteral("99");  // largest x with a scale number
    SettingText EndY = QStringLiteral("99");
    SettingText SpacingX = QStringLiteral("16");  // pixels per lattice unit
    SettingText SpacingY = QStringLiteral("16");
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

// The pixels of one side of the plane for a size text: below 1 (or not an integer) stands for
// the default size.
int PlaneSidePixels(const SettingText& size, int defaultPlaneSize);

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
// Saves the settings and reads them back from the store: the message for the user when they were
// not kept (the store keeps the settings it had), otherwise empty.
QString StorePlaneSettings(QSettings& registry, const PlaneSettings& s);
