// The classic canvas the drawings are made for, emulated with QPainter in this one place: strokes
// leave their end pixel unpainted, ellipses and rectangles leave out the right and bottom edge of
// their box, the inverting pen paints not (pen xor pixel), dotted pens have one fixed rhythm, and
// text is written with its top-left corner at the given point on the brush colour unless the brush
// is clear. The canvas keeps its pen, brush and font between drawings, as callers rely on.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <optional>

#include "device_pixels.h"
#include "fonts.h"

enum class PenMode {
    Copy,    // paints the pen colour
    NotXor,  // paints the complement of (pen colour xor pixel): twice drawn is gone
};

enum class PenStyle {
    Solid,
    Dotted,  // DotOn pixels painted, DotOff left, along the stroke, at every pen width
};

constexpr int DotOn = 3;
constexpr int DotOff = 3;

// Pen, brush and font of a canvas; colours are 0x00BBGGRR.
struct CanvasState {
    int32_t PenColor = 0x000000;
    int32_t PenWidth = 1;
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;
    int32_t BrushColor = 0xFFFFFF;
    bool BrushSolid = true;
    QString FontName = PlainFontName;
    int32_t FontSize = 9;  // points
    bool FontItalic = false;
    int32_t FontColor = 0x000000;
};

// An image with the canvas state that stays with it from one drawing to the next. On a scaled
// screen (ratio above 1) every drawing is made a second time, at the screen's resolution, into
// `device`, which is what that screen shows; `image` stays the picture in logical pixels that
// pixel reads, copies, the clipboard, printing and the exporter take.
struct CanvasImage {
    QImage image;
    CanvasState state;
    double ratio = 1;     // device pixels per logical pixel of the screen that shows it
    QImage device;        // the drawing at that ratio, DeviceGrid(ratio).Size(image.size())
    qint64 deviceOf = 0;  // image.cacheKey() when device last showed the same drawing
};

// Makes a white image of the given size with a fresh canvas.
CanvasImage MakeCanvasImage(int width, int height, double ratio = 1);

// Whether the device picture shows what image holds: any change of image made other than
// through the canvas (a raster copy, a picture laid with a painter) changes its cache key.
bool DeviceInStep(const CanvasImage& canvas);

// Fills image and device picture with one colour, in step.
void FillCanvas(CanvasImage& canvas, int32_t color);

// What the formula typesetter and the value table write on, in canvas pixels with the canvas's
// state: a canvas image, or a printed page where text must stay text (worksheets).
class TextSurface {
  public:
    virtual CanvasState& state() = 0;
    // Text with its top-left corner at (x, y) in the state's font and font colour.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    // A stroke in the state's pen that leaves out the pixel at to.
    virtual void Line(QPoint from, QPoint to) = 0;

  protected:
    ~TextSurface() = default;
};

// Paints on a CanvasImage while it lives; reads the canvas state at every call.
class ClassicCanvas final : public TextSurface {
  public:
    explicit ClassicCanvas(CanvasImage& target);
    ~ClassicCanvas();
    ClassicCanvas(const ClassicCanvas&) = delete;
    ClassicCanvas& operator=(const ClassicCanvas&) = delete;

    CanvasState& state() override { return target_.state; }
    const QImage& image() const { return target_.image; }

    // Move-to from, line-to to: every pixel of the stroke except the one at to.
    void Line(QPoint from, QPoint to) override;
    // Ellipse and rectangle in the box (l, t)-(r, b): the pen outlines, the brush fills, and
    // column r and row b stay unpainted. An empty box draws nothing.
    void Ellipse(int l, int t, int r, int b);
    void Rectangle(int l, int t, int r, int b);
    // Text with its top-left corner at (x, y) in the font colour, on the brush colour when the
    // brush is solid. The pen mode does not apply to text.
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text);
    // Fills the whole image with a colour, in copy mode.
    void Fill(int32_t color);
    // The part of the image painted since TrackPainted(), for repainting only that. A long
    // slanted stroke adds a chain of small rectangles along it rather than its bounding box.
    // Tracking costs time, so full redraws leave it off.
    void TrackPainted() { tracking_ = true; }
    QRegion painted() const { return painted_; }

  private:
    void ApplyPen(int width);
    void AxisAlignedLine(QPoint from, QPoint to, int width);
    void PixelStroke(QPoint from, QPoint to, int width, bool dotted);
    void ApplyBrush();
    void ApplyMode(PenMode mode);
    const QFont& CurrentFont();
    // The same drawings in device pixels, while the canvas has a device picture.
    void DeviceStroke(QPoint from, QPoint to, int width, bool dotted);
    void DeviceRectangle(int l, int t, int r, int b, int width);
    void DeviceEllipse(int l, int t, int r, int b, int width);
    void DeviceText(int x, int y, const QString& text, int advance);

    void Touch(const QRect& area) {
        if (tracking_) {
            painted_ += area;
        }
    }
    void TouchStroke(QPoint from, QPoint to, int width);

    CanvasImage& target_;
    bool tracking_ = false;
    QRegion painted_;
    QPainter painter_;
    QFont font_;
    QString fontName_;
    int32_t fontSize_ = -1;
    bool fontItalic_ = false;
    int fontHeight_ = 0;
    QString fontKey_;
    std::optional<DeviceGrid> grid_;  // set while there is a device picture
    std::optional<QPainter> devicePainter_;
    QFont deviceFont_;
};

// Fills a Format_RGB32 image with one colour.
void FillImage(QImage& image, int32_t color);
// Paints the pixels of the area (clipped to the image) with the pen, or inverts them with it as
// the not-XOR pen does.
void PaintPixels(QImage& image, QRect area, uint32_t pen, bool invert);

// Raster copies of a whole image onto another at a point: OR and XOR of the pixels.
void CopyOr(QImage& destination, QPoint at, const QImage& source);
void CopyXor(QImage& destination, QPoint at, const QImage& source);
// The same onto a canvas, whose device picture takes the source enlarged, as a scaled screen
// shows a picture of logical pixels.
void CopyOr(CanvasImage& destination, QPoint at, const QImage& source);
void CopyXor(CanvasImage& destination, QPoint at, const QImage& source);
