// Ordered, indented JSON text.
#include "json_writer.h"

void JsonWriter::NewLine() {
    text_ += u'\n';
    text_ += QString(int(hasItems_.size()) * 2, u' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasItems_.empty()) {
        if (hasItems_.back()) {
            text_ += u',';
        }
        hasItems_.back() = true;
        NewLine();
    }
}

void JsonWriter::BeginObject() {
    BeforeValue();
    text_ += u'{';
    hasItems_.push_back(false);
}

void JsonWriter::EndObject() {
    const bool had = hasItems_.back();
    hasItems_.pop_back();
    if (had) {
        NewLine();
    }
    text_ += u'}';
}

void JsonWriter::BeginArray() {
    BeforeValue();
    text_ += u'[';
    hasItems_.push_back(false);
}

void JsonWriter::EndArray() {
    const bool had = hasItems_.back();
    hasItems_.pop_back();
    if (had) {
        NewLine();
    }
    text_ += u']';
}

void JsonWriter::Key(const QString& key) {
    BeforeValue();
    text_ += Quote(key) + QStringLiteral(": ");
    afterKey_ = true;
}

void JsonWriter::String(const QString& value) {
    BeforeValue();
    text_ += Quote(value);
}

void JsonWriter::Number(long long value) {
    BeforeValue();
    text_ += QString::number(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? QStringLiteral("true") : QStringLiteral("false");
}

void JsonWriter::IntPair(long long a, long long b) {
    BeforeValue();
    text_ += u'[' + QString::number(a) + QStringLiteral(", ") + QString::number(b) + u']';
}

void JsonWriter::IntStringPair(long long a, const QString& b) {
    BeforeValue();
    text_ += u'[' + QString::number(a) + QStringLiteral(", ") + Quote(b) + u']';
}

QString JsonWriter::Quote(const QString& s) {
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        switch (c.unicode()) {
            case u'"':
                out += QStringLiteral("\\\"");
                break;
            case u'\\':
                out += QStringLiteral("\\\\");
                break;
            case u'\n':
                out += QStringLiteral("\\n");
                break;
            case u'\r':
                out += QStringLiteral("\\r");
                break;
            case u'\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20) {
                    out += QString::asprintf("\\u%04x", c.unicode());
                } else {
                    out += c;
                }
        }
    }
    return out + u'"';
}
