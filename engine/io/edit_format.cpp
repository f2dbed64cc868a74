#include "io/edit_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <string>

// Numbers are converted with std::to_chars: it is independent of the C
// locale (the desktop process may run under a decimal-comma locale) and
// rounds the exact binary value to the requested digits, ties to even, which
// is what the Fortran runtime does (0.125 in F5.2 gives " 0.12", 2.5 in F5.0
// gives "   2.").

namespace torvex::io {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw EditError(what); }

void AppendStars(std::string& out, int w) { out.append(static_cast<std::size_t>(w), '*'); }

void AppendPadded(std::string& out, int w, std::string_view text) {
    out.append(static_cast<std::size_t>(w) - text.size(), ' ');
    out.append(text);
}

// Infinity and NaN as the Fortran runtime writes them in an F, E or D field:
// "Infinity" when it fits, else "Inf"; a negative infinity needs room for
// its sign; fields narrower than 3 get asterisks.
void AppendInfNan(std::string& out, double v, int w) {
    std::string_view text;
    if (std::isnan(v)) {
        text = "NaN";
    } else if (v < 0) {
        text = w >= 9 ? "-Infinity" : "-Inf";
    } else {
        text = w >= 8 ? "Infinity" : "Inf";
    }
    if (static_cast<int>(text.size()) > w) return AppendStars(out, w);
    AppendPadded(out, w, text);
}

void CheckWidth(int w, const char* what) {
    if (w < 1) Fail(std::string(what) + " needs a field width of at least 1");
}

void AppendI(std::string& out, long long v, int w, int m) {
    CheckWidth(w, "I");
    if (m > w) Fail("Iw.m needs m <= w");
    const unsigned long long magnitude =
        v < 0 ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    std::array<char, 24> digits{};
    int count = 0;
    // Iw.0 writes zero as an all-blank field.
    if (!(m == 0 && v == 0)) {
        const auto r = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
        count = static_cast<int>(r.ptr - digits.data());
    }
    const int zeros = m > count ? m - count : 0;
    const int length = (v < 0 ? 1 : 0) + zeros + count;
    if (length > w) return AppendStars(out, w);
    out.append(static_cast<std::size_t>(w - length), ' ');
    if (v < 0) out.push_back('-');
    out.append(static_cast<std::size_t>(zeros), '0');
    out.append(digits.data(), static_cast<std::size_t>(count));
}

