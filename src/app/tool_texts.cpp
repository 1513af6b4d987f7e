// Tool names of the tool bar.
#include "tool_texts.h"

#include "line_spec.h"

QString ToolNameText(int lineMode) {
    switch (lineMode) {
        case KindLine:
            return QStringLiteral("直線");
        case KindSegment:
            return QStringLiteral("線分");
        case KindRay:
            return QStringLiteral("半直線");
        case KindPoint:
            return QStringLiteral("点");
        case KindLabel:
            return QStringLiteral("文字");
        default:
            return QString();
    }
}
