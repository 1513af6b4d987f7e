// The floor for start-up comparisons of a program whose texts are Japanese: the bare Qt 6 Widgets
// window of ../shared/bench/bare-qt-window with its menu, label and status bar in Japanese, so that
// its first paint looks up a Japanese font as the program's does. Build it Release and time it the
// same way as the program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.menuBar()->addMenu("ファイル(&F)")->addAction("終了(&X)", &app, &QApplication::quit);
    w.setCentralWidget(new QLabel("傾きが分数の一次関数 y=3/7x-5/7"));
    w.statusBar()->showMessage("準備完了");
    w.resize(640, 480);
    w.show();
    return app.exec();
}
