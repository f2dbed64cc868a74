// A readable text form for stored table definitions: a sequence of typed
// values, one per line ("Integer 4", "Boolean True", "String \"L2\"",
// "Extended 1.5", and lists opened by "List" and closed by "End").
#pragma once

#include "grid/entry_error.h"

#include <QList>
#include <QString>
#include <QStringList>

class TDefinitionWriter {
public:
    void WriteInteger(int value);
    void WriteBoolean(bool value);
    void WriteString(const QString& value);
    void WriteExtended(double value);
    void WriteStringList(const QStringList& values);
    void WriteIntegerList(const QList<int>& values);
    const QString& Text() const { return text_; }

private:
    void Line(const QString& line);
    QString text_;
    int depth_ = 0;
};

// Reading a value of another type or past the end throws EDefinitionError.
class TDefinitionReader {
public:
    explicit TDefinitionReader(const QString& text);
    int ReadInteger();
    bool ReadBoolean();
    QString ReadString();
    double ReadExtended();
    QStringList ReadStringList();
    QList<int> ReadIntegerList();
    bool AtEnd() const;

private:
    QString Next(const QString& type);  // the value text of the next line of that type
    QStringList lines_;
    int position_ = 0;
};
