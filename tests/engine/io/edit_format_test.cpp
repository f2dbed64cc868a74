// Edit-list writer: the report and plot-file lines must be character for
// character what a Fortran compiler prints.  The hand-written tables state
// the rules case by case (each row was confirmed against gfortran); the
// oracle test compares thousands of fields with gfortran itself when it is
// installed.
#include "io/edit_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "io/free_reader.h"
#include "support/test_support.h"

namespace torvex::io {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FieldCase {
    const char* list;
    EditArg value;
    const char* expected;
};

void ExpectFields(const std::vector<FieldCase>& cases) {
    for (const FieldCase& c : cases) {
        EXPECT_EQ(Edit(c.list, {c.value}), c.expected) << "edit list " << c.list;
    }
}

TEST(EditField, RoundsTheExactBinaryValueTiesToEven) {
    ExpectFields({
        {"(F5.2)", 0.125, " 0.12"},      // exact tie, 2 is even
        {"(F5.2)", 0.375, " 0.38"},      // exact tie, 8 is even
        {"(F5.0)", 2.5, "   2."},
        {"(F5.0)", 3.5, "   4."},
        {"(F5.0)", 0.5, "   0."},
        {"(E10.1)", 2.5, "   0.2E+01"},
        {"(E10.2)", 0.125, "  0.12E+00"},
        {"(F6.1)", 0.05, "   0.1"},      // stored just above 0.05
        {"(F6.1)", 0.95, "   0.9"},      // stored just below 0.95
        {"(F6.3)", 1.0005, " 1.000"},    // stored just below the tie
        {"(F6.1)", 99.95, " 100.0"},     // rounding adds a digit
        {"(E10.3)", 0.99995, " 0.100E+01"},  // rounding raises the exponent
        {"(E10.3)", 9.9996e99, " 0.100+101"},
        {"(F25.20)", 0.1, "   0.10000000000000000555"},
        {"(E40.30)", 0.1, "    0.100000000000000005551115123126E+00"},
        {"(F30.0)", 1e25, "   10000000000000000905969664."},
    });
}

TEST(EditField, KeepsTheSignOfNegativeZeroAndOfValuesRoundingToZero) {
    ExpectFields({
        {"(F5.2)", -0.001, "-0.00"},
        {"(F5.2)", -0.0, "-0.00"},
        {"(F3.0)", -0.4, "-0."},
        {"(E10.3)", -0.0, "-0.000E+00"},
        {"(E10.3)", 0.0, " 0.000E+00"},
        {"(E10.3)", -1e-300, "-0.100-299"},
    });
}

TEST(EditField, DropsTheLeadingZeroOnlyWhenTheFieldIsFull) {
    ExpectFields({
        {"(F4.2)", 0.5, "0.50"},
        {"(F2.1)", 0.5, ".5"},
        {"(F3.1)", -0.5, "-.5"},
        {"(F4.2)", -0.001, "-.00"},
        {"(F3.2)", 0.0, ".00"},
        {"(F3.2)", -0.001, "***"},
        {"(F2.0)", 0.4, "0."},           // without decimals the zero stays
        {"(F1.0)", 0.4, "*"},
        {"(E9.3)", 0.5, "0.500E+00"},
        {"(E8.3)", 0.5, ".500E+00"},
        {"(E9.3)", -0.5, "-.500E+00"},
        {"(E8.3)", 1e100, ".100+101"},
        {"(E7.3)", 0.0, "*******"},
    });
}

TEST(EditField, WritesExponentsInTheCompilersForms) {
    ExpectFields({
        {"(E10.3)", 1e-100, " 0.100E-99"},
        {"(E10.3)", 1e-99, " 0.100E-98"},
        {"(E10.3)", 1e100, " 0.100+101"},       // letter dropped beyond 99
        {"(E10.3)", std::numeric_limits<double>::max(), " 0.180+309"},
        {"(E10.3)", std::numeric_limits<double>::min() / 16, " 0.139-308"},  // subnormal
        {"(E12.3E3)", 1e5, "  0.100E+006"},
        {"(E12.3E1)", 1e5, "    0.100E+6"},
        {"(E12.3E1)", 1e15, "************"},    // exponent wider than e
        {"(E10.3E2)", 1e120, "**********"},
        {"(E12.3E4)", 0.0, " 0.000E+0000"},
        {"(D15.4)", 1500.0, "     0.1500D+04"},
        {"(D10.3)", 1e200, " 0.100+201"},
    });
}

TEST(EditField, FillsFieldsThatCannotHoldTheValueWithAsterisks) {
    ExpectFields({
        {"(F10.2)", 1e300, "**********"},
        {"(F7.3)", 1000.0, "*******"},
        {"(F7.3)", 999.9995, "*******"},  // only rounding makes it too wide
        {"(I4)", 12345, "****"},
        {"(I4)", -1234, "****"},
        {"(I2.2)", 123, "**"},
        {"(I3.3)", -5, "***"},
    });
}

TEST(EditField, WritesIntegersWithMinimumDigits) {
    ExpectFields({
        {"(I4)", 0, "   0"},
        {"(I5)", -1234, "-1234"},
        {"(I4.3)", 5, " 005"},
        {"(I4.3)", -5, "-005"},
        {"(I2.2)", 5, "05"},
        {"(I4.0)", 0, "    "},       // zero with m = 0 is all blanks
        {"(I20)", std::numeric_limits<long long>::min(), "-9223372036854775808"},
        {"(I25.22)", std::numeric_limits<long long>::min(), "  -0009223372036854775808"},
    });
}

TEST(EditField, WritesTextAndLogicals) {
    ExpectFields({
        {"(A3)", "abcdef", "abc"},      // leftmost w characters
        {"(A8)", "abcdef", "  abcdef"},  // right-justified
        {"(A)", "abcdef", "abcdef"},
        {"(A2)", "", "  "},
        {"(A3)", "\xc3\xa9t\xc3\xa9s", "\xc3\xa9t\xc3\xa9"},  // counts characters, not bytes
        {"(A5)", "\xc3\xa9t\xc3\xa9", "  \xc3\xa9t\xc3\xa9"},
        {"(L3)", true, "  T"},
        {"(L1)", false, "F"},
    });
}

TEST(EditField, WritesInfinityAndNaNAsTheCompilerDoes) {
    ExpectFields({
        {"(F10.3)", kInf, "  Infinity"},
        {"(F10.3)", -kInf, " -Infinity"},
        {"(F8.1)", kInf, "Infinity"},
        {"(F8.1)", -kInf, "    -Inf"},
        {"(F3.3)", kInf, "Inf"},
        {"(F3.3)", -kInf, "***"},
        {"(F2.1)", kInf, "**"},
        {"(E10.3)", kNaN, "       NaN"},
        {"(F2.1)", kNaN, "**"},
    });
}

TEST(EditField, IsIndependentOfTheCLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE", "German_Germany.1252"};
    bool changed = false;
    for (const char* name : names) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            changed = true;
            break;
        }
    }
    if (!changed) GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string fixed = Edit("(F6.2, E10.3)", {1.25, 1.25});
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(fixed, "  1.25 0.125E+01");
}

