// Writing a file in place where its folder refuses new files (a school share where students may
// change "Record.ini" but not create files beside it), as a database's rollback journal does:
// the bytes about to be overwritten are first kept in a journal outside the folder, in the user's
// own data folder, and synced; then the file is changed, synced and read back, and only then is
// the journal deleted. A program killed at any moment leaves a journal, and the next program of
// the user to start, or to lock or write that file, puts the old bytes back: the file is as it was
// or as it should become, never cut short.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <initializer_list>

#include "replace_file.h"

// The folder of the journals.
QString JournalFolder();

// For tests: the journals go to folder for the object's lifetime.
class ScopedJournalFolder {
  public:
    explicit ScopedJournalFolder(const QString& folder);
    ~ScopedJournalFolder();
    ScopedJournalFolder(const ScopedJournalFolder&) = delete;
    ScopedJournalFolder& operator=(const ScopedJournalFolder&) = delete;

  private:
    QString previous_;
};

// Makes the existing file at path hold the parts one after the other, changing only the bytes
// from the first that differs; the file keeps its identity, permissions and owner. The steps
// that write and sync are the current FileSteps, so that a test can refuse them; a refused step
// puts the old bytes back. Callers that share the file hold its FileLock.
ReplaceResult WriteInPlace(const QString& path, std::initializer_list<QByteArrayView> parts);

// Puts back the old bytes of the file whose in-place write was cut short, when its journal says
// so and nobody changed the file since, and deletes the journal.
void RollBackJournalOf(const QString& path);
// The same for every journal the user's programs left: at start-up.
void RollBackJournals();