void AppendF(std::string& out, double v, int w, int d) {
    CheckWidth(w, "F");
    if (d < 0) Fail("Fw.d needs d >= 0");
    if (!std::isfinite(v)) return AppendInfNan(out, v, w);
    // The sign of a negative value that rounds to zero, and of -0.0, is kept.
    const bool negative = std::signbit(v);
    // Up to 309 integer digits for the largest double, the point and d decimals.
    std::array<char, 400> stack;
    std::string heap;
    char* buffer = stack.data();
    std::size_t capacity = stack.size();
    if (static_cast<std::size_t>(d) + 320 > capacity) {
        heap.resize(static_cast<std::size_t>(d) + 320);
        buffer = heap.data();
        capacity = heap.size();
    }
    const auto r = std::to_chars(buffer, buffer + capacity, std::fabs(v), std::chars_format::fixed, d);
    const std::string_view digits(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const std::size_t point = d > 0 ? digits.find('.') : digits.size();
    std::string_view whole = digits.substr(0, point);
    const std::string_view fraction = d > 0 ? digits.substr(point + 1) : std::string_view();

    int length = (negative ? 1 : 0) + static_cast<int>(whole.size()) + 1 + d;
    // The zero before the point is optional and goes first when space is short,
    // but only when decimals follow: F2.0 writes 0.4 as "0.", never ".".
    if (length > w && whole == "0" && d > 0) {
        whole = {};
        --length;
    }
    if (length > w) return AppendStars(out, w);
    out.append(static_cast<std::size_t>(w - length), ' ');
    if (negative) out.push_back('-');
    out.append(whole);
    out.push_back('.');
    out.append(fraction);
}

// Exponent form 0.d1d2...dd followed by the exponent field.  Without an
// exponent width the field is "E+dd" up to 99 and "+ddd" (letter dropped)
// from 100 to 999; with Ee it is the letter, the sign and e digits, and the
// whole field is asterisks when the exponent needs more digits.
void AppendE(std::string& out, double v, int w, int d, int e, char letter) {
    CheckWidth(w, "E");
    if (d < 1) Fail("Ew.d needs d >= 1");
    if (e == 0 || e < -1 || e > 8) Fail("Ew.dEe needs 1 <= e <= 8");
    if (!std::isfinite(v)) return AppendInfNan(out, v, w);
    const bool negative = std::signbit(v);

    // d significant digits: the scientific form with d-1 decimals, "D.DDDe+XX".
    std::array<char, 160> stack;
    std::string heap;
    char* buffer = stack.data();
    std::size_t capacity = stack.size();
    if (static_cast<std::size_t>(d) + 16 > capacity) {
        heap.resize(static_cast<std::size_t>(d) + 16);
        buffer = heap.data();
        capacity = heap.size();
    }
    // The d digits of the mantissa: `lead` and then `rest` (or d zeros).
    int exponent = 0;
    char lead = '0';
    std::string_view rest;
    if (v != 0.0) {
        const auto r = std::to_chars(buffer, buffer + capacity, std::fabs(v),
                                     std::chars_format::scientific, d - 1);
        const std::string_view text(buffer, static_cast<std::size_t>(r.ptr - buffer));
        const std::size_t mark = text.find('e');
        lead = text[0];
        if (d > 1) rest = text.substr(2, mark - 2);
        // D.DDD x 10^X is 0.DDDD x 10^(X+1); to_chars always writes the sign.
        int power = 0;
        for (std::size_t i = mark + 2; i < text.size(); ++i) power = power * 10 + (text[i] - '0');
        exponent = (text[mark + 1] == '-' ? -power : power) + 1;
    }

    const int magnitude = std::abs(exponent);
    std::array<char, 12> field{};
    std::size_t fieldLength = 0;
    const char sign = exponent < 0 ? '-' : '+';
    std::array<char, 8> expDigits{};
    const auto er = std::to_chars(expDigits.data(), expDigits.data() + expDigits.size(), magnitude);
    const int expCount = static_cast<int>(er.ptr - expDigits.data());
    int width = 0;       // digits of the exponent field
    bool withLetter = true;
    if (e < 0) {
        if (magnitude <= 99) {
            width = 2;
        } else if (magnitude <= 999) {
            width = 3;
            withLetter = false;
        } else {
            return AppendStars(out, w);
        }
    } else {
        if (expCount > e) return AppendStars(out, w);
        width = e;
    }
    if (withLetter) field[fieldLength++] = letter;
    field[fieldLength++] = sign;
    for (int i = expCount; i < width; ++i) field[fieldLength++] = '0';
    for (int i = 0; i < expCount; ++i) field[fieldLength++] = expDigits[static_cast<std::size_t>(i)];

    int length = (negative ? 1 : 0) + 2 + d + static_cast<int>(fieldLength);
    bool leadingZero = true;
    if (length > w) {  // the zero before the point is optional
        leadingZero = false;
        --length;
    }
    if (length > w) return AppendStars(out, w);
    out.append(static_cast<std::size_t>(w - length), ' ');
    if (negative) out.push_back('-');
    if (leadingZero) out.push_back('0');
    out.push_back('.');
    if (v == 0.0) {
        out.append(static_cast<std::size_t>(d), '0');
    } else {
        out.push_back(lead);
        out.append(rest);
    }
    out.append(field.data(), fieldLength);
}

// Byte offset after the first n characters of UTF-8 text (or its size).
std::size_t Utf8Prefix(std::string_view text, int n) {
    std::size_t i = 0;
    for (int count = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == n) return i;
            ++count;
        }
    }
    return i;
}