// ---------------------------------------------------------------------------

struct ListCase {
    const char* what;
    const char* list;
    std::vector<EditArg> values;
    std::vector<std::string> expected;
};

std::vector<EditArg> Counting(int n) {
    std::vector<EditArg> values;
    for (int i = 1; i <= n; ++i) values.emplace_back(i);
    return values;
}

TEST(EditList, FollowsFortranFormatControl) {
    const std::vector<ListCase> cases = {
        {"spec-style layout", "(2X, I4, 2X, E10.3, 6E12.3)", {7, 1.0, 2.0, -3.0},
         {"     7   0.100E+01   0.200E+01  -0.300E+01"}},
        {"without outer parentheses", "2X, I4, E10.3", {5, 1.5}, {"     5 0.150E+01"}},
        {"blanks separate items", "(2X I4 E10.3)", {5, 1.5}, {"     5 0.150E+01"}},
        {"lower-case descriptors", "(2x,i4,e10.3,d10.3)", {5, 1.5, 1.5}, {"     5 0.150E+01 0.150D+01"}},
        {"stops at the first descriptor without a value", "(I3,5X,'ab',2X,I3)", {1}, {"  1     ab"}},
        {"trailing X writes nothing", "(I3,5X)", {1}, {"  1"}},
        {"trailing X after a literal", "(3X,'a',3X)", {}, {"   a"}},
        {"no values: literals up to the first data descriptor", "('abc',I3,'def')", {}, {"abc"}},
        {"no values: one empty record", "(I3)", {}, {""}},
        {"slash before the stop still ends the record", "(I3/I3)", {1}, {"  1", ""}},
        {"slash at the end", "(I3/)", {1}, {"  1", ""}},
        {"leading slashes give empty records first", "(//I3)", {1}, {"", "", "  1"}},
        {"repeated slash", "(I2,3/,I2)", {1, 2}, {" 1", "", "", " 2"}},
        {"literals with doubled delimiters", "(I2,'it''s',\" q\"\"q\")", {1}, {" 1it's q\"q"}},
        {"reversion to the whole list", "(1X,I2,2X)", Counting(3), {"  1", "  2", "  3"}},
        {"reversion repeats the group's count", "(2X,I2,3(1X,I2))", Counting(10),
         {"   1  2  3  4", "  5  6  7", "  8  9 10"}},
        {"reversion to the last top-level group", "(I2,2(1X,2(I2,'a')),'end')", Counting(14),
         {" 1  2a 3a  4a 5aend", "  6a 7a  8a 9aend", " 10a11a 12a13aend", " 14a"}},
        {"reversion skips earlier groups", "(I2,2(1X,2(I2,'a')),'end',(I3))", Counting(7),
         {" 1  2a 3a  4a 5aend  6", "  7"}},
        {"X between fields of a repeated group", "(3(1X,I2,2X))", Counting(4), {"  1    2    3", "  4"}},
        {"slash and reversion both start records", "(I2,3X,/)", {1, 2}, {" 1", "", " 2", ""}},
        {"report date line", "(15X, 'Date:  ', A, ' ', I2.2, ', ', I4, 5X, 'Time:  ', I2.2, ':', I2.2, ':', I2.2)",
         {"March", 5, 2024, 9, 3, 7}, {"               Date:  March 05, 2024     Time:  09:03:07"}},
    };
    for (const ListCase& c : cases) {
        EXPECT_EQ(EditRecords(c.list, c.values), c.expected) << c.what << ": " << c.list;
    }
}

