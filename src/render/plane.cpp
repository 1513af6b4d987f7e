// Drawing the coordinate plane.
#include "plane.h"

QPoint MainPlaneTopLeft(const MainWindowMetrics& w, QSize plane) {
    const int top = w.toolBarHeight - 28 +
                    (w.formHeight - (w.toolBarHeight + plane.height() + w.settingsBoxHeight)) / 2;
    const int left = w.formulaListLeft + w.formulaListWidth +
                     (w.formWidth - (w.formulaListWidth + plane.width())) / 2;
    return QPoint(left, top);
}

int PreviewPlaneTop(const MainWindowMetrics& w, int planeHeight) {
    return (w.formHeight - w.toolBarHeight - planeHeight - w.settingsBoxHeight) / 2 +
           w.toolBarHeight - 28;
}

int ScaleNumberFontSize(int spacing, int fontSize) {
    switch (spacing) {
        case 4:
            return 8;
        case 8:
            return 10;
        case 16:
            return 12;
        default:
            return fontSize;
    }
}

void TextAtLattice(ClassicCanvas& canvas, const PlaneGeometry& geometry, const QString& text,
                   double x, double y) {
    const QPoint at = geometry.RealToPixel(x, y);
    canvas.TextOut(at.x(), at.y(), text);
}

namespace {

struct LatticeColours {
    int32_t major;
    int32_t axis;
    int32_t axisWidth;
};

LatticeColours ColoursFor(PlaneVariant variant, bool jikuColor) {
    if (variant == PlaneVariant::Main) {
        const int32_t major = jikuColor ? Grey : Navy;
        return {major, major, 2};
    }
    return {jikuColor ? Navy : Grey, jikuColor ? Red : Grey, 1};
}

// Sets the pen for the lattice line of value v. Lines that are not a multiple of 5 keep the
// pen mode the line before them left, which decides how they cross lines drawn earlier.
void SetLatticePen(CanvasState& s, int v, const LatticeColours& colours, bool setModes) {
    s.PenWidth = 1;
    s.PenColor = Silver;
    if (v == 0) {
        s.PenWidth = colours.axisWidth;
        s.PenColor = colours.axis;
        if (setModes) {
            s.Mode = PenMode::NotXor;
        }
    } else if (v % 5 == 0) {
        s.PenColor = colours.major;
        if (setModes) {
            s.Mode = PenMode::Copy;
        }
    }
}

void DrawLattice(ClassicCanvas& canvas, const PlaneGeometry& g, PlaneVariant variant,
                 const LatticeColours& colours) {
    CanvasState& s = canvas.state();
    for (int i = 0; i <= g.cellsX; ++i) {
        const int v = g.xMin + i;
        const int x = g.gridLeft + i * g.unitX;
        SetLatticePen(s, v, colours, variant == PlaneVariant::Main);
        canvas.Line(QPoint(x, g.gridBottom), QPoint(x, g.gridTop));
    }
    for (int i = 0; i <= g.cellsY; ++i) {
        const int v = g.yMin + i;
        const int y = g.gridBottom - i * g.unitY;
        SetLatticePen(s, v, colours, true);
        canvas.Line(QPoint(g.gridLeft, y), QPoint(g.gridRight, y));
    }
}

bool Skipped(int v, int first, int last, int step, int end) {
    return v == first || v == last || v % step != 0 || v > end;
}

void DrawScaleNumbers(ClassicCanvas& canvas, const PlaneGeometry& g, const PlaneSettings& settings,
                      PlaneVariant variant, int endX, int endY, double offX) {
    CanvasState& s = canvas.state();
    const bool main = variant == PlaneVariant::Main;
    if (settings.ScaleNumberY > 0) {
        if (main) {
            s.FontSize = ScaleNumberFontSize(g.unitY, settings.FontSize);
        }
        for (int v = g.yMin; v <= g.yMax; ++v) {
            if (v == 0 || Skipped(v, g.yMin, g.yMax, settings.ScaleNumberY, endY)) {
                continue;
            }
            TextAtLattice(canvas, g, QString::asprintf("%3d", v), offX, v);
        }
    }
    if (settings.ScaleNumberX > 0) {
        if (main) {
            s.FontSize = ScaleNumberFontSize(g.unitX, settings.FontSize);
        }
        for (int v = g.xMin; v <= g.xMax; ++v) {
            if (Skipped(v, g.xMin, g.xMax, settings.ScaleNumberX, endX)) {
                continue;
            }
            TextAtLattice(canvas, g, QString::asprintf("%3d", v), v + offX, 0);
        }
    }
    s.FontItalic = true;
    s.FontName = PlainFontName;
}

void DrawAxisLetters(ClassicCanvas& canvas, const PlaneGeometry& g, PlaneVariant variant,
                     TypesetState& typeset, double offX, double offY) {
    SelectLetterFont(canvas, u'A', typeset);
    if (variant == PlaneVariant::Main) {
        canvas.state().FontSize = 12;
        TextAtLattice(canvas, g, QStringLiteral("x"), g.xMax + offX + 1.7, 0.5);
    } else {
        canvas.TextOut(g.gridRight + 2, g.gridTop + (g.unitY * g.cellsY) / 2 - g.unitY / 2,
                       QStringLiteral("x"));
    }
    TextAtLattice(canvas, g, QStringLiteral("y"), -0.4, g.yMax + offY + 1.2);
}

bool ReadEnd(const SettingText& text, int* value, QString* error) {
    if (!text.isInt()) {
        *error = NotIntegerMessage(text);
        return false;
    }
    *value = text.value();
    return true;
}

}  // namespace

QString DrawPlane(CanvasImage& target, const PlaneSettings& settings, int32_t defaultPlaneSize,
                  PlaneVariant variant, const DisplayOptions& options, TypesetState& typeset,
                  PlaneGeometry& geometry) {
    const PlaneGeometryResult computed = ComputePlaneGeometry(settings, defaultPlaneSize);
    if (!computed.ok()) {
        return computed.error;
    }
    int endX = 0;
    int endY = 0;
    QString error;
    if (!ReadEnd(settings.EndX, &endX, &error) || !ReadEnd(settings.EndY, &endY, &error)) {
        return error;
    }
    geometry = computed.geometry;
    if (options.bitmapPasted) {
        return QString();
    }
    const PlaneGeometry& g = geometry;
    if (target.image.size() != QSize(g.sizeX, g.sizeY)) {
        target.image = QImage(g.sizeX, g.sizeY, QImage::Format_RGB32);
    }
    ClearPanel(target, White, options.PanelTextColour);
    ClassicCanvas canvas(target);
    CanvasState& s = canvas.state();
    s.FontColor = Grey;
    s.FontSize = settings.FontSize;
    s.FontItalic = false;
    s.FontName = PlainFontName;
    if (settings.Lattice) {
        DrawLattice(canvas, g, variant, ColoursFor(variant, options.AxisColours));
        s.Mode = PenMode::Copy;
        s.FontColor = Black;
        s.BrushSolid = false;
        const double offX = (12 - settings.FontSize) * 0.1 - 1.5;
        if (settings.ScaleNumbers) {
            DrawScaleNumbers(canvas, g, settings, variant, endX, endY, offX);
        }
        const double offY = (settings.FontSize - 12) * 0.08;
        if (settings.AxisLetters) {
            DrawAxisLetters(canvas, g, variant, typeset, offX, offY);
        }
    }
    s.FontItalic = false;
    s.FontName = PlainFontName;
    if (variant == PlaneVariant::Main) {
        s.Mode = PenMode::NotXor;
    }
    return QString();
}
