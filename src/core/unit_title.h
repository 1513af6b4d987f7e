// The rule for unit titles: a title is the first line of a unit file, written in Shift-JIS, and
// names the unit's section in the records file.
#pragma once

#include <QString>

// The message refusing title, or empty when title can be a unit's title.
QString UnitTitleProblem(const QString& title);

// The message refusing a title with a ",", which the unit catalogue's "title,file" cannot keep.
QString CommaInTitleMessage();
// The message refusing a title with "[" or "]", which cannot name a section of the records file.
QString BracketInTitleMessage();

// The title as one line: a control character (a NUL, a tab, a line break pasted with the text) is
// a space. A title read from a file or typed becomes this before it is shown, compared, recorded
// or catalogued, so that no such byte reaches a header of the records file or the catalogue.
QString OneLineTitle(QString title);

// The records file files runs by this: letter case and blanks before or after the title do not
// count, as with the ini file's section names. Two titles with one key share their records.
QString RecordsTitleKey(const QString& title);