TEST(EditList, EditJoinsRecordsWithLineFeeds) {
    EXPECT_EQ(Edit("(I2/'x',I2)", {1, 2}), " 1\nx 2");
    EXPECT_EQ(Edit("(/)"), "\n");
}

TEST(EditList, RejectsMalformedListsAndMismatchedValues) {
    struct Bad {
        const char* what;
        const char* list;
        std::vector<EditArg> values;
    };
    const std::vector<Bad> cases = {
        {"real to I", "(I4)", {1.5}},
        {"integer to E", "(E10.3)", {3}},
        {"integer to F", "(F10.2)", {3}},
        {"text to D", "(D10.3)", {"x"}},
        {"integer to A", "(A4)", {2}},
        {"real to L", "(L1)", {1.0}},
        {"mismatch after reversion", "(I3,F5.1)", {1, 2.0, 3.0}},
        {"unclosed group", "(I4", {1}},
        {"unopened group", "I4)", {1}},
        {"unknown descriptor", "(Q4)", {1}},
        {"F without decimals", "(F10)", {1.0}},
        {"E without decimals", "(E10)", {1.0}},
        {"E with no digits", "(E10.0)", {1.0}},
        {"exponent width zero", "(E10.3E0)", {1.0}},
        {"I without width", "(I)", {1}},
        {"zero width", "(I0)", {1}},
        {"m wider than w", "(I3.4)", {1}},
        {"zero repeat count", "(0I3)", {1}},
        {"repeat count before a literal", "(2'ab')", {}},
        {"repeat count ends the list", "(I3,3)", {1}},
        {"unterminated literal", "('abc)", {}},
        {"values but no data descriptor", "('x')", {1}},
        {"reversion to a group without data", "(I3,2('x'))", {1, 2}},
    };
    for (const Bad& c : cases) {
        EXPECT_THROW(EditRecords(c.list, c.values), EditError) << c.what << ": " << c.list;
    }
}

