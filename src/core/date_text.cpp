// Date and time texts.
#include "date_text.h"

QString TwoDigits(int value) {
    return value <= 9 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

QString DateTextKanji(const QDate& date) {
    return QString::number(date.year()) + QStringLiteral("年") + TwoDigits(date.month()) +
           QStringLiteral("月") + TwoDigits(date.day()) + QStringLiteral("日");
}

QString DateTextDots(const QDate& date) {
    return QString::number(date.year()) + u'.' + TwoDigits(date.month()) + u'.' +
           TwoDigits(date.day());
}

QString TimeTextSlashes(const QTime& time) {
    return TwoDigits(time.hour()) + u'/' + TwoDigits(time.minute()) + u'/' +
           TwoDigits(time.second());
}

QString TimeTextColon(const QTime& time) {
    return TwoDigits(time.hour()) + u':' + TwoDigits(time.minute());
}
