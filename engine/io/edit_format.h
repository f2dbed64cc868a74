// Edit-list formatting: renders values through a Fortran-style edit list such
// as "(2X, I4, 2X, E10.3, 6E12.3)" exactly as a Fortran compiler would print
// them.  Every report and plot-file line of the engine goes through here.
//
// Supported descriptors: nX, Iw, Iw.m, Fw.d, Ew.d, Ew.dEe, Dw.d, Aw, A, Lw,
// 'text' and "text" literals, "/" (new record), n(...) repeated groups and a
// repeat count on any data descriptor (3E10.3).  A list is written with or
// without its outer parentheses.
//
// Items may be separated by commas or blanks; blanks inside a descriptor
// ("E 10.3") are not accepted.  Text widths count characters, not bytes, so
// that Aw never splits a UTF-8 sequence.  Malformed lists throw EditError.
//
// Output ends when the edit list reaches a data descriptor and no value is
// left.  When values remain at the end of the list, output reverts to the
// last top-level group (or the whole list) on a new record, as Fortran does.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace torvex::io {

// One value handed to an edit list.  Integers feed I and L, reals feed F, E
// and D, text feeds A.  A mismatch (a real to I, text to E …) is a
// programming error and throws EditError.
class EditArg {
public:
    enum class Kind { Integer, Real, Text };

    EditArg(int v) : kind_(Kind::Integer), i_(v) {}
    EditArg(long v) : kind_(Kind::Integer), i_(v) {}
    EditArg(long long v) : kind_(Kind::Integer), i_(v) {}
    EditArg(unsigned v) : kind_(Kind::Integer), i_(v) {}
    EditArg(bool v) : kind_(Kind::Integer), i_(v ? 1 : 0) {}
    EditArg(double v) : kind_(Kind::Real), r_(v) {}
    EditArg(float v) : kind_(Kind::Real), r_(v) {}
    EditArg(const char* v) : kind_(Kind::Text), s_(v) {}
    EditArg(std::string v) : kind_(Kind::Text), s_(std::move(v)) {}
    EditArg(std::string_view v) : kind_(Kind::Text), s_(v) {}

    Kind kind() const { return kind_; }
    long long integer() const { return i_; }
    double real() const { return r_; }
    const std::string& text() const { return s_; }

private:
    Kind kind_;
    long long i_ = 0;
    double r_ = 0.0;
    std::string s_;
};

class EditError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Renders the values through the edit list.  The result holds one string per
// record (a "/" or a reversion starts a new one); records carry no line end.
std::vector<std::string> EditRecords(std::string_view editList,
                                     const std::vector<EditArg>& values);

// The same for an edit list that makes exactly one record; extra records are
// joined with '\n'.
std::string Edit(std::string_view editList, std::initializer_list<EditArg> values = {});

// Single-field helpers, the building blocks of the list interpreter.
std::string FormatI(long long v, int w, int m = -1);   // Iw / Iw.m
std::string FormatF(double v, int w, int d);           // Fw.d
std::string FormatE(double v, int w, int d, int e = -1, char letter = 'E');  // Ew.d[Ee], Dw.d
std::string FormatA(std::string_view text, int w = -1);  // Aw (w < 0: A)
std::string FormatL(bool v, int w);                     // Lw

// One free-format line of the plot file: every value preceded by one blank;
// integers as plain decimals, reals in the shortest form that reads back to
// the same double and always with a decimal point or an exponent ("1.0",
// "0.25", "1.2345e-07"), text as it is.
std::string FreeLine(const std::vector<EditArg>& values);

}  // namespace torvex::io