TEST(EditField, HelpersMatchTheListAndCheckTheirWidths) {
    EXPECT_EQ(FormatE(1500.0, 15, 4, -1, 'D'), "     0.1500D+04");
    EXPECT_EQ(FormatE(1e5, 12, 3, 3), "  0.100E+006");
    EXPECT_EQ(FormatI(-5, 4, 3), "-005");
    EXPECT_EQ(FormatA("abc"), "abc");
    EXPECT_EQ(FormatL(true, 2), " T");
    EXPECT_THROW(FormatI(1, 0), EditError);
    EXPECT_THROW(FormatF(1.0, 0, 2), EditError);
    EXPECT_THROW(FormatE(1.0, 10, 0), EditError);
    EXPECT_THROW(FormatL(true, 0), EditError);
}

// ---------------------------------------------------------------------------

TEST(FreeLine, WritesBlankSeparatedNumbersThatReadAsReals) {
    EXPECT_EQ(FreeLine({1, 2.0, 0.25, 1.2345e-07, -3, -0.5, 1e20}), " 1 2.0 0.25 1.2345e-07 -3 -0.5 1e+20");
    EXPECT_EQ(FreeLine({}), "");
    EXPECT_EQ(FreeLine({-0.0}), " -0.0");
}

TEST(FreeLine, RealsReadBackExactly) {
    std::mt19937_64 random(20150505);
    std::vector<EditArg> values;
    std::vector<double> expected;
    for (int i = 0; i < 2000; ++i) {
        double v = std::bit_cast<double>(random());
        if (!std::isfinite(v)) continue;
        if (i % 2 == 0) v = std::ldexp(static_cast<double>(random() >> 11), -53) * std::pow(10.0, i % 31 - 15);
        values.emplace_back(v);
        expected.push_back(v);
    }
    values.emplace_back(std::numeric_limits<double>::denorm_min());
    expected.push_back(std::numeric_limits<double>::denorm_min());

    FreeReader reader;
    reader.openText(FreeLine(values));
    reader.beginRead("plot line");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const double back = reader.readReal("value");
        ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(expected[i]))
            << "value " << i << " written as " << FreeLine({expected[i]});
    }
}

// ---------------------------------------------------------------------------
// gfortran as the oracle

struct OracleValue {
    char kind;  // 'i' integer, 'r' real, 't' text, 'l' logical
    long long i = 0;
    double r = 0.0;
    std::string t;
};

struct OracleCase {
    std::string list;
    std::vector<OracleValue> values;
};

OracleValue Int(long long v) { return {'i', v, 0.0, {}}; }
OracleValue Real(double v) { return {'r', 0, v, {}}; }
OracleValue Text(std::string v) { return {'t', 0, 0.0, std::move(v)}; }
OracleValue Logical(bool v) { return {'l', v ? 1 : 0, 0.0, {}}; }

EditArg ToArg(const OracleValue& v) {
    switch (v.kind) {
    case 'i': return EditArg(v.i);
    case 'r': return EditArg(v.r);
    case 't': return EditArg(v.t);
    default: return EditArg(v.i != 0);
    }
}

