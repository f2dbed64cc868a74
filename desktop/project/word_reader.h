// TWordReader: a token reader over a whole text file held in memory, for the
// project data file, the stage files and the plot data file.
//
// Each line keeps its raw text and its tokens: the line trimmed of blanks and
// control characters at both ends, cut at the first blank or TAB again and
// again. Numbers always use "." as decimal separator, whatever the locale.
#pragma once

#include "project/project_errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class TWordReader {
public:
    // Reads the whole file; throws EFileError with the system's message.
    explicit TWordReader(const QString& path);
    // The same over text already in memory (LF, CR LF or CR line ends).
    static TWordReader FromBytes(const QByteArray& bytes);

    // The next token; at the end of a line the reader moves to the start of
    // the next line once. Throws EReadError at the end of the file and on a
    // line without tokens.
    QString NextToken();
    // A real number without fraction within the 32-bit range ("3.0" is 3).
    int ReadInteger();
    double ReadReal();
    // The raw text of the current line, whatever has been read of it; moves
    // to the start of the next line.
    QString ReadLine();
    bool AtEnd() const { return line_ >= int(lines_.size()); }

    int LineCount() const { return int(lines_.size()); }
    int LineIndex() const { return line_; }    // 0-based
    int TokenIndex() const { return token_; }  // 0-based, within the current line
    // Tokens not yet read, from the current position to the end of the file.
    qint64 RemainingTokens() const;
    // Raises a read error that names the token read last.
    [[noreturn]] void Fail(const QString& what) const;

private:
    struct Line {
        QString raw;
        QStringList tokens;
    };
    TWordReader() = default;
    void Parse(const QByteArray& bytes);

    std::vector<Line> lines_;
    std::vector<qint64> tokensFrom_;  // tokens on this line and all later ones
    int line_ = 0;
    int token_ = 0;
};
