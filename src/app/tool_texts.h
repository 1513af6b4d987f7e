// The name of the current drawing tool, as the tool bar shows it.
#pragma once

#include <QString>

// The name shown in edtLineMode: "直線", "線分", "半直線", "点", "文字".
QString ToolNameText(int lineMode);
