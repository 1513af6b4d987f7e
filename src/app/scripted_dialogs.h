// A stand-in for the message boxes and modal windows, for tests: it records every text shown and
// answers from a script, so no test ever waits for a user.
#pragma once

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "dialogs.h"

class ScriptedDialogs final : public DialogService {
  public:
    ScriptedDialogs() { InstallDialogs(this); }
    ~ScriptedDialogs() override { InstallDialogs(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    QStringList messages;        // ShowMessage texts, in order
    QStringList questions;       // ConfirmYesNo / ConfirmYesNoCancel texts, in order
    QStringList modalWindows;    // window titles of ShowModal calls, in order
    std::deque<Answer> answers;  // answers to the questions; an unscripted question gets Cancel
    int unscriptedQuestions = 0;
    // Plays the user's part in a modal window and returns its result; without a script the
    // window is left as it is and the result is ModalCancel.
    std::function<int(QDialog&)> modalScript;
    // Paths chosen in the open and save dialogs, in order; an unscripted dialog is cancelled.
    // Each dialog records "folder|name" in fileDialogs.
    std::deque<QString> files;
    QStringList fileDialogs;
    // Answers of the colour dialog, in order; an unscripted one is cancelled.
    std::deque<std::optional<int32_t>> colours;
    int colourDialogs = 0;

    void ShowMessage(const QString& text) override { messages.append(text); }
    Answer ConfirmYesNo(const QString& text) override { return Ask(text); }
    Answer ConfirmYesNoCancel(const QString& text) override { return Ask(text); }
    int ShowModal(QDialog& window) override {
        modalWindows.append(window.windowTitle());
        return modalScript ? modalScript(window) : int(ModalCancel);
    }

    std::optional<int32_t> ChooseColour(int32_t) override {
        ++colourDialogs;
        if (colours.empty()) {
            return std::nullopt;
        }
        const std::optional<int32_t> c = colours.front();
        colours.pop_front();
        return c;
    }

    QString ChooseOpenFile(const QString& folder, const QString& name,
                           const QStringList&) override {
        return ChooseFile(folder, name);
    }
    QString ChooseSaveFile(const QString& folder, const QString& name,
                           const QStringList&) override {
        return ChooseFile(folder, name);
    }

  private:
    QString ChooseFile(const QString& folder, const QString& name) {
        fileDialogs.append(folder + u'|' + name);
        if (files.empty()) {
            return QString();
        }
        const QString path = files.front();
        files.pop_front();
        return path;
    }
    Answer Ask(const QString& text) {
        questions.append(text);
        if (answers.empty()) {
            ++unscriptedQuestions;
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};
