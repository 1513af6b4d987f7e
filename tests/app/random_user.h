// A user who works every window of the program at random, through Qt's events: presses, drags and
// releases on the planes, clicks on controls and list rows, keys, typing, menu commands, and
// answers to every message, question, file and colour dialog and the printer. The user is the
// dialog service, so each modal window is worked in place, without an event loop of its own, until
// it closes or the user gives up and closes it. The same seed makes the same user again; the last
// events are kept for a report.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "dialogs.h"

class QWidget;

class RandomUser final : public DialogService {
  public:
    // sandbox: no path outside it is ever chosen; startDir: the program's start folder in it.
    RandomUser(uint64_t seed, const QString& sandbox, const QString& startDir);
    ~RandomUser() override;
    RandomUser(const RandomUser&) = delete;
    RandomUser& operator=(const RandomUser&) = delete;

    // One event on the window in front: a modal window, else the program's window the user is
    // working in (the main window or one beside it).
    void Step(QWidget& mainWindow);
    // How many events were made, also inside modal windows; no new ones are made past the limit,
    // and modal windows that open then are closed at once.
    int Events() const { return events_; }  // also read by a watchdog thread
    void SetLimit(int events) { limit_ = events; }
    // Now and then the power is cut: the program ends without closing, its copy left behind.
    bool PowerCut();
    // A line of its own in the report, for what the user did not do (a restart, a check).
    void Note(const QString& line) { Log(line); }
    // The seed and the last events, one a line.
    QString Report() const;
    // How often each window was shown and each kind of event made, for the summary.
    QString Summary() const;

    void ShowMessage(const QString& text) override;
    Answer ConfirmYesNo(const QString& text) override;
    Answer ConfirmYesNoCancel(const QString& text) override;
    int ShowModal(QDialog& window) override;
    std::optional<int32_t> ChooseColour(int32_t initial) override;
    QString ChooseOpenFile(const QString& folder, const QString& name,
                           const QStringList& filters) override;
    QString ChooseSaveFile(const QString& folder, const QString& name,
                           const QStringList& filters) override;

    static constexpr int KeptEvents = 50;

  private:
    struct Action;
    static const Action Actions[];

    int Below(int n) { return n <= 1 ? 0 : int(rng_() % uint64_t(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    void Log(const QString& line);
    QString PickFile(bool saving);
    QWidget& Front(QWidget& fallback);
    bool WorkPopup();
    // The actions, each on the window in front; false when the window offers nothing for it.
    bool PlaneMouse(QWidget& window);
    bool AnswerPractice(QWidget& window);
    bool ConfirmDialog(QWidget& window);
    bool ClickControl(QWidget& window);
    bool ClickListRow(QWidget& window);
    bool PressKey(QWidget& window);
    bool TypeText(QWidget& window);
    bool MenuCommand(QWidget& window);
    bool SwitchWindow(QWidget& window);
    bool CloseWindow(QWidget& window);
    bool Wait(QWidget& window);
    bool ResizeWindow(QWidget& window);
    bool UseClipboard(QWidget& window);
    QList<QWidget*> TextBoxes(QWidget& window);
    void Type(QWidget& target, const QString& text);
    bool Outside(const QString& path) const;
    // Writes the seed and the last events when the process dies (a signal, a sanitizer report).
    static void OnCrash(int signal);

    std::mt19937_64 rng_;
    uint64_t seed_;
    QString sandbox_;
    QString startDir_;
    std::atomic<int> events_ = 0;
    int limit_ = 0;
    int depth_ = 0;             // modal windows open
    QPointer<QWidget> beside_;  // the program's window the user works in when nothing is modal
    QPointer<QWidget> held_;    // the plane a mouse button is held down on
    Qt::MouseButton heldButton_ = Qt::NoButton;
    std::array<std::string, KeptEvents> recent_;  // a ring, kept as bytes for a crash report
    int logged_ = 0;
    std::map<QString, int> counts_;
    std::vector<int> weights_;  // this user's taste: the actions' weights, each 0.5 to 2 times
};
