// The print window: the preview page, the printer dialog once per showing, one job for each copy,
// a real PDF page, the drawing's worksheet, and the menu command that opens the window on the
// main plane.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <optional>

#include "a4_pdf.h"
#include "plane/image_view.h"
#include "print/print_window.h"
#include "scripted_dialogs.h"
#include "tangen_window.h"
#include "window_fixture.h"

namespace {

int PdfPageCount(const QByteArray& bytes) {
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
               bytes.count("/Type /Page "));
}

// A printer that logs what it is asked: "setup" or "cancel" for the dialog, "jam" for a job that
// cannot start, and the side of each printed square. A page that is not the preview, not drawn
// in a job or not under the wait cursor is logged with a "!".
class LoggingPrinter final : public PrintTarget {
  public:
    QSize page;
    int copyCount = 1;
    std::deque<std::optional<QSize>> setups;  // the page chosen in each dialog; none: cancelled
    bool jammed = false;
    const QImage* preview = nullptr;
    QStringList log;
    bool inJob = false;

    QSize pageSize() const override { return page; }
    bool chooseSetup(QWidget*) override {
        const std::optional<QSize> chosen = setups.empty() ? std::nullopt : setups.front();
        if (!setups.empty()) {
            setups.pop_front();
        }
        log.append(chosen ? QStringLiteral("setup") : QStringLiteral("cancel"));
        page = chosen.value_or(page);
        return chosen.has_value();
    }
    int copies() const override { return copyCount; }
    bool beginJob() override {
        if (jammed) {
            log.append(QStringLiteral("jam"));
            return false;
        }
        inJob = true;
        return true;
    }
    void drawPage(const QImage& picture, const QRect& target) override {
        QString entry = target.topLeft() == QPoint(0, 0) && target.width() == target.height()
                            ? QString::number(target.width())
                            : QStringLiteral("!rect");
        const QCursor* cursor = QApplication::overrideCursor();
        entry += picture == *preview ? "" : "!picture";
        entry += cursor != nullptr && cursor->shape() == Qt::WaitCursor ? "" : "!cursor";
        entry += inJob ? "" : "!job";
        log.append(entry);
    }
    void endJob() override { inJob = false; }
    // Paints the job into an A4 PDF in memory and logs "pages N".
    bool printPages(const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) override {
        if (jammed) {
            log.append(QStringLiteral("jam"));
            return false;
        }
        log.append(QStringLiteral("pages %1").arg(PdfPageCount(PaintA4Pdf(paint))));
        return true;
    }
};

// A plane 301 pixels wide and 199 high, odd so that halving it rounds, with a colour in each
// quarter: red, green / blue, yellow.
QImage QuarteredPlane() {
    QImage plane(301, 199, QImage::Format_RGB32);
    for (int y = 0; y < plane.height(); ++y) {
        for (int x = 0; x < plane.width(); ++x) {
            const bool right = x > 150;
            const bool lower = y > 99;
            plane.setPixel(x, y,
                           lower ? (right ? qRgb(255, 255, 0) : qRgb(0, 0, 255))
                                 : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0)));
        }
    }
    return plane;
}

