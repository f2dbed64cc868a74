#include "project/word_reader.h"

#include "grid/number_format.h"

#include <QFile>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsTrimmed(QChar c) { return c.unicode() <= 0x20; }

QString TrimLeft(const QString& s) {
    int i = 0;
    while (i < s.size() && IsTrimmed(s[i])) ++i;
    return s.mid(i);
}

QString Trim(const QString& s) {
    int last = s.size();
    while (last > 0 && IsTrimmed(s[last - 1])) --last;
    return TrimLeft(s.left(last));
}

QStringList Tokens(const QString& rawLine) {
    QStringList tokens;
    QString rest = Trim(rawLine);
    while (!rest.isEmpty()) {
        int cut = -1;
        for (int i = 0; i < rest.size(); ++i)
            if (rest[i] == QLatin1Char(' ') || rest[i] == QLatin1Char('\t')) {
                cut = i;
                break;
            }
        if (cut < 0) {
            tokens << rest;
            break;
        }
        tokens << rest.left(cut);
        rest = TrimLeft(rest.mid(cut));
    }
    return tokens;
}

// Files are UTF-8; a line that is not (older files) is taken as Latin-1.
QString DecodeLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return QString::fromLatin1(bytes);
    return text;
}

}  // namespace

TWordReader::TWordReader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw EFileError(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw EFileError(file.errorString());
    Parse(bytes);
}

TWordReader TWordReader::FromBytes(const QByteArray& bytes) {
    TWordReader reader;
    reader.Parse(bytes);
    return reader;
}

void TWordReader::Parse(const QByteArray& bytes) {
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\n' && bytes[end] != '\r') ++end;
        Line line;
        line.raw = DecodeLine(bytes.mid(start, end - start));
        line.tokens = Tokens(line.raw);
        lines_.push_back(std::move(line));
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    tokensFrom_.assign(lines_.size() + 1, 0);
    for (int i = int(lines_.size()) - 1; i >= 0; --i)
        tokensFrom_[std::size_t(i)] = tokensFrom_[std::size_t(i) + 1] + lines_[std::size_t(i)].tokens.size();
}

qint64 TWordReader::RemainingTokens() const {
    if (AtEnd()) return 0;
    return tokensFrom_[std::size_t(line_)] - token_;
}

QString TWordReader::NextToken() {
    if (AtEnd()) throw EReadError(QString::fromLatin1(kFileInvalidOrIncomplete));
    if (token_ == lines_[std::size_t(line_)].tokens.size()) {
        ++line_;
        token_ = 0;
    }
    if (AtEnd()) throw EReadError(QString::fromLatin1(kFileInvalidOrIncomplete));
    const Line& line = lines_[std::size_t(line_)];
    if (token_ >= line.tokens.size())
        throw EReadError(QString::fromLatin1(kErrorOnLineItem)
                             .arg(line_ + 1)
                             .arg(token_ + 1)
                             .arg(QString::fromLatin1(kValueOnEmptyLine)));
    return line.tokens[token_++];
}

void TWordReader::Fail(const QString& what) const {
    throw EReadError(QString::fromLatin1(kErrorOnLineItem).arg(line_ + 1).arg(token_).arg(what));
}

int TWordReader::ReadInteger() {
    const QString token = NextToken();
    long double value = 0;
    if (torvex::ParseNumber(token, QStringLiteral("."), value) != torvex::NumberParse::Ok || value != std::trunc(value) ||
        value < -2147483648.0L || value > 2147483647.0L)
        Fail(QString::fromLatin1(kIntegerExpected));
    return int(value);
}

double TWordReader::ReadReal() {
    const QString token = NextToken();
    long double checked = 0;
    if (torvex::ParseNumber(token, QStringLiteral("."), checked) != torvex::NumberParse::Ok)
        Fail(QString::fromLatin1(kRealExpected));
    // The checked text converted straight to double, so that a value written
    // with 8 digits reads back as the nearest double to those digits.
    QByteArray ascii = token.toLatin1();
    if (ascii.startsWith('+')) ascii.remove(0, 1);
    double value = 0;
    const auto result = std::from_chars(ascii.constData(), ascii.constData() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range && std::fabs(checked) < 1) return 0.0;  // too small: zero
    if (result.ec != std::errc() || result.ptr != ascii.constData() + ascii.size())
        Fail(QString::fromLatin1(kRealExpected));
    return value;
}

QString TWordReader::ReadLine() {
    if (AtEnd()) throw EReadError(QString::fromLatin1(kFileInvalidOrIncomplete));
    const QString raw = lines_[std::size_t(line_)].raw;
    ++line_;
    token_ = 0;
    return raw;
}
