// Files for the tests: bytes written and read back whole, and texts in the program's Shift-JIS.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include "sjis_codec.h"

// Makes the file hold exactly these bytes; a file that cannot be written fails the test.
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size()) << path.toStdString();
}

// The file's bytes, or "(none)" when it cannot be read, so that a missing file never passes for
// an empty one.
inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

// A text as the program stores it.
inline QByteArray Sjis(const QString& text) {
    return EncodeCp932(text).bytes;
}
inline QByteArray Sjis(const char* utf8) {
    return Sjis(QString::fromUtf8(utf8));
}
