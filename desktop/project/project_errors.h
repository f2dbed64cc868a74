// Errors of the project data: a file that cannot be read as a project, and a
// file that cannot be opened or written. Both carry the text shown to the
// user ("\r" is a line break).
#pragma once

#include "grid/entry_error.h"

// The token reader met the end of the file or a value of the wrong kind.
class EReadError : public TMessageError {
public:
    using TMessageError::TMessageError;
};

// The operating system refused to open, read or write a file; the message is
// the system's own.
class EFileError : public TMessageError {
public:
    using TMessageError::TMessageError;
};

inline constexpr const char kFileInvalidOrIncomplete[] = "This file either invalid or incomplete.";
inline constexpr const char kErrorOnLineItem[] = "Error on Line %1 Item %2\r%3";
inline constexpr const char kIntegerExpected[] = "An integer was expected but not found.";
inline constexpr const char kRealExpected[] = "A floating point number was expected but not found.";
inline constexpr const char kValueOnEmptyLine[] = "A value was expected but the line is empty.";
inline constexpr const char kSoilTypeExpected[] = "A soil type from 1 to 7 was expected but not found.";
