// Reads the plot data file as one stream of numbers separated by blanks,
// tabs and line ends. Numbers always use "." as the decimal separator.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

namespace torvex::graphs {

// Missing file, malformed number or premature end.
class EPlotReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPlotNumberReader {
public:
    explicit TPlotNumberReader(QByteArray text);
    // Reads the whole file; throws EPlotReadError when it cannot be opened.
    static TPlotNumberReader FromFile(const QString& path);

    // Next token as a finite real.
    double ReadFloat();
    // Next token as an integer: any number with zero fraction within the
    // 32-bit signed range ("33", "33.0" and "3.3E1" all read as 33).
    int ReadInteger();
    // Tokens not yet read.
    std::size_t Remaining() const { return tokens_.size() - next_; }
    // Throws the premature-end error unless `count` items of `tokensEach`
    // tokens can still follow: a count larger than the rest of the file can
    // hold is refused before anything is sized by it.
    void Expect(long long count, int tokensEach) const;
    // Whether `count` items of `tokensEach` tokens can still follow.
    bool CanHold(long long count, int tokensEach) const;

private:
    struct Token {
        int begin;
        int end;
    };
    const Token& Take();
    QString Describe(const Token& t) const;

    QByteArray text_;
    std::vector<Token> tokens_;
    std::size_t next_ = 0;
};

}  // namespace torvex::graphs