int Utf8Length(std::string_view text) {
    int count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

// Aw: the leftmost w characters of a longer text, a shorter one
// right-justified; A alone writes the text at its own length.
void AppendA(std::string& out, std::string_view text, int w) {
    if (w < 0) {
        out.append(text);
        return;
    }
    CheckWidth(w, "A");
    const int length = Utf8Length(text);
    if (length >= w) {
        out.append(text.substr(0, Utf8Prefix(text, w)));
        return;
    }
    out.append(static_cast<std::size_t>(w - length), ' ');
    out.append(text);
}

void AppendL(std::string& out, bool v, int w) {
    CheckWidth(w, "L");
    out.append(static_cast<std::size_t>(w - 1), ' ');
    out.push_back(v ? 'T' : 'F');
}

// ---------------------------------------------------------------------------
// Edit-list parsing

enum class Op : unsigned char { Data, Literal, Blanks, Slash, Open, Close };

struct Item {
    Op op = Op::Data;
    char code = 0;        // I, F, E, D, A or L for data items
    char quote = 0;       // delimiter of a literal
    int repeat = 1;       // repeat count; blank count of nX
    int w = -1;
    int d = -1;           // decimals; the minimum digit count m of Iw.m
    int e = -1;           // exponent digits of Ew.dEe
    int partner = -1;     // Open: index of its Close; Close: index of its Open
    std::string_view text;  // literal body (quotes still doubled) or descriptor source
};

// Item storage that lives on the stack for the edit lists of the reports
// and spills to the heap only for unusually long ones.
class ItemList {
public:
    std::size_t size() const { return size_; }
    Item& operator[](std::size_t i) { return i < fixed_.size() ? fixed_[i] : more_[i - fixed_.size()]; }
    const Item& operator[](std::size_t i) const {
        return i < fixed_.size() ? fixed_[i] : more_[i - fixed_.size()];
    }
    void push(const Item& item) {
        if (size_ < fixed_.size()) {
            fixed_[size_] = item;
        } else {
            more_.push_back(item);
        }
        ++size_;
    }

private:
    std::array<Item, 96> fixed_;
    std::vector<Item> more_;
    std::size_t size_ = 0;
};

constexpr int kMaxDepth = 32;
constexpr int kMaxNumber = 99999;

class Parser {
public:
    Parser(std::string_view list, ItemList& items) : s_(list), items_(items) {}

    void parse() {
        std::array<int, kMaxDepth> open{};
        int depth = 0;
        while (true) {
            skipSeparators();
            if (i_ >= s_.size()) break;
            const std::size_t start = i_;
            const char c = s_[i_];
            Item item;
            if (c == '\'' || c == '"') {
                item = literal();
            } else if (c == '(') {
                ++i_;
                item.op = Op::Open;
            } else if (c == ')') {
                ++i_;
                if (depth == 0) fail("a \")\" closes no group");
                item.op = Op::Close;
                item.partner = open[static_cast<std::size_t>(--depth)];
                items_[static_cast<std::size_t>(item.partner)].partner = static_cast<int>(items_.size());
            } else if (c == '/') {
                ++i_;
                item.op = Op::Slash;
            } else if (IsDigit(c)) {
                const int count = number();
                if (count < 1) fail("a repeat count must be at least 1");
                if (i_ >= s_.size()) fail("a repeat count ends the list");
                const char next = s_[i_];
                if (next == '(') {
                    ++i_;
                    item.op = Op::Open;
                } else if (next == 'X' || next == 'x') {
                    ++i_;
                    item.op = Op::Blanks;
                } else if (next == '/') {
                    ++i_;
                    item.op = Op::Slash;
                } else {
                    item = data();
                }
                item.repeat = count;
            } else if (c == 'X' || c == 'x') {
                ++i_;
                item.op = Op::Blanks;
            } else {
                item = data();
            }
            if (item.op == Op::Open) {
                if (depth == kMaxDepth) fail("groups are nested too deeply");
                open[static_cast<std::size_t>(depth++)] = static_cast<int>(items_.size());
            }
            if (item.op == Op::Data) item.text = s_.substr(start, i_ - start);
            items_.push(item);
        }
        if (depth != 0) fail("a \"(\" is not closed");
    }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    [[noreturn]] void fail(const std::string& what) const {
        Fail("edit list \"" + std::string(s_) + "\": " + what);
    }

    void skipSeparators() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == ',' || s_[i_] == '\t')) ++i_;
    }

    int number() {
        if (i_ >= s_.size() || !IsDigit(s_[i_])) fail("a number is missing");
        int value = 0;
        while (i_ < s_.size() && IsDigit(s_[i_])) {
            value = value * 10 + (s_[i_++] - '0');
            if (value > kMaxNumber) fail("a number is too large");
        }
        return value;
    }

    bool take(char upper) {
        if (i_ < s_.size() && (s_[i_] == upper || s_[i_] == upper - 'A' + 'a')) {
            ++i_;
            return true;
        }
        return false;
    }

    Item literal() {
        Item item;
        item.op = Op::Literal;
        item.quote = s_[i_++];
        const std::size_t start = i_;
        while (true) {
            if (i_ >= s_.size()) fail("a text literal is not closed");
            if (s_[i_] == item.quote) {
                // A doubled delimiter stands for one delimiter character.
                if (i_ + 1 < s_.size() && s_[i_ + 1] == item.quote) {
                    i_ += 2;
                    continue;
                }
                break;
            }
            ++i_;
        }
        item.text = s_.substr(start, i_ - start);
        ++i_;
        return item;
    }

    Item data() {
        Item item;
        item.op = Op::Data;
        const char c = s_[i_];
        const char code = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        ++i_;
        item.code = code;
        switch (code) {
        case 'I':
            item.w = number();
            if (take('.')) item.d = number();
            if (item.w < 1) fail("I needs a width of at least 1");
            if (item.d > item.w) fail("Iw.m needs m <= w");
            break;
        case 'F':
            item.w = number();
            if (!take('.')) fail("F needs the form Fw.d");
            item.d = number();
            if (item.w < 1) fail("F needs a width of at least 1");
            break;
        case 'E':
        case 'D':
            item.w = number();
            if (!take('.')) fail(std::string(1, code) + " needs the form " + code + "w.d");
            item.d = number();
            if (code == 'E' && i_ + 1 < s_.size() && (s_[i_] == 'E' || s_[i_] == 'e') &&
                IsDigit(s_[i_ + 1])) {
                ++i_;
                item.e = number();
                if (item.e < 1 || item.e > 8) fail("Ew.dEe needs 1 <= e <= 8");
            }
            if (item.w < 1) fail(std::string(1, code) + " needs a width of at least 1");
            if (item.d < 1) fail(std::string(1, code) + "w.d needs d >= 1");
            break;
        case 'A':
            if (i_ < s_.size() && IsDigit(s_[i_])) {
                item.w = number();
                if (item.w < 1) fail("A needs a width of at least 1");
            }
            break;
        case 'L':
            item.w = number();
            if (item.w < 1) fail("L needs a width of at least 1");
            break;
        default:
            fail("unsupported edit descriptor \"" + std::string(1, c) + "\"");
        }
        return item;
    }

    std::string_view s_;
    ItemList& items_;
    std::size_t i_ = 0;
};

