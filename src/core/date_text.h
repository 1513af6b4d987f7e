// Date and time texts as the records and printouts write them.
#pragma once

#include <QDateTime>
#include <QString>

QString TwoDigits(int value);
QString DateTextKanji(const QDate& date);    // 2024年07月09日
QString DateTextDots(const QDate& date);     // 2024.07.09
QString TimeTextSlashes(const QTime& time);  // 09/05/07
QString TimeTextColon(const QTime& time);    // 09:05
