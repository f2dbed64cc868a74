#include "grid/expression.h"

#include "grid/number_format.h"

#include <QList>
#include <QStringList>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace torvex {
namespace {

using Real = long double;

// Function names in the order they are tried; the first prefix that matches
// wins. "cosec" stands before "cos" so a cosecant is never read as the cosine
// of a rest beginning with "ec"; every other longer name already precedes the
// shorter one it begins with.
enum class Function {
    ArcTanh, ArcTan, CoTan, Tanh, Tan, ArcCosh, ArcCos, Cosh, CoSec, Cos, Sec, ArcSinh, ArcSin, Sinh, Sin,
    Csc, Abs, Frac, Int, Ln, Round, Ceil, Floor, Log, Sqrt
};
struct FunctionName {
    const char* name;
    Function function;
};
constexpr FunctionName kFunctions[] = {
    {"arctanh", Function::ArcTanh}, {"arctan", Function::ArcTan}, {"cotan", Function::CoTan},
    {"tanh", Function::Tanh},       {"tan", Function::Tan},       {"arccosh", Function::ArcCosh},
    {"arccos", Function::ArcCos},   {"cosh", Function::Cosh},     {"cosec", Function::CoSec},
    {"cos", Function::Cos},         {"sec", Function::Sec},       {"arcsinh", Function::ArcSinh},
    {"arcsin", Function::ArcSin},   {"sinh", Function::Sinh},     {"sin", Function::Sin},
    {"csc", Function::Csc},         {"abs", Function::Abs},       {"frac", Function::Frac},
    {"int", Function::Int},         {"ln", Function::Ln},         {"round", Function::Round},
    {"ceil", Function::Ceil},       {"floor", Function::Floor},   {"log", Function::Log},
    {"sqrt", Function::Sqrt},
};

// Deep nesting ("sinsinsin...", "5!!!!") recurses once per level.
constexpr int kMaxDepth = 2000;

// Largest factorial argument whose result is a finite extended real.
constexpr Real kMaxFactorial = 1754;

[[noreturn]] void Fail(const char* message) { throw EAssignError(QString::fromLatin1(message)); }
[[noreturn]] void FailArgument(const char* name) {
    throw EAssignError(QString::fromLatin1(kEvalInvalidArgument).arg(QLatin1String(name)));
}

const FunctionName* MatchFunction(const QString& lowerText) {
    for (const FunctionName& f : kFunctions)
        if (lowerText.startsWith(QLatin1String(f.name))) return &f;
    return nullptr;
}

// True when text is one or more function names and nothing else, so a "-"
// after it is the sign of the function's argument.
bool IsFunctionNames(QString text) {
    text = text.toLower();
    if (text.isEmpty()) return false;
    while (!text.isEmpty()) {
        const FunctionName* f = MatchFunction(text);
        if (f == nullptr) return false;
        text.remove(0, int(qstrlen(f->name)));
    }
    return true;
}

class Evaluator {
public:
    Evaluator() : point_(LocaleDecimalPoint()) {}

    Real Expression(QString text, int depth) {
        Guard(depth);
        if (text.isEmpty()) Fail(kEvalBlank);
        text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));

        // Parentheses, innermost first.
        for (;;) {
            const int close = text.indexOf(QLatin1Char(')'));
            if (close < 0) break;
            const int open = text.lastIndexOf(QLatin1Char('('), close);
            if (open < 0) Fail(kEvalParentheses);
            const Real inner = Expression(text.mid(open + 1, close - open - 1), depth + 1);
            text.replace(open, close - open + 1, Format(inner));
        }

        QStringList operands;
        QList<QChar> operators;
        Split(text, operands, operators);
        for (const QString& operand : operands)
            if (operand.isEmpty()) Fail(kEvalInvalidExpression);
        if (operands.size() != operators.size() + 1) Fail(kEvalInvalidExpression);

        static const char* const kPasses[] = {"^", "*/%&", "+-|", "="};
        for (const char* pass : kPasses) {
            int i = 0;
            while (i < operators.size()) {
                if (!QLatin1String(pass).contains(operators[i])) {
                    ++i;
                    continue;
                }
                const Real left = Term(operands[i], depth + 1);
                const Real right = Term(operands[i + 1], depth + 1);
                operands[i] = Format(Apply(operators[i], left, right));
                operands.removeAt(i + 1);
                operators.removeAt(i);
            }
        }
        return Term(operands[0], depth + 1);
    }

