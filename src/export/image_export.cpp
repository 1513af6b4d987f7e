// The picture modes of tesmara-export: the plane as the main window shows it right after the file
// was opened, as a PNG, or on a printed page as a PDF.
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

#include "date_text.h"
#include "disp_all_line.h"
#include "export_args.h"
#include "fonts.h"
#include "print_page.h"

namespace {

void PrintError(const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stderr);
}

// The plane right after opening: start-up display options with the file's end-circle flag,
// nothing selected.
bool DrawOpenedPlane(const GraphFileContent& content, int defaultPlaneSize, CanvasImage& plane) {
    DisplayOptions options;
    options.chkMaru = content.chkMaru;
    TypesetState typeset;
    PlaneGeometry geometry;
    const PlaneScene scene{content.settings, defaultPlaneSize, PlaneVariant::Main};
    const std::span<const TLineSpec> graphs(content.graphs.data(), content.graphs.size());
    const DispAllLineResult result = DispAllLine(plane, scene, options, typeset, geometry, graphs);
    for (const QString& message : result.messages) {
        PrintError(message);
    }
    return result.planeDrawn;
}

}  // namespace

int RunImageExport(int argc, char** argv, const ExportRequest& request,
                   const GraphFileContent& content) {
    // Runs in scripts and over SSH: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Without a desktop login there is no runtime folder, and Qt would warn on stderr about the
    // one it makes up; a private one for this run keeps a successful export silent.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();

    CanvasImage plane = MakeCanvasImage(request.defaultPlaneSize, request.defaultPlaneSize);
    if (!DrawOpenedPlane(content, request.defaultPlaneSize, plane)) {
        return 1;
    }
    if (request.mode == ExportMode::Png) {
        if (!plane.image.save(request.output, "PNG")) {
            PrintError(request.output + QStringLiteral("の保存に失敗しました"));
            return 1;
        }
        return 0;
    }

    PrintLayout layout;
    const QDateTime now = QDateTime::currentDateTime();
    layout.fileLine = content.fileName + QStringLiteral("  ") + DateTextDots(now.date()) +
                      QStringLiteral("  ") + TimeTextColon(now.time());
    CanvasImage page;
    DrawPrintPreview(page, plane.image, layout);

    QPdfWriter pdf(request.output);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(layout.title);
    QPainter painter;
    if (!painter.begin(&pdf)) {
        PrintError(request.output + QStringLiteral("の保存に失敗しました"));
        return 1;
    }
    const int side = PrintedSide(pdf.width(), pdf.height());
    painter.drawImage(QRect(0, 0, side, side), page.image);
    painter.end();
    if (!QFileInfo(request.output).isFile()) {
        PrintError(request.output + QStringLiteral("の保存に失敗しました"));
        return 1;
    }
    return 0;
}
