// The check of a unit title before it is given to a unit.
#include "unit_title.h"

#include "sjis_codec.h"

QString UnitTitleProblem(const QString& title) {
    if (title.isEmpty()) {
        return QStringLiteral("単元名を入力してください");
    }
    if (const EncodedText encoded = EncodeCp932(title); !encoded.ok()) {
        return CannotEncodeMessage(encoded.badChar);
    }
    // The records file keeps each unit in a section "[title]"; a bracket would end or split it.
    if (title.contains(u'[') || title.contains(u']')) {
        return BracketInTitleMessage();
    }
    // The unit catalogue keeps "title,file": a comma would cut the title short there.
    if (title.contains(u',')) {
        return CommaInTitleMessage();
    }
    return {};
}

QString OneLineTitle(QString title) {
    for (QChar& c : title) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return title;
}

QString RecordsTitleKey(const QString& title) {
    return title.trimmed().toCaseFolded();
}

QString BracketInTitleMessage() {
    return QStringLiteral("単元名に「[」や「]」は使えません");
}

QString CommaInTitleMessage() {
    return QStringLiteral("単元名に「,」は使えません");
}