// The smallest rectangle holding every pixel for which the test holds.
template <typename Test>
QRect BoundsOf(const QImage& image, Test test) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixel(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

struct PrintWindowParts {
    PrintWindowParts() {
        plane.setImage(QuarteredPlane());
        auto owned = std::make_unique<LoggingPrinter>();
        printer = owned.get();
        window = std::make_unique<TfrmPrint>(
            plane, [] { return QStringLiteral("DATA\\比例と一次関数.lin"); }, std::move(owned));
        printer->preview = &Control<ImageView>(*window, "imgCoodX")->image();
    }
    ScriptedDialogs dialogs;
    ImageView plane;
    LoggingPrinter* printer;
    std::unique_ptr<TfrmPrint> window;
};

TEST(PrintWindowTest, PreviewRedrawsThePlaneAndBothLinesAsTheBoxesChange) {
    struct Row {
        int percent, left, top;
        QString title;
        QRect plane;  // where the plane lands
        int titleLeft;
    };
    // One window for all rows, so that each row redraws what the last one left.
    const Row rows[] = {
        {100, 30, 70, QStringLiteral("Kelvane Tesmara"), QRect(30, 70, 301, 199), 147},
        {50, 30, 70, QStringLiteral("Kelvane Tesmara"), QRect(30, 70, 151, 100), 72},
        {50, 0, 0, QStringLiteral("１次関数"), QRect(0, 0, 151, 100), 57},
        {70, 200, 10, QString(), QRect(200, 10, 211, 139), 0},
    };
    PrintWindowParts parts;
    TfrmPrint& window = *parts.window;
    window.show();
    const QString file = Control<QLineEdit>(window, "edtFile")->text();
    EXPECT_TRUE(file.contains(QRegularExpression(QStringLiteral(
        "^DATA\\\\比例と一次関数\\.lin  20\\d\\d\\.\\d\\d\\.\\d\\d  \\d\\d:\\d\\d$"))))
        << file.toStdString();
    EXPECT_EQ(Control<QLineEdit>(window, "edtTitle")->text(), QStringLiteral("Kelvane Tesmara"));
    for (const Row& r : rows) {
        SCOPED_TRACE(r.percent);
        Control<QSpinBox>(window, "spnShukusho")->setValue(r.percent);
        Control<QSpinBox>(window, "spnLeft")->setValue(r.left);
        Control<QSpinBox>(window, "spnTop")->setValue(r.top);
        Control<QLineEdit>(window, "edtTitle")->setText(r.title);
        const QImage& page = Control<ImageView>(window, "imgCoodX")->image();
        ASSERT_EQ(page.size(), QSize(640, 640));
        const QRect plane =
            BoundsOf(page, [](QRgb p) { return p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255); });
        EXPECT_EQ(plane, r.plane);
        EXPECT_EQ(
            (QList<QRgb>{page.pixel(plane.topLeft()), page.pixel(plane.topRight()),
                         page.pixel(plane.bottomLeft()), page.pixel(plane.bottomRight())}),
            (QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)}));
        // Ink of the file line starts at (left + 10, 10), the title's 15 pixels under the plane.
        const auto black = [](QRgb p) { return p == qRgb(0, 0, 0); };
        const QRect fileLine = BoundsOf(page.copy(0, 0, 640, 30), black);
        EXPECT_GE(fileLine.left(), r.left + 10);
        EXPECT_LE(fileLine.left(), r.left + 13);
        EXPECT_GE(fileLine.top(), 10);
        EXPECT_LE(fileLine.top(), 14);
        const QRect title = BoundsOf(page.copy(0, r.plane.bottom() + 1, 640, 40), black);
        if (r.title.isEmpty()) {
            EXPECT_TRUE(title.isNull());
            continue;
        }
        EXPECT_GE(title.left(), r.titleLeft);
        EXPECT_LE(title.left(), r.titleLeft + 3);
        EXPECT_GE(title.top(), 15);
        EXPECT_LE(title.top(), 19);
    }
}

TEST(PrintWindowTest, AsksForThePrinterOncePerShowingAndPrintsEachCopyAsAJob) {
    const QSize portrait(2892, 4000);
    const QSize landscape(4092, 2892);
    constexpr std::nullopt_t cancel = std::nullopt;
    const QString failed = QStringLiteral("印刷できません。プリンタ設定を確かめてください");
    struct Row {
        QSize page;
        int copies;
        std::deque<std::optional<QSize>> setups;
        const char* steps;  // p 印刷開始, s プリンタ設定, r closed and shown again, j jams
        QString log;        // the printer's log, then the messages shown
        QString pageLabels;
    };
    const Row rows[] = {
        {portrait, 1, {portrait}, "pp", "setup 2892 2892", "W：2892 H：4000"},
        {QSize(2480, 3508), 3, {landscape}, "p", "setup 2892 2892 2892", "W：4092 H：2892"},
        {QSize(600, 900), 1, {QSize(600, 900)}, "p", "setup 600", "W：600 H：900"},
        {portrait, 1, {cancel, cancel}, "pp", "cancel cancel", "W：2892 H：4000"},
        {portrait, 1, {portrait}, "sp", "setup 2892", "W：2892 H：4000"},
        {portrait, 1, {portrait, cancel}, "ssp", "setup cancel 2892", "W：2892 H：4000"},
        {portrait, 1, {portrait, portrait}, "prp", "setup 2892 setup 2892", "W：2892 H：4000"},
        {portrait, 2, {portrait}, "jp", "setup jam " + failed, "W：2892 H：4000"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.steps + (u' ' + r.log).toStdString());
        PrintWindowParts parts;
        LoggingPrinter& printer = *parts.printer;
        TfrmPrint& window = *parts.window;
        printer.page = r.page;
        printer.copyCount = r.copies;
        printer.setups = r.setups;
        window.show();
        for (const char* step = r.steps; *step != '\0'; ++step) {
            printer.jammed |= *step == 'j';
            if (*step != 'j') {
                Press(window, *step == 'p' ? "btnPrint" : *step == 's' ? "btnSettei" : "btnClose");
                window.show();  // again after 閉じる
            }
        }
        EXPECT_EQ((printer.log + parts.dialogs.messages).join(u' ').toStdString(),
                  r.log.toStdString());
        EXPECT_EQ(Control<QLabel>(window, "lblPWidth")->text() + u' ' +
                      Control<QLabel>(window, "lblPHeight")->text(),
                  r.pageLabels);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(window.isVisible());
    }
}

