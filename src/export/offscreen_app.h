// The application object of the exporter's drawing modes: fonts and painting need one, and it
// must run without a display, in scripts and over SSH. A process that has one already (the
// exporter run in a test) keeps its own: Qt cannot draw text after a second one was made.
#pragma once

#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

class OffscreenApplication {
  public:
    OffscreenApplication(int& argc, char** argv);

  private:
    // Without a desktop login there is no runtime folder, and Qt would warn on stderr about the
    // one it makes up; a private one for this run keeps a successful export silent.
    QTemporaryDir runtimeDir_;
    std::unique_ptr<QGuiApplication> app_;
};