// ---------------------------------------------------------------------------
// Edit-list execution

const char* KindName(EditArg::Kind kind) {
    switch (kind) {
    case EditArg::Kind::Integer: return "an integer";
    case EditArg::Kind::Real: return "a real";
    case EditArg::Kind::Text: return "a text";
    }
    return "a value";
}

// Builds the records.  Blanks from nX are held back until something follows
// them in the record: X positions at the end of a record write nothing.
class RecordWriter {
public:
    explicit RecordWriter(std::vector<std::string>& records) : records_(records) {}

    std::string& field() {
        current_.append(static_cast<std::size_t>(pendingBlanks_), ' ');
        pendingBlanks_ = 0;
        return current_;
    }
    void blanks(int n) { pendingBlanks_ += n; }
    void endRecord() {
        records_.push_back(std::move(current_));
        current_.clear();
        pendingBlanks_ = 0;
    }

private:
    std::vector<std::string>& records_;
    std::string current_;
    int pendingBlanks_ = 0;
};

void AppendLiteral(std::string& out, const Item& item) {
    const std::string_view text = item.text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out.push_back(text[i]);
        if (text[i] == item.quote) ++i;  // skip the second of a doubled delimiter
    }
}

void WriteField(std::string& out, const Item& item, const EditArg& value, std::size_t index) {
    const auto need = [&](EditArg::Kind kind) {
        if (value.kind() != kind) {
            Fail("edit descriptor " + std::string(item.text) + " cannot write " + KindName(value.kind()) +
                 " (value " + std::to_string(index + 1) + ")");
        }
    };
    switch (item.code) {
    case 'I':
        need(EditArg::Kind::Integer);
        AppendI(out, value.integer(), item.w, item.d);
        break;
    case 'F':
        need(EditArg::Kind::Real);
        AppendF(out, value.real(), item.w, item.d);
        break;
    case 'E':
    case 'D':
        need(EditArg::Kind::Real);
        AppendE(out, value.real(), item.w, item.d, item.e, item.code);
        break;
    case 'A':
        need(EditArg::Kind::Text);
        AppendA(out, value.text(), item.w);
        break;
    case 'L':
        need(EditArg::Kind::Integer);
        AppendL(out, value.integer() != 0, item.w);
        break;
    default:
        Fail("unsupported edit descriptor");
    }
}

