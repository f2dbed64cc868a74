// The entry-expression evaluator: every number typed into a cell or a numeric
// edit may be an arithmetic expression such as 12*3 or 2*sqrt(2).
#pragma once

#include "grid/entry_error.h"

#include <QString>

namespace torvex {

// Messages of the evaluator ("\r" is a line break).
inline constexpr const char kEvalBlank[] = "Entry could not be evaluated:\rentry cannot be blank";
inline constexpr const char kEvalParentheses[] = "Entry could not be evaluated:\r() (parentheses) do not match";
inline constexpr const char kEvalInvalidExpression[] = "Entry could not be evaluated:\rinvalid expression";
inline constexpr const char kEvalInvalidCharacters[] = "Entry could not be evaluated:\rinvalid character(s) in expression";
inline constexpr const char kEvalInvalidHex[] = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
inline constexpr const char kEvalFactorial[] = "Entry could not be evaluated:\r! (factoral) applicable to integers only";
// Arithmetic faults: refused rather than stored as an infinity or NaN.
inline constexpr const char kEvalDivisionByZero[] = "Entry could not be evaluated:\rdivision by zero";
inline constexpr const char kEvalOutOfRange[] = "Entry could not be evaluated:\rnumber out of range";
inline constexpr const char kEvalInvalidArgument[] = "Entry could not be evaluated:\rinvalid argument of %1";
inline constexpr const char kEvalTooComplex[] = "Entry could not be evaluated:\rexpression too complex";

// Evaluates an entry in the user's locale. Every intermediate result is
// written with 18 significant digits and read back. Throws EAssignError.
long double Evaluate(const QString& text);

// Evaluates and refuses a result outside the range of double (the stored type).
double EvaluateToDouble(const QString& text);

// The nearest double; +-infinity for values that round beyond the largest one.
double NearestDouble(long double value);

}  // namespace torvex
