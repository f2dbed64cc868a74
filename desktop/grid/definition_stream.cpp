#include "grid/definition_stream.h"

#include "grid/number_format.h"

#include <QRegularExpression>
#include <cmath>

namespace {

QString Quote(const QString& s) {
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default: out += c;
        }
    }
    return out + QLatin1Char('"');
}

[[noreturn]] void Fail(int line, const QString& what) {
    throw EDefinitionError(QStringLiteral("Invalid definition on line %1: %2").arg(line).arg(what));
}

}  // namespace

void TDefinitionWriter::Line(const QString& line) {
    text_ += QString(2 * depth_, QLatin1Char(' ')) + line + QLatin1Char('\n');
}

void TDefinitionWriter::WriteInteger(int value) { Line(QStringLiteral("Integer %1").arg(value)); }
void TDefinitionWriter::WriteBoolean(bool value) {
    Line(value ? QStringLiteral("Boolean True") : QStringLiteral("Boolean False"));
}
void TDefinitionWriter::WriteString(const QString& value) { Line(QStringLiteral("String ") + Quote(value)); }
void TDefinitionWriter::WriteExtended(double value) {
    // Always "." and 17 digits, so a value reads back exactly in any locale.
    Line(QStringLiteral("Extended ") + torvex::FormatGeneral(value, 17, QStringLiteral(".")));
}
void TDefinitionWriter::WriteStringList(const QStringList& values) {
    Line(QStringLiteral("List"));
    ++depth_;
    for (const QString& v : values) WriteString(v);
    --depth_;
    Line(QStringLiteral("End"));
}
void TDefinitionWriter::WriteIntegerList(const QList<int>& values) {
    Line(QStringLiteral("List"));
    ++depth_;
    for (int v : values) WriteInteger(v);
    --depth_;
    Line(QStringLiteral("End"));
}

TDefinitionReader::TDefinitionReader(const QString& text) {
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString line = raw.trimmed();
        lines_ << line;
    }
    // Blank lines are layout only.
    while (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
}

bool TDefinitionReader::AtEnd() const {
    for (int i = position_; i < lines_.size(); ++i)
        if (!lines_[i].isEmpty()) return false;
    return true;
}

QString TDefinitionReader::Next(const QString& type) {
    while (position_ < lines_.size() && lines_[position_].isEmpty()) ++position_;
    if (position_ >= lines_.size()) Fail(position_ + 1, QStringLiteral("%1 expected, end of text found").arg(type));
    const QString& line = lines_[position_];
    const int lineNumber = ++position_;
    const int blank = line.indexOf(QLatin1Char(' '));
    const QString head = blank < 0 ? line : line.left(blank);
    if (head != type) Fail(lineNumber, QStringLiteral("%1 expected, %2 found").arg(type, head));
    return blank < 0 ? QString() : line.mid(blank + 1);
}

int TDefinitionReader::ReadInteger() {
    const int line = position_ + 1;
    bool ok = false;
    const int value = Next(QStringLiteral("Integer")).toInt(&ok);
    if (!ok) Fail(line, QStringLiteral("invalid integer"));
    return value;
}

bool TDefinitionReader::ReadBoolean() {
    const QString v = Next(QStringLiteral("Boolean"));
    if (v == QLatin1String("True")) return true;
    if (v == QLatin1String("False")) return false;
    Fail(position_, QStringLiteral("invalid boolean"));
}

QString TDefinitionReader::ReadString() {
    const QString v = Next(QStringLiteral("String"));
    if (v.size() < 2 || !v.startsWith(QLatin1Char('"')) || !v.endsWith(QLatin1Char('"')))
        Fail(position_, QStringLiteral("invalid string"));
    QString out;
    for (int i = 1; i < v.size() - 1; ++i) {
        if (v[i] != QLatin1Char('\\')) {
            out += v[i];
            continue;
        }
        if (++i >= v.size() - 1) Fail(position_, QStringLiteral("invalid string"));
        switch (v[i].unicode()) {
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        default: out += v[i];
        }
    }
    return out;
}

double TDefinitionReader::ReadExtended() {
    const int line = position_ + 1;
    long double value = 0;
    if (torvex::ParseNumber(Next(QStringLiteral("Extended")), QStringLiteral("."), value) != torvex::NumberParse::Ok ||
        std::fabs(value) > 1.7976931348623157e308L)
        Fail(line, QStringLiteral("invalid real"));
    return double(value);
}

QStringList TDefinitionReader::ReadStringList() {
    Next(QStringLiteral("List"));
    QStringList values;
    for (;;) {
        while (position_ < lines_.size() && lines_[position_].isEmpty()) ++position_;
        if (position_ < lines_.size() && lines_[position_] == QLatin1String("End")) {
            ++position_;
            return values;
        }
        values << ReadString();
    }
}

QList<int> TDefinitionReader::ReadIntegerList() {
    Next(QStringLiteral("List"));
    QList<int> values;
    for (;;) {
        while (position_ < lines_.size() && lines_[position_].isEmpty()) ++position_;
        if (position_ < lines_.size() && lines_[position_] == QLatin1String("End")) {
            ++position_;
            return values;
        }
        values << ReadInteger();
    }
}