TEST(PrintWindowTest, PrintsOnePdfPageWithThePreviewOnIt) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("グラフ.pdf"));
    ImageView plane;
    plane.setImage(QuarteredPlane());
    auto owned = std::make_unique<SystemPrinter>();
    QPrinter& printer = owned->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    TfrmPrint window(
        plane, [] { return QStringLiteral("Graph1.lin"); }, std::move(owned));
    window.show();
    EXPECT_EQ(Control<QLabel>(window, "lblPWidth")->text(),
              QStringLiteral("W：") + QString::number(printer.width()));
    // The user chooses printing to a file, the list's last entry, which a computer with
    // printers would not choose by itself, and confirms Qt's print dialog.
    int dialogsSeen = 0;
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            ++dialogsSeen;
            if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
                printers->setCurrentIndex(printers->count() - 1);
            }
            dialog->accept();
        }
    });
    user.start();
    Press(window, "btnPrint");
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_TRUE(window.printerChosen);
    EXPECT_EQ(printer.copyCount(), 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(bytes), 1);
    // The page carries the 640 × 640 preview picture, and no other.
    EXPECT_EQ(bytes.count("/Subtype /Image"), 1);
    EXPECT_TRUE(bytes.contains("/Width 640"));
    EXPECT_TRUE(bytes.contains("/Height 640"));
    EXPECT_TRUE(window.isVisible());
}

TEST(PrintWindowTest, PrintsTheDrawingsWorksheetAsOneJobPerCopy) {
    PrintWindowParts parts;
    TfrmPrint& window = *parts.window;
    window.show();
    std::vector<TLineSpec> graphs;
    window.worksheetOfDrawing = [&] {
        WorksheetUnit unit;
        unit.title = QStringLiteral("比例");
        unit.graphs = graphs;
        return unit;
    };
    Press(window, "btnWorksheet");
    EXPECT_EQ(parts.dialogs.messages, QStringList{QStringLiteral("印刷するグラフがありません")});
    EXPECT_TRUE(parts.printer->log.isEmpty());

    EditingState edit;
    graphs = {NewLineSpec(edit, {}, {0, 0}, {1, 2}), NewLineSpec(edit, {}, {0, 1}, {3, 2})};
    parts.printer->setups = {QSize(2480, 3508)};
    parts.printer->copyCount = 2;
    EXPECT_FALSE(Control(window, "chkAnswers")->isEnabled());
    Press(window, "btnWorksheet");
    // The students' copy and, after it, the page of answers.
    Control<QCheckBox>(window, "chkBlank")->setChecked(true);
    EXPECT_TRUE(Control(window, "chkAnswers")->isEnabled());
    Control<QCheckBox>(window, "chkAnswers")->setChecked(true);
    Press(window, "btnWorksheet");
    EXPECT_EQ(parts.printer->log,
              (QStringList{"setup", "pages 1", "pages 1", "pages 2", "pages 2"}));
    EXPECT_EQ(parts.dialogs.messages.size(), 1);
}

TEST_F(MainWindowTest, PrintCommandOpensThePrintWindowOnThePlaneAndFileName) {
    window->AddOrReplaceLine(Line(0, 0, 1, 2), -1);
    window->Doc.MarkSaved(window->Doc.Title(), QStringLiteral("DATA\\Graph2.lin"));
    QStringList shown;
    dialogs.modalScript = [&](QDialog& dialog) {
        auto& print = dynamic_cast<TfrmPrint&>(dialog);
        dialog.show();
        shown.append(Control<QLineEdit>(print, "edtFile")->text().left(17));
        const QImage plane = Ui<PlaneView>("imgCood")->image();
        const QImage& preview = Control<ImageView>(print, "imgCoodX")->image();
        EXPECT_EQ(preview.copy(QRect(QPoint(50, 50), plane.size())), plane);
        EXPECT_EQ(QRect(dialog.pos(), dialog.size()), QRect(window->pos(), window->size()));
        const WorksheetUnit unit = print.worksheetOfDrawing();
        EXPECT_EQ(unit.graphs.size(), 1u);
        EXPECT_EQ(unit.fileName, OwnedUi<QLabel>("frmTangen", "lblFileName")->text());
        ::Press(print, "btnClose");
        return dialog.result();
    };
    Ui<QAction>("mnuPrint")->trigger();
    TfrmPrint* first = Owned<TfrmPrint>("frmPrint");
    window->Doc.MarkSaved(window->Doc.Title(), QStringLiteral("DATA\\Graph3.lin"));
    Ui<QAction>("mnuPrint")->trigger();
    EXPECT_EQ(Owned<TfrmPrint>("frmPrint"), first);
    // A border with a close box only.
    const Qt::WindowFlags frame = first->windowFlags();
    EXPECT_TRUE(frame.testFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint));
    EXPECT_FALSE(frame & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
    EXPECT_EQ(first->minimumSize(), first->maximumSize());
    EXPECT_EQ(shown, (QStringList{"DATA\\Graph2.lin  ", "DATA\\Graph3.lin  "}));
    EXPECT_EQ(dialogs.modalWindows, (QStringList{"グラフの印刷", "グラフの印刷"}));
}

}  // namespace