void Run(std::string_view list, const EditArg* values, std::size_t count, std::vector<std::string>& records) {
    ItemList items;
    Parser(list, items).parse();

    // A list written in parentheses: the outer pair is not a group.
    std::size_t begin = 0;
    std::size_t end = items.size();
    if (end >= 2 && items[0].op == Op::Open && items[0].repeat == 1 &&
        items[0].partner == static_cast<int>(end) - 1) {
        begin = 1;
        end -= 1;
    }

    // Reversion restarts at the last top-level group, with its repeat count,
    // or at the start of the list when it has no group.
    std::size_t reversion = begin;
    for (std::size_t i = begin; i < end; ++i) {
        if (items[i].op == Op::Open) {
            reversion = i;
            i = static_cast<std::size_t>(items[i].partner);
        }
    }
    bool dataInList = false;
    bool dataInReversion = false;
    for (std::size_t i = begin; i < end; ++i) {
        if (items[i].op != Op::Data) continue;
        dataInList = true;
        if (i >= reversion) dataInReversion = true;
    }

    struct Frame {
        std::size_t open;
        int passesLeft;
    };
    std::array<Frame, kMaxDepth> frames{};
    int depth = 0;

    RecordWriter out(records);
    std::size_t next = 0;  // next value
    std::size_t pos = begin;
    while (true) {
        if (pos == end) {
            if (next == count) break;
            if (!dataInList) Fail("edit list \"" + std::string(list) + "\" has no data descriptor for its values");
            if (!dataInReversion) {
                Fail("edit list \"" + std::string(list) + "\" has no data descriptor to revert to");
            }
            out.endRecord();
            pos = reversion;
            depth = 0;
            continue;
        }
        const Item& item = items[pos];
        switch (item.op) {
        case Op::Open:
            frames[static_cast<std::size_t>(depth++)] = {pos, item.repeat - 1};
            ++pos;
            break;
        case Op::Close: {
            Frame& frame = frames[static_cast<std::size_t>(depth - 1)];
            if (frame.passesLeft > 0) {
                --frame.passesLeft;
                pos = frame.open + 1;
            } else {
                --depth;
                ++pos;
            }
            break;
        }
        case Op::Literal:
            AppendLiteral(out.field(), item);
            ++pos;
            break;
        case Op::Blanks:
            out.blanks(item.repeat);
            ++pos;
            break;
        case Op::Slash:
            for (int k = 0; k < item.repeat; ++k) out.endRecord();
            ++pos;
            break;
        case Op::Data:
            for (int k = 0; k < item.repeat; ++k) {
                if (next == count) {  // the first descriptor without a value ends the output
                    out.endRecord();
                    return;
                }
                WriteField(out.field(), item, values[next], next);
                ++next;
            }
            ++pos;
            break;
        }
    }
    out.endRecord();
}

}  // namespace

std::vector<std::string> EditRecords(std::string_view editList, const std::vector<EditArg>& values) {
    std::vector<std::string> records;
    Run(editList, values.data(), values.size(), records);
    return records;
}

std::string Edit(std::string_view editList, std::initializer_list<EditArg> values) {
    std::vector<std::string> records;
    Run(editList, values.begin(), values.size(), records);
    std::string joined = std::move(records.front());
    for (std::size_t i = 1; i < records.size(); ++i) {
        joined.push_back('\n');
        joined.append(records[i]);
    }
    return joined;
}

std::string FormatI(long long v, int w, int m) {
    std::string out;
    AppendI(out, v, w, m);
    return out;
}

std::string FormatF(double v, int w, int d) {
    std::string out;
    AppendF(out, v, w, d);
    return out;
}

std::string FormatE(double v, int w, int d, int e, char letter) {
    std::string out;
    AppendE(out, v, w, d, e, letter);
    return out;
}

std::string FormatA(std::string_view text, int w) {
    std::string out;
    AppendA(out, text, w);
    return out;
}

std::string FormatL(bool v, int w) {
    std::string out;
    AppendL(out, v, w);
    return out;
}

std::string FreeLine(const std::vector<EditArg>& values) {
    std::string out;
    out.reserve(values.size() * 24);
    std::array<char, 40> buffer{};
    for (const EditArg& value : values) {
        out.push_back(' ');
        switch (value.kind()) {
        case EditArg::Kind::Integer: {
            const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value.integer());
            out.append(buffer.data(), r.ptr);
            break;
        }
        case EditArg::Kind::Real: {
            // Shortest digits that read back to the same double.
            const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value.real());
            const std::string_view text(buffer.data(), static_cast<std::size_t>(r.ptr - buffer.data()));
            out.append(text);
            // "1" would read as an integer: make every real look like one.
            if (text.find_first_of(".en") == std::string_view::npos) out.append(".0");
            break;
        }
        case EditArg::Kind::Text:
            out.append(value.text());
            break;
        }
    }
    return out;
}

}  // namespace torvex::io
