// The texts that describe a graph: its equation as listed (y=ax+b or ax+by=c form, followed by its
// domain), the domain of x, the range of y, and the slope and intercept of the side panels.
#pragma once

#include <QString>

#include "line_spec.h"

// The two ways an equation can be written; Standard is the start-up choice.
enum class EquationForm {
    Standard,  // y=ax+b (一次関数の形)
    General,   // ax+by=c (二元一次方程式の形)
};

inline const QString AllNumbersText = QStringLiteral("すべての数");

QString EquationText(const TLineSpec& g, EquationForm form);
QString StandardFormText(const TLineSpec& g);
QString GeneralFormText(const TLineSpec& g);
QString XDomainText(const TLineSpec& g);  // empty for points and labels
QString YDomainText(const TLineSpec& g);  // empty for points and labels

// Slope and intercept as the two small side panels show them; both empty for points, labels,
// vertical and horizontal graphs. A stacked slope fraction ends with the terminator "･".
struct SlopeInterceptTexts {
    QString slope;
    QString intercept;
};
SlopeInterceptTexts SlopeAndInterceptTexts(const TLineSpec& g);
