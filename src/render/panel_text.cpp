// The formula panel typesetter.
#include "panel_text.h"

#include "sjis_codec.h"

void ClearPanel(CanvasImage& image, int32_t color, int32_t panelTextColour) {
    // The old bitmap's memory is reused when it has the right form; the result is the same.
    if (image.image.isNull() || image.image.format() != QImage::Format_RGB32) {
        const QSize size = image.image.size();
        image.image = QImage(size.isEmpty() ? QSize(1, 1) : size, QImage::Format_RGB32);
    }
    FillCanvas(image, color);
    image.state.BrushColor = color;
    image.state.FontColor = panelTextColour;
}

void SelectLetterFont(TextSurface& canvas, QChar ch, TypesetState& typeset) {
    CanvasState& s = canvas.state();
    if (ch.unicode() >= 65 && ch.unicode() <= 122) {
        typeset.PanelLineHeight = 15;
        s.FontName = LetterFontName;
        s.FontItalic = true;
        s.FontSize = ch == u'x' ? 18 : 14;
    } else {
        typeset.PanelLineHeight = 20;
        s.FontName = PlainFontName;
        s.FontItalic = false;
        s.FontSize = PanelFontSize;
    }
}

void PanelText(TextSurface& canvas, const TypesetState& typeset, int column, int row,
               const QString& text) {
    canvas.TextOut(column * PanelColumnWidth, row * typeset.PanelLineHeight + 1, text);
}

int PanelItem(TextSurface& canvas, const TypesetState& typeset, const QString& top,
              const QString& bottom, int column) {
    if (top.isEmpty()) {
        return 0;
    }
    const int topLength = SjisByteLength(top);
    if (bottom.isEmpty()) {
        PanelText(canvas, typeset, column, 1, top);
        return topLength + 1;
    }
    const int bottomLength = SjisByteLength(bottom);
    int width = std::max(topLength, bottomLength);
    width += width % 2;
    PanelText(canvas, typeset, column + width - topLength, 0, top);
    PanelText(canvas, typeset, column, 1, QString(width / 2, QChar(0x2015)));
    PanelText(canvas, typeset, column + width - bottomLength, 2, bottom);
    return width + 1;
}

namespace {

bool IsRelationSign(QChar ch) {
    return ch == QChar(0x2266) || ch == QChar(0x2267) || ch == QChar(0xFF1C) || ch == QChar(0xFF1E);
}

constexpr QChar FractionTerminator(0xFF65);  // the half-width "･"

// Scans a formula and writes its items left to right.
class FormulaWriter {
  public:
    FormulaWriter(TextSurface& canvas, TypesetState& typeset)
        : canvas_(canvas), typeset_(typeset) {}

    void Write(const QString& text) {
        for (const QChar ch : text) {
            if (IsRelationSign(ch)) {
                Flush();
                column_ += PanelItem(canvas_, typeset_, QString(ch), QString(), column_);
            } else if (ch == u'/') {
                numerator_ = digits_;
                digits_.clear();
                pending_ = true;
            } else if (ch >= u'0' && ch <= u'9') {
                digits_ += ch;
            } else if (ch == FractionTerminator) {
                Flush();
            } else {
                Flush();
                SelectLetterFont(canvas_, ch, typeset_);
                PanelText(canvas_, typeset_, column_, 1, QString(ch) + u' ');
                SelectLetterFont(canvas_, u'0', typeset_);
                column_ += 2;
            }
        }
        Flush();
    }

  private:
    void Flush() {
        column_ += pending_ ? PanelItem(canvas_, typeset_, numerator_, digits_, column_)
                            : PanelItem(canvas_, typeset_, digits_, QString(), column_);
        pending_ = false;
        digits_.clear();
        numerator_.clear();
    }

    TextSurface& canvas_;
    TypesetState& typeset_;
    int column_ = 1;
    bool pending_ = false;
    QString digits_;
    QString numerator_;
};

}  // namespace

void TypesetFormula(TextSurface& surface, const QString& text, bool plain, int32_t textColour,
                    TypesetState& typeset) {
    surface.state().FontColor = textColour;
    surface.state().FontSize = PanelFontSize;
    if (plain || text.contains(u'す')) {
        surface.TextOut(PanelColumnWidth, typeset.PanelLineHeight, text);
        return;
    }
    FormulaWriter(surface, typeset).Write(text);
}

void WriteFormulaText(CanvasImage& image, const QString& text, bool plain, int32_t background,
                      int32_t panelTextColour, TypesetState& typeset) {
    ClearPanel(image, background, panelTextColour);
    ClassicCanvas canvas(image);
    TypesetFormula(canvas, text, plain, panelTextColour, typeset);
}

void WriteFormulaPanel(CanvasImage& image, const TLineSpec& graph, int32_t background,
                       int32_t panelTextColour, TypesetState& typeset) {
    WriteFormulaText(image, graph.Text, graph.Kind == GraphKind::Label, background, panelTextColour,
                     typeset);
}
