// A small JSON writer that keeps keys in the order they are written, so the exporter's output
// reads in the order of a graph file.
#pragma once

#include <QString>
#include <vector>

class JsonWriter {
  public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(const QString& key);
    void String(const QString& value);
    void Number(long long value);
    void Bool(bool value);

    // Two-element arrays written on one line, such as points and table entries.
    void IntPair(long long a, long long b);
    void IntStringPair(long long a, const QString& b);

    const QString& text() const { return text_; }

  private:
    void BeforeValue();
    void NewLine();
    static QString Quote(const QString& s);

    QString text_;
    std::vector<bool> hasItems_;  // per open container: whether a value was written in it
    bool afterKey_ = false;
};