private:
    static void Guard(int depth) {
        if (depth > kMaxDepth) Fail(kEvalTooComplex);
    }

    // Each intermediate result keeps 18 significant digits.
    QString Format(Real value) const { return FormatGeneral(value, 18, point_); }

    // A "-" is a sign when it is the first character, follows only function
    // names, or follows % & * + / = E ^ e | or another minus; otherwise it is
    // the subtraction operator.
    static void Split(const QString& text, QStringList& operands, QList<QChar>& operators) {
        static const QString kOperators = QStringLiteral("^*/%+=|&");
        static const QString kBeforeSign = QStringLiteral("%&*+/=E^e|-");
        QString current;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            bool isOperator = kOperators.contains(c);
            if (c == QLatin1Char('-')) {
                const bool sign = i == 0 || kBeforeSign.contains(text[i - 1]) || IsFunctionNames(current);
                isOperator = !sign;
            }
            if (!isOperator) {
                current += c;
                continue;
            }
            operands << current;
            operators << c;
            current.clear();
        }
        operands << current;
    }

    static Real Checked(Real value) {
        if (!std::isfinite(value)) Fail(kEvalOutOfRange);
        return value;
    }

    static std::int64_t ToInt64(Real value) {
        // Truncated toward zero; values beyond the 64-bit range are refused.
        constexpr Real kLimit = 9223372036854775808.0L;  // 2^63
        if (!(value > -kLimit - 1 && value < kLimit)) Fail(kEvalOutOfRange);
        return static_cast<std::int64_t>(value);
    }

    static Real Apply(QChar op, Real a, Real b) {
        switch (op.toLatin1()) {
        case '^': {
            const Real r = std::pow(a, b);
            if (std::isnan(r)) FailArgument("^");
            if (std::isinf(r)) Fail(a == 0 ? kEvalDivisionByZero : kEvalOutOfRange);
            return r;
        }
        case '*': return Checked(a * b);
        case '/':
            if (b == 0) Fail(kEvalDivisionByZero);
            return Checked(a / b);
        case '%': {
            const std::int64_t x = ToInt64(a);
            const std::int64_t y = ToInt64(b);
            if (y == 0) Fail(kEvalDivisionByZero);
            if (y == -1) return 0;  // avoids the overflow of INT64_MIN % -1
            return Real(x % y);
        }
        case '&': return (a != 0 && b != 0) ? 1 : 0;
        case '+': return Checked(a + b);
        case '-': return Checked(a - b);
        case '|': return (a != 0 || b != 0) ? 1 : 0;
        case '=': return a == b ? 1 : 0;
        default: Fail(kEvalInvalidExpression);
        }
    }

    static Real ApplyFunction(const FunctionName& f, Real x) {
        Real r = 0;
        switch (f.function) {
        case Function::ArcTanh:
            if (!(std::fabs(x) < 1)) FailArgument(f.name);
            r = std::atanh(x);
            break;
        case Function::ArcTan: r = std::atan(x); break;
        case Function::CoTan: {
            const Real t = std::tan(x);
            if (t == 0) FailArgument(f.name);
            r = 1 / t;
            break;
        }
        case Function::Tanh: r = std::tanh(x); break;
        case Function::Tan: r = std::tan(x); break;
        case Function::ArcCosh:
            if (!(x >= 1)) FailArgument(f.name);
            r = std::acosh(x);
            break;
        case Function::ArcCos:
            if (!(std::fabs(x) <= 1)) FailArgument(f.name);
            r = std::acos(x);
            break;
        case Function::Cosh: r = std::cosh(x); break;
        case Function::Cos: r = std::cos(x); break;
        case Function::Sec: {
            const Real c = std::cos(x);
            if (c == 0) FailArgument(f.name);
            r = 1 / c;
            break;
        }
        case Function::ArcSinh: r = std::asinh(x); break;
        case Function::ArcSin:
            if (!(std::fabs(x) <= 1)) FailArgument(f.name);
            r = std::asin(x);
            break;
        case Function::Sinh: r = std::sinh(x); break;
        case Function::Sin: r = std::sin(x); break;
        case Function::CoSec:
        case Function::Csc: {
            const Real s = std::sin(x);
            if (s == 0) FailArgument(f.name);
            r = 1 / s;
            break;
        }
        case Function::Abs: r = std::fabs(x); break;
        case Function::Frac: r = x - std::trunc(x); break;
        case Function::Int: r = std::trunc(x); break;
        case Function::Ln:
            if (!(x > 0)) FailArgument(f.name);
            r = std::log(x);
            break;
        case Function::Round: r = std::round(x); break;  // halves away from zero
        case Function::Ceil: r = std::ceil(x); break;
        case Function::Floor: r = std::floor(x); break;
        case Function::Log:
            if (!(x > 0)) FailArgument(f.name);
            r = std::log10(x);
            break;
        case Function::Sqrt:
            if (!(x >= 0)) FailArgument(f.name);
            r = std::sqrt(x);
            break;
        }
        if (std::isnan(r)) FailArgument(f.name);
        return Checked(r);
    }

    Real Term(QString term, int depth) {
        Guard(depth);
        term = term.toLower();
        while (term.contains(QLatin1String("--"))) term.replace(QLatin1String("--"), QString());

        if (term == QLatin1String("pi")) return std::numbers::pi_v<Real>;
        if (term == QLatin1String("-pi")) return -std::numbers::pi_v<Real>;
        if (term == QLatin1String("e")) return std::numbers::e_v<Real>;
        if (term == QLatin1String("-e")) return -std::numbers::e_v<Real>;

        if (const FunctionName* f = MatchFunction(term))
            return ApplyFunction(*f, Term(term.mid(int(qstrlen(f->name))), depth + 1));

        if (term.endsWith(QLatin1Char('!'))) {
            const Real n = Term(term.chopped(1), depth + 1);
            if (n != std::trunc(n)) Fail(kEvalFactorial);
            const Real magnitude = std::fabs(n);
            if (magnitude > kMaxFactorial) Fail(kEvalOutOfRange);
            Real product = 1;
            for (Real k = 2; k <= magnitude; k += 1) product *= k;
            return n < 0 ? -product : product;
        }

        if (term.startsWith(QLatin1Char('$'))) {
            // Up to 16 hexadecimal digits, read as a 64-bit two's-complement integer.
            const QString digits = term.mid(1);
            if (digits.isEmpty() || digits.size() > 16) Fail(kEvalInvalidHex);
            std::uint64_t value = 0;
            for (QChar c : digits) {
                const int d = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                              : (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ? c.unicode() - 'a' + 10
                                                                                 : -1;
                if (d < 0) Fail(kEvalInvalidHex);
                value = value * 16 + std::uint64_t(d);
            }
            return Real(static_cast<std::int64_t>(value));
        }

        Real value = 0;
        switch (ParseNumber(term, point_, value)) {
        case NumberParse::Ok: return value;
        case NumberParse::OutOfRange: Fail(kEvalOutOfRange);
        case NumberParse::Invalid: break;
        }
        Fail(kEvalInvalidCharacters);
    }

    QString point_;
};

}  // namespace

long double Evaluate(const QString& text) {
    Evaluator evaluator;
    return evaluator.Expression(text, 0);
}

double NearestDouble(long double value) {
    // Values up to half a unit in the last place above the largest double
    // still round to it (so its 18-digit text reads back).
    const long double largest = DBL_MAX;
    const long double halfUlp = (largest - static_cast<long double>(std::nextafter(DBL_MAX, 0.0))) / 2;
    if (value >= largest + halfUlp) return std::numeric_limits<double>::infinity();
    if (value <= -(largest + halfUlp)) return -std::numeric_limits<double>::infinity();
    return static_cast<double>(value);
}

double EvaluateToDouble(const QString& text) {
    const double value = NearestDouble(Evaluate(text));
    if (std::isinf(value)) Fail(kEvalOutOfRange);
    return value;
}

}  // namespace torvex
