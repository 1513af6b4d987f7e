// A program that draws ten graphs on a plane of its own and then waits to be killed: the recovery
// test kills it as a cut power would and starts again on its copy.
#include <QApplication>
#include <QStandardPaths>
#include <cstdio>

#include "main/main_window.h"
#include "scripted_dialogs.h"

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    ScriptedDialogs dialogs;
    TfrmMain window(QSize(1024, 768));
    window.FormShow();
    window.Recovery.Start(QString::fromLocal8Bit(argv[1]));
    PlaneSettings plane = window.Doc.Plane();
    plane.setDX(QStringLiteral("12"));
    plane.setDY(QStringLiteral("8"));
    // Ten changes, the plane and nine graphs: the tenth writes the copy.
    window.Doc.SetPlane(plane);
    for (int i = 0; i < 9; ++i) {
        window.AddOrReplaceLine(
            NewLineSpec(window.Edit, window.Doc.Table(), {i - 5, 1}, {i - 4, i % 3}), -1);
    }
    window.Recovery.WaitForWrites();
    std::puts(window.Recovery.HasCopy() ? "ready" : "no copy");
    std::fflush(stdout);
    return app.exec();
}
