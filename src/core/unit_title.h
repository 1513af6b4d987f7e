// The rule for unit titles: a title is the first line of a unit file, written in Shift-JIS, and
// names the unit's section in the records file.
#pragma once

#include <QString>

// The message refusing title, or empty when title can be a unit's title.
QString UnitTitleProblem(const QString& title);

// The message refusing a title with a ",", which the unit catalogue's "title,file" cannot keep.
QString CommaInTitleMessage();
