// The one place where the program shows message boxes, asks yes/no questions and shows a window
// modally, so that tests can answer in place of a user and read back every text shown.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QDialog;

enum class Answer { Yes, No, Cancel };

// Results of a window shown modally.
enum ModalResult : int {
    ModalOk = 1,      // OK, or go on
    ModalCancel = 2,  // Cancel or stop, also when the window was closed by its close button
    ModalReview = 4,  // review the missed questions (end-of-run dialog only)
};

class DialogService {
  public:
    virtual ~DialogService() = default;
    // A plain box with one OK button; the text is always shown as plain text.
    virtual void ShowMessage(const QString& text) = 0;
    virtual Answer ConfirmYesNo(const QString& text) = 0;
    virtual Answer ConfirmYesNoCancel(const QString& text) = 0;
    // Shows the window modally and returns its ModalResult.
    virtual int ShowModal(QDialog& window) = 0;
    // The colour dialog, starting at a colour (0x00BBGGRR); nothing when it was cancelled.
    virtual std::optional<int32_t> ChooseColour(int32_t initial) = 0;
    // The open and save dialogs, starting in a folder with a file name; filters such as
    // "linファイル (*.lin)". The chosen path, or empty when the dialog was cancelled.
    virtual QString ChooseOpenFile(const QString& folder, const QString& name,
                                   const QStringList& filters) = 0;
    virtual QString ChooseSaveFile(const QString& folder, const QString& name,
                                   const QStringList& filters) = 0;
};

// The service in use: the real boxes unless a test installed another one.
DialogService& Dialogs();
// Installs a service (not owned); nullptr brings back the real boxes.
void InstallDialogs(DialogService* service);

inline void ShowMessage(const QString& text) {
    Dialogs().ShowMessage(text);
}
inline Answer ConfirmYesNo(const QString& text) {
    return Dialogs().ConfirmYesNo(text);
}
inline Answer ConfirmYesNoCancel(const QString& text) {
    return Dialogs().ConfirmYesNoCancel(text);
}
inline int ShowModal(QDialog& window) {
    return Dialogs().ShowModal(window);
}
inline std::optional<int32_t> ChooseColour(int32_t initial) {
    return Dialogs().ChooseColour(initial);
}
inline QString ChooseOpenFile(const QString& folder, const QString& name,
                              const QStringList& filters) {
    return Dialogs().ChooseOpenFile(folder, name, filters);
}
inline QString ChooseSaveFile(const QString& folder, const QString& name,
                              const QStringList& filters) {
    return Dialogs().ChooseSaveFile(folder, name, filters);
}
