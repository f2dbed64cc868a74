// Entry expressions: arithmetic, functions, constants, the minus-sign rules,
// 18-digit intermediates, the locale and every refusal message.
#include "grid/expression.h"
#include "grid/number_format.h"

#include <QLocale>
#include <cmath>
#include <string>
#include <gtest/gtest.h>

using torvex::Evaluate;

namespace {

struct ValueCase {
    const char* text;
    long double expected;
};

class EvaluateValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(EvaluateValue, GivesTheExpectedNumber) {
    const ValueCase& c = GetParam();
    const long double got = Evaluate(QString::fromUtf8(c.text));
    EXPECT_NEAR(double(got), double(c.expected), 1e-12 * std::max(1.0, std::fabs(double(c.expected)))) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EvaluateValue,
    ::testing::Values(
        // precedence and left-to-right passes
        ValueCase{"2+3*4", 14}, ValueCase{"(2+3)*4", 20}, ValueCase{"2^3^2", 64}, ValueCase{"12*3", 36},
        ValueCase{"10-4-3", 3}, ValueCase{"100/10/5", 2}, ValueCase{"2*3^2", 18}, ValueCase{" 1 +\t2 ", 3},
        ValueCase{"((1+2)*(3+4))", 21}, ValueCase{"2*sqrt(2)", 2.82842712474619009760L},
        // remainder, logic and equality
        ValueCase{"10%3", 1}, ValueCase{"-7%3", -1}, ValueCase{"7.9%2", 1}, ValueCase{"3=3", 1},
        ValueCase{"3=4", 0}, ValueCase{"0|5", 1}, ValueCase{"0|0", 0}, ValueCase{"2&0", 0}, ValueCase{"2&3", 1},
        ValueCase{"1+1=2", 1}, ValueCase{"1|0+0", 1},
        // functions and constants
        ValueCase{"sqrt(16)+1", 5}, ValueCase{"SIN(0)", 0}, ValueCase{"abs-5", 5}, ValueCase{"abs(-5)*2", 10},
        ValueCase{"2*abs(-5)", 10}, ValueCase{"cosec(1)", 1.0L / std::sin(1.0L)}, ValueCase{"csc(1)", 1.0L / std::sin(1.0L)},
        ValueCase{"cos(0)", 1}, ValueCase{"sec(0)", 1}, ValueCase{"cotan(1)", 1.0L / std::tan(1.0L)},
        ValueCase{"arctan(1)*4", 3.14159265358979323846L}, ValueCase{"tanh(0)", 0}, ValueCase{"arctanh(0.5)", std::atanh(0.5L)},
        ValueCase{"arccos(1)", 0}, ValueCase{"arccosh(1)", 0}, ValueCase{"cosh(0)", 1}, ValueCase{"arcsin(1)", 1.5707963267948966192L},
        ValueCase{"arcsinh(0)", 0}, ValueCase{"sinh(0)", 0}, ValueCase{"frac(2.75)", 0.75}, ValueCase{"frac(-2.75)", -0.75},
        ValueCase{"int(-2.75)", -2}, ValueCase{"ln(e)", 1}, ValueCase{"round(2.5)", 3}, ValueCase{"round(-2.4)", -2},
        ValueCase{"ceil(1.2)", 2}, ValueCase{"floor(-1.2)", -2}, ValueCase{"log(1000)", 3}, ValueCase{"pi", 3.14159265358979323846L},
        ValueCase{"-pi", -3.14159265358979323846L}, ValueCase{"-e", -2.71828182845904523536L}, ValueCase{"2*-pi", -6.28318530717958647692L},
        ValueCase{"sqrtabs(-16)", 4}, ValueCase{"abssin(-1)", std::sin(1.0L)},
        // signs, exponents and repeated minus
        ValueCase{"1E-5*2", 0.00002L}, ValueCase{"2e-3+1", 1.002L}, ValueCase{"-2^2", 4}, ValueCase{"2^-1", 0.5},
        ValueCase{"5-(1-3)", 7}, ValueCase{"5--2", 7}, ValueCase{"---5", -5}, ValueCase{"(0.00001)*3", 0.00003L},
        ValueCase{"(1E20)*2", 2e20L},
        // factorial and hexadecimal
        ValueCase{"5!", 120}, ValueCase{"-3!", -6}, ValueCase{"0!", 1}, ValueCase{"3!!", 720}, ValueCase{"$1F", 31},
        ValueCase{"$ff", 255}, ValueCase{"$10+1", 17}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct ErrorCase {
    const char* text;
    const char* message;
};

class EvaluateError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(EvaluateError, IsRefusedWithItsMessage) {
    const ErrorCase& c = GetParam();
    try {
        const long double v = Evaluate(QString::fromUtf8(c.text));
        FAIL() << c.text << " gave " << double(v);
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(c.message)) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EvaluateError,
    ::testing::Values(
        ErrorCase{"", torvex::kEvalBlank}, ErrorCase{"()", torvex::kEvalBlank},
        ErrorCase{"2+3)", torvex::kEvalParentheses}, ErrorCase{")(", torvex::kEvalParentheses},
        ErrorCase{"(2+3", torvex::kEvalInvalidCharacters}, ErrorCase{"abc", torvex::kEvalInvalidCharacters},
        ErrorCase{"sin", torvex::kEvalInvalidCharacters}, ErrorCase{"1,5", torvex::kEvalInvalidCharacters},
        ErrorCase{"1e", torvex::kEvalInvalidCharacters}, ErrorCase{"inf", torvex::kEvalInvalidCharacters},
        ErrorCase{"2**3", torvex::kEvalInvalidExpression}, ErrorCase{"2*", torvex::kEvalInvalidExpression},
        ErrorCase{"*2", torvex::kEvalInvalidExpression}, ErrorCase{" ", torvex::kEvalInvalidExpression},
        ErrorCase{"$G1", torvex::kEvalInvalidHex}, ErrorCase{"$", torvex::kEvalInvalidHex},
        ErrorCase{"$12345678901234567", torvex::kEvalInvalidHex},
        ErrorCase{"2.5!", torvex::kEvalFactorial},
        ErrorCase{"1/0", torvex::kEvalDivisionByZero}, ErrorCase{"5%0", torvex::kEvalDivisionByZero},
        ErrorCase{"5%0.5", torvex::kEvalDivisionByZero}, ErrorCase{"0^-1", torvex::kEvalDivisionByZero},
        ErrorCase{"10^5000", torvex::kEvalOutOfRange}, ErrorCase{"1E99999", torvex::kEvalOutOfRange},
        ErrorCase{"2000!", torvex::kEvalOutOfRange}, ErrorCase{"1E30%2", torvex::kEvalOutOfRange},
        ErrorCase{"cosh(100000)", torvex::kEvalOutOfRange}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(EvaluateError, FunctionsOutsideTheirDomainNameTheFunction) {
    const struct {
        const char* text;
        const char* name;
    } cases[] = {{"sqrt(-1)", "sqrt"}, {"ln(0)", "ln"}, {"log(-2)", "log"},   {"arcsin(2)", "arcsin"},
                 {"arccos(-1.5)", "arccos"}, {"arccosh(0.5)", "arccosh"}, {"arctanh(1)", "arctanh"},
                 {"cotan(0)", "cotan"}, {"cosec(0)", "cosec"}, {"(-8)^(1/3)", "^"}};
    for (const auto& c : cases) {
        try {
            Evaluate(QString::fromLatin1(c.text));
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const EAssignError& e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(torvex::kEvalInvalidArgument).arg(QLatin1String(c.name)));
        }
    }
}

TEST(Evaluate, CosecantIsNeverTheCosineOfARestBeginningWithEc) {
    EXPECT_NEAR(double(Evaluate("cosec(0.5)")), 1.0 / std::sin(0.5), 1e-15);
    EXPECT_NEAR(double(Evaluate("cos(0.5)")), std::cos(0.5), 1e-15);
}

TEST(Evaluate, IntermediatesKeepEighteenSignificantDigits) {
    // 0.1 + 0.2 in extended precision rounds to 0.3 at 18 digits, so the
    // second step sees exactly the text "0.3".
    EXPECT_EQ(Evaluate("(0.1+0.2)=0.3"), 1.0L);
    // 1/3 is cut to 18 digits before it is multiplied.
    EXPECT_EQ(torvex::FormatGeneral(Evaluate("1/3*3"), 18, "."), QStringLiteral("0.999999999999999999"));
    EXPECT_EQ(torvex::FormatGeneral(Evaluate("2/3"), 18, "."), QStringLiteral("0.666666666666666667"));
}

TEST(Evaluate, ReadsNumbersInTheUserLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Evaluate("1,5*2"), 3.0L);
    EXPECT_EQ(Evaluate("(1,25+1)*4"), 9.0L);
    EXPECT_EQ(Evaluate("1E-5*2"), 0.00002L);
    EXPECT_THROW(Evaluate("1.5"), EAssignError);
    QLocale::setDefault(saved);
}

TEST(Evaluate, RefusesAbsurdNestingInsteadOfOverflowingTheStack) {
    QString deep;
    for (int i = 0; i < 5000; ++i) deep += QStringLiteral("abs");
    deep += QStringLiteral("5");
    EXPECT_THROW(Evaluate(deep), EAssignError);
    EXPECT_EQ(Evaluate(QStringLiteral("absabsabs-5")), 5.0L);
}

TEST(Evaluate, ResultsBeyondDoubleAreRefusedForStorage) {
    EXPECT_EQ(torvex::EvaluateToDouble("1E300*10"), 1e301);
    EXPECT_THROW(torvex::EvaluateToDouble("1E300*1E300"), EAssignError);
}

TEST(FormatGeneral, FollowsTheFixedAndScientificRule) {
    const struct {
        long double value;
        int digits;
        const char* text;
    } cases[] = {{0, 8, "0"},           {-0.0L, 8, "0"},         {1e-5L, 8, "1E-5"},          {0.0001L, 8, "0.0001"},
                 {12345678, 8, "12345678"}, {123456789, 8, "1.2345679E8"}, {18.85049701L, 8, "18.850497"},
                 {-2.5L, 8, "-2.5"},    {100, 8, "100"},         {1.5e-7L, 8, "1.5E-7"},      {2e20L, 18, "2E20"},
                 {0.3L, 18, "0.3"},     {99999999.5L, 8, "1E8"}};
    for (const auto& c : cases)
        EXPECT_EQ(torvex::FormatGeneral(c.value, c.digits, "."), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(torvex::FormatGeneral(2.5L, 8, ","), QStringLiteral("2,5"));
}

}  // namespace