std::string FortranString(const std::string& text) {
    std::string out = "'";
    for (const char c : text) {
        out.push_back(c);
        if (c == '\'') out.push_back('\'');
    }
    return out + "'";
}

std::string FortranInteger(long long v) {
    if (v == std::numeric_limits<long long>::min()) return "(-9223372036854775807_8-1_8)";
    return std::to_string(v) + "_8";
}

// Draws the doubles of the randomised cases.  Magnitudes span many decades;
// some values sit exactly on a decimal tie of the field, some just beside
// one, some are raw bit patterns over the whole range (E and D fields).
class ValueSource {
public:
    explicit ValueSource(std::uint64_t seed) : random_(seed) {}

    double uniform() { return std::ldexp(static_cast<double>(random_() >> 11), -53); }
    int integer(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    double sign() { return (random_() & 1) != 0 ? -1.0 : 1.0; }

    double magnitude(int lowDecade, int highDecade) {
        return sign() * (1.0 + 9.0 * uniform()) * std::pow(10.0, integer(lowDecade, highDecade));
    }
    double bits() {
        while (true) {
            const double v = std::bit_cast<double>(random_());
            if (std::isfinite(v)) return v;
        }
    }
    // A tie of an F field with d decimals that binary holds exactly: an odd
    // multiple of 2^-(d+1) has d+1 decimals, the last one a 5.
    double exactFixedTie(int d, int wholeDigits) {
        const double unit = std::ldexp(1.0, -(d + 1));
        const double limit = std::pow(10.0, wholeDigits) / unit;
        const double odd = 2.0 * std::floor(uniform() * limit / 2.0) + 1.0;
        return sign() * odd * unit;
    }
    // A decimal tie of an F field that binary cannot hold: it lands just beside.
    double nearFixedTie(int d, int wholeDigits) {
        const double n = std::floor(uniform() * std::pow(10.0, wholeDigits + d));
        return sign() * (n + 0.5) / std::pow(10.0, d);
    }
    // A tie of an E field with d digits: (10 m + 5) 10^k with d+1 digits is exact
    // for small k >= 0; for k < 0 it lands just beside the tie.
    double exponentTie(int d, int lowDecade, int highDecade) {
        const double m = std::floor(std::pow(10.0, d - 1) + uniform() * 9.0 * std::pow(10.0, d - 1));
        return sign() * (10.0 * m + 5.0) * std::pow(10.0, integer(lowDecade, highDecade));
    }
    long long integerMagnitude(int maxDigits) {
        const long long limit = static_cast<long long>(std::pow(10.0, integer(0, maxDigits)));
        return static_cast<long long>(sign()) * std::uniform_int_distribution<long long>(0, limit)(random_);
    }

private:
    std::mt19937_64 random_;
};

std::vector<OracleCase> OracleCases() {
    ValueSource source(0x70C5);
    std::vector<OracleCase> cases;
    const auto reals = [](std::vector<double> v) {
        std::vector<OracleValue> out;
        for (const double x : v) out.push_back(Real(x));
        return out;
    };

    // Randomised single fields, one record per value (reversion of a
    // one-descriptor list).
    struct Field {
        const char* list;
        bool exponent;
        int d;
        int wholeDigits;  // for ties of F fields
    };
    const Field fields[] = {
        {"(E10.3)", true, 3, 0}, {"(E12.3)", true, 3, 0}, {"(E13.4)", true, 4, 0},
        {"(D15.4)", true, 4, 0}, {"(F7.3)", false, 3, 3}, {"(F10.2)", false, 2, 7},
    };
    const double special[] = {0.0, -0.0, 1.0, -1.0, 0.5, 0.125, 0.375, 2.5, 1.0625, 999.9995, 9.9995,
                              0.99995, 1e-300, -1e-300, 1e100, 9.99999e99, 1e-99, 1e-100,
                              std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                              std::numeric_limits<double>::denorm_min(), -0.0004, -0.004999, 0.0005};
    for (const Field& f : fields) {
        OracleCase c{f.list, {}};
        for (const double v : special) c.values.push_back(Real(v));
        for (int i = 0; i < 2000; ++i) {
            double v = 0.0;
            switch (i % 5) {
            case 0: v = source.magnitude(-20, 20); break;
            case 1: v = source.magnitude(-4, 6); break;
            case 2: v = f.exponent ? source.bits() : source.nearFixedTie(f.d, f.wholeDigits); break;
            case 3: v = f.exponent ? source.exponentTie(f.d, 0, 6) : source.exactFixedTie(f.d, f.wholeDigits); break;
            default: v = f.exponent ? source.exponentTie(f.d, -12, -1) : source.magnitude(-3, 3); break;
            }
            c.values.push_back(Real(v));
        }
        cases.push_back(std::move(c));
    }
    for (const char* list : {"(I4)", "(I2.2)", "(I6.4)", "(I20)"}) {
        OracleCase c{list, {}};
        for (const long long v : {0LL, 9LL, -9LL, 10LL, -10LL, 99LL, 100LL, 999LL, -999LL, 1000LL, -1000LL,
                                  9999LL, 10000LL, std::numeric_limits<long long>::max(),
                                  std::numeric_limits<long long>::min()}) {
            c.values.push_back(Int(v));
        }
        for (int i = 0; i < 1000; ++i) c.values.push_back(Int(source.integerMagnitude(7)));
        cases.push_back(std::move(c));
    }

    // The engine's layouts with random values, and format control.
    const auto randomReals = [&](int n) {
        std::vector<OracleValue> out;
        for (int i = 0; i < n; ++i) out.push_back(Real(source.magnitude(-8, 8)));
        return out;
    };
    const auto join = [](std::vector<OracleValue> a, const std::vector<OracleValue>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    for (int round = 0; round < 20; ++round) {
        cases.push_back({"(2X, I4, 2X, E10.3, 6E12.3)", join({Int(source.integer(-999, 9999))}, randomReals(7))});
        cases.push_back({"(2X, I4, 2X, E10.3, 6E12.3)", join({Int(source.integer(0, 500))}, randomReals(round % 7))});
        cases.push_back({"(5X, 2I4, I3, 1X, 6E10.3)",
                         join({Int(round), Int(round * 7), Int(round % 3)}, randomReals(6))});
        cases.push_back({"(3X, I4, 7X, \"YES\", 6X, I4, 2X, 5E10.3)",
                         join({Int(round), Int(round + 100)}, randomReals(5))});
        cases.push_back({"(1X, F10.2, 1X, I5)", {Real(source.magnitude(-3, 8)), Int(33)}});
        cases.push_back({"(7X, I3, F9.1, F11.1, F6.1, F9.3, 5X, L1, F10.2)",
                         join(join({Int(round)}, randomReals(4)), join({Logical(round % 2 == 0)}, randomReals(1)))});
        cases.push_back({"(5(1X, E13.4))", randomReals(12 + round)});
        cases.push_back({"(1X, 3(1X, F10.2, 1X, F6.2))", randomReals(round)});
        cases.push_back({"(10X, I2, 9X, E10.3, 8X, E10.3)",
                         join({Int(round)}, randomReals(2))});
        cases.push_back({"(12X, E10.3, 17X, E10.3)", randomReals(2 * (round % 4) + 1)});
    }
    cases.push_back({"(6X, \"  NO\", 1X, A4, A1, A2, A2, A1, 2X, A3, /)",
                     {Text("LB"), Text("/"), Text("IN"), Text("**"), Text("2"), Text("DEFL")}});
    cases.push_back({"(20X, A3, 16X, A4, A1, A2)", {Text("FT"), Text("KN"), Text("-"), Text("M2")}});
    cases.push_back({"(A3, A8, A, '|')", {Text("abcdef"), Text("abcdef"), Text("it's")}});
    cases.push_back({"(15X, 'Date:  ', A, ' ', I2.2, ', ', I4, 5X, 'Time:  ', I2.2, ':', I2.2, ':', I2.2)",
                     {Text("December"), Int(31), Int(2015), Int(23), Int(5), Int(0)}});
    cases.push_back({"(L1, L3, 2X, L2)", {Logical(true), Logical(false), Logical(true)}});
    cases.push_back({"(E12.3E3, E12.3E1, E14.4E4, E9.2E1)", reals({1e5, 1e15, -1e-200, 3.0})});
    cases.push_back({"(D10.3, D12.5, D9.2)", reals({1e200, -1e-20, 0.0})});
    cases.push_back({"(I3,5X)", {Int(1)}});
    cases.push_back({"(I3,5X,'ab',2X,I3)", {Int(1)}});
    cases.push_back({"(I3/I3)", {Int(1)}});
    cases.push_back({"(//I3)", {Int(1)}});
    cases.push_back({"(I2,3/,I2)", {Int(1), Int(2)}});
    cases.push_back({"(I3)", {}});
    cases.push_back({"(/)", {}});
    cases.push_back({"(I2/'x',I2)", {Int(1), Int(2)}});
    cases.push_back({"('abc',I3,'def')", {}});
    cases.push_back({"(I2,'it''s',\" q\"\"q\")", {Int(1)}});
    cases.push_back({"(2X,I2,3(1X,I2))", {Int(1), Int(2), Int(3), Int(4), Int(5), Int(6), Int(7), Int(8)}});
    cases.push_back({"(I2,2(1X,2(I2,'a')),'end',(I3))",
                     {Int(1), Int(2), Int(3), Int(4), Int(5), Int(6), Int(7), Int(8)}});
    cases.push_back({"(3(1X,I2,2X))", {Int(1), Int(2), Int(3), Int(4)}});
    cases.push_back({"(I2,3X,/)", {Int(1), Int(2)}});
    cases.push_back({"(F4.2, F2.1, F3.1, F4.2, F3.2, F2.0, F1.0, F3.0)",
                     reals({0.5, 0.5, -0.5, -0.001, 0.0, 0.4, 0.4, -0.4})});
    cases.push_back({"(E9.3, E8.3, E9.3, E7.3, E8.3)", reals({0.5, 0.5, -0.5, 0.0, -1e100})});
    cases.push_back({"(I4.0, I1, I25.22)", {Int(0), Int(-1), Int(std::numeric_limits<long long>::min())}});
    return cases;
}

std::string FortranProgram(const std::vector<OracleCase>& cases) {
    // All reals travel as bit patterns so that no decimal conversion stands
    // between the two sides.
    std::vector<std::uint64_t> bits;
    std::ostringstream writes;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const OracleCase& c = cases[k];
        writes << "  write(*,'(A)') '@@ " << k << "'\n";
        writes << "  write(*," << FortranString(c.list) << ")";
        bool allReals = !c.values.empty();
        for (const OracleValue& v : c.values) allReals = allReals && v.kind == 'r';
        if (allReals) {
            writes << " r(" << bits.size() + 1 << ":" << bits.size() + c.values.size() << ")";
            for (const OracleValue& v : c.values) bits.push_back(std::bit_cast<std::uint64_t>(v.r));
        } else {
            const char* separator = " ";
            for (const OracleValue& v : c.values) {
                writes << separator;
                separator = ", ";
                switch (v.kind) {
                case 'i': writes << FortranInteger(v.i); break;
                case 't': writes << FortranString(v.t); break;
                case 'l': writes << (v.i != 0 ? ".true." : ".false."); break;
                default:
                    bits.push_back(std::bit_cast<std::uint64_t>(v.r));
                    writes << "r(" << bits.size() << ")";
                }
            }
        }
        writes << "\n";
    }
    std::ostringstream program;
    program << "program oracle\n  implicit none\n";
    program << "  integer(8) :: b(" << std::max<std::size_t>(bits.size(), 1) << ")\n";
    program << "  real(8) :: r(" << std::max<std::size_t>(bits.size(), 1) << ")\n";
    program << "  b = 0_8\n";
    for (std::size_t i = 0; i < bits.size(); i += 8) {
        const std::size_t n = std::min<std::size_t>(8, bits.size() - i);
        program << "  b(" << i + 1 << ":" << i + n << ") = [";
        for (std::size_t j = 0; j < n; ++j) {
            program << (j > 0 ? ", " : "") << FortranInteger(static_cast<long long>(bits[i + j]));
        }
        program << "]\n";
    }
    program << "  r = transfer(b, r)\n" << writes.str() << "end program oracle\n";
    return program.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Describe(const OracleValue& v) {
    std::ostringstream s;
    switch (v.kind) {
    case 'i': s << v.i; break;
    case 'r': s.precision(17); s << v.r << " (bits 0x" << std::hex << std::bit_cast<std::uint64_t>(v.r) << ")"; break;
    case 't': s << '"' << v.t << '"'; break;
    default: s << (v.i != 0 ? ".true." : ".false.");
    }
    return s.str();
}

TEST(EditOracle, MatchesGfortranOnManyListsAndValues) {
    if (std::system("command -v gfortran > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "gfortran is not on PATH; the comparison with a Fortran compiler was not run";
    }
    const std::vector<OracleCase> cases = OracleCases();
    const torvex::test::TempDir dir;
    torvex::test::WriteFile(dir.file("oracle.f90"), FortranProgram(cases));
    const std::string command = "cd '" + dir.path().string() +
                                "' && gfortran -O0 -ffree-line-length-none -o oracle oracle.f90 > build.log 2>&1"
                                " && ./oracle > out.txt 2> run.log";
    ASSERT_EQ(std::system(command.c_str()), 0)
        << torvex::test::ReadFile(dir.file("build.log")) << torvex::test::ReadFile(dir.file("run.log"));

    // Split gfortran's output at the case markers.
    std::vector<std::vector<std::string>> theirs(cases.size());
    long current = -1;
    for (const std::string& line : Lines(torvex::test::ReadFile(dir.file("out.txt")))) {
        if (line.rfind("@@ ", 0) == 0) {
            current = std::stol(line.substr(3));
            continue;
        }
        ASSERT_GE(current, 0) << "output before the first marker: " << line;
        theirs[static_cast<std::size_t>(current)].push_back(line);
    }

    std::size_t compared = 0;
    std::size_t mismatches = 0;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const OracleCase& c = cases[k];
        std::vector<EditArg> args;
        for (const OracleValue& v : c.values) args.push_back(ToArg(v));
        std::vector<std::string> ours;
        try {
            ours = EditRecords(c.list, args);
        } catch (const EditError& e) {
            ADD_FAILURE() << "case " << k << " " << c.list << " threw: " << e.what();
            ++mismatches;
            continue;
        }
        if (ours.size() != theirs[k].size()) {
            ADD_FAILURE() << "case " << k << " " << c.list << ": " << ours.size() << " records, gfortran wrote "
                          << theirs[k].size();
            ++mismatches;
            continue;
        }
        // Single-descriptor lists write one value per record: name it.
        const bool perValue = ours.size() == c.values.size() && c.list.find(',') == std::string::npos;
        for (std::size_t n = 0; n < ours.size(); ++n) {
            ++compared;
            if (ours[n] == theirs[k][n]) continue;
            if (++mismatches <= 40) {
                ADD_FAILURE() << "case " << k << " " << c.list << " record " << n
                              << (perValue ? " value " + Describe(c.values[n]) : std::string()) << "\n  ours:     ["
                              << ours[n] << "]\n  gfortran: [" << theirs[k][n] << "]";
            }
        }
    }
    EXPECT_EQ(mismatches, 0u);
    std::cout << "[ oracle   ] " << compared << " records in " << cases.size() << " cases compared with gfortran, "
              << mismatches << " differ\n";
}

}  // namespace
}  // namespace torvex::io
