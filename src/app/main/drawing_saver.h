// Saving the drawing: asking its unit title, choosing the file (the dialog remembers where it
// was), writing it, and the question before a drawing is replaced. A write that fails says why
// and leaves the drawing unsaved.
#pragma once

#include <QString>
#include <QStringList>

#include "dialogs.h"
#include "drawing.h"

class QWidget;
class TfrmNewWork;

inline const QStringList GraphFileFilters{QStringLiteral("linファイル (*.lin)"),
                                          QStringLiteral("caiファイル (*.cai)")};

class DrawingSaver {
  public:
    // startDir is the program's start folder as it stands at each save; owner owns the unit
    // title window.
    DrawingSaver(Drawing& doc, const QString& startDir, QWidget* owner);

    QString DataFolder() const;  // the start folder's "DATA/"
    // Writes the drawing under this title; false (with its message) when it was not written.
    bool Write(const QString& fileName, const QString& unitTitle);
    bool AskUnitTitle();  // the unit title window; the title chosen after OK
    Answer SaveWithName(const QString& unitTitle);
    bool SaveAs();
    // Before the drawing is replaced: No when nothing needs saving, Cancel to keep it.
    Answer AskSaveChanges();
    // 上書き保存: to the drawing's own file, or as SaveAs the first time.
    void OverWrite();
    // The next save dialog starts in DATA with "Graph1.lin" (unset) or where the last one was.
    void SetDialogUnset(bool unset) { dialogUnset_ = unset; }

  private:
    Drawing& doc_;
    const QString& startDir_;
    QWidget* owner_;
    TfrmNewWork* frmNewWork_ = nullptr;
    QString newUnitTitle_;
    bool dialogUnset_ = true;
    QString saveFolder_;
    QString saveName_;
};
