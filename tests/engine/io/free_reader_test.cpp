// Free-format reading of the engine's input: separators, reads that span
// lines, text lines, line ends, number forms and the messages of bad input.
#include "io/free_reader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace torvex::io {
namespace {

FreeReader ReaderOf(std::string_view text) {
    FreeReader reader;
    reader.openText(text, "problem.tx5d");
    return reader;
}

TEST(FreeReader, SeparatesValuesByBlanksCommasAndTabs) {
    FreeReader reader = ReaderOf("  1, 2\t3 ,4,,5\t,\t6 -7.5,8.25\n");
    reader.beginRead("VALUES");
    std::vector<long long> integers;
    for (int i = 0; i < 6; ++i) integers.push_back(reader.readInteger("n"));
    EXPECT_EQ(integers, (std::vector<long long>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(reader.readReal("x"), -7.5);
    EXPECT_EQ(reader.readReal("y"), 8.25);
}

TEST(FreeReader, ContinuesAReadOverLinesAndSkipsTheRestOfTheLastLine) {
    FreeReader reader = ReaderOf("1 2\n\n   \n3 4 5\n6\n");
    reader.beginRead("FIRST");
    EXPECT_EQ(reader.readInt("a"), 1);
    EXPECT_EQ(reader.readInt("b"), 2);
    EXPECT_EQ(reader.lineNumber(), 1);
    EXPECT_EQ(reader.readInt("c"), 3);  // empty and blank lines are passed over
    EXPECT_EQ(reader.lineNumber(), 4);
    reader.beginRead("SECOND");  // 4 and 5 are left on line 4 and skipped
    EXPECT_EQ(reader.readInt("d"), 6);
    EXPECT_EQ(reader.lineNumber(), 5);
    EXPECT_TRUE(reader.atEnd());
}

TEST(FreeReader, TextReadTakesTheWholeNextLine) {
    FreeReader reader = ReaderOf("  Wall A, stage 1  \n1 2 rest of line\nSecond title\n\n7\n");
    EXPECT_EQ(reader.readLine("TITLE"), "  Wall A, stage 1  ");  // blanks and commas kept
    reader.beginRead("COUNTS");
    EXPECT_EQ(reader.readInt("n"), 1);
    EXPECT_EQ(reader.readLine("TITLE"), "Second title");  // not the remainder of line 2
    EXPECT_EQ(reader.lineNumber(), 3);
    EXPECT_EQ(reader.readLine("EMPTY"), "");
    EXPECT_FALSE(reader.atEnd());
    reader.beginRead("LAST");
    EXPECT_EQ(reader.readInt("m"), 7);
}

TEST(FreeReader, AcceptsLfCrLfAndCrLineEnds) {
    const struct {
        const char* what;
        const char* text;
    } cases[] = {
        {"LF", "Title\n1 2 9\n3\n"},
        {"CR LF", "Title\r\n1 2 9\r\n3\r\n"},
        {"CR", "Title\r1 2 9\r3\r"},
        {"mixed, no final line end", "Title\r\n1 2 9\r3"},
    };
    for (const auto& c : cases) {
        FreeReader reader = ReaderOf(c.text);
        EXPECT_EQ(reader.readLine("TITLE"), "Title") << c.what;
        reader.beginRead("A");
        EXPECT_EQ(reader.readInt("a"), 1) << c.what;
        EXPECT_EQ(reader.readInt("b"), 2) << c.what;
        reader.beginRead("B");
        EXPECT_EQ(reader.readInt("c"), 3) << c.what;
        EXPECT_EQ(reader.lineNumber(), 3) << c.what;
        EXPECT_TRUE(reader.atEnd()) << c.what;
    }
}

TEST(FreeReader, SplitLinesKeepsEmptyLinesButAddsNoneForAFinalLineEnd) {
    EXPECT_EQ(SplitLines("a\r\n\r\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(FreeReader, ReadingPastTheEndNamesTheLineRecordAndItem) {
    FreeReader reader = ReaderOf("Title\n1 2\n\n");
    reader.readLine("TITLE");
    reader.beginRead("NODES");
    reader.readInt("first");
    reader.readInt("second");
    try {
        reader.readInt("NINC");
        FAIL() << "no error at the end of the data";
    } catch (const InputError& e) {
        EXPECT_EQ(e.file(), "problem.tx5d");
        EXPECT_EQ(e.line(), 3);
        const std::string message = e.what();
        EXPECT_NE(message.find("item 3"), std::string::npos) << message;
        EXPECT_NE(message.find("NINC"), std::string::npos) << message;
        EXPECT_NE(message.find("NODES"), std::string::npos) << message;
    }
    try {
        reader.readLine("TITLE2");
        FAIL() << "no error for a text read at the end";
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find("TITLE2"), std::string::npos) << e.what();
    }
}

TEST(FreeReader, TextWhereANumberBelongsNamesTheLineAndItem) {
    const struct {
        bool integer;
        const char* text;
    } cases[] = {{true, "1\n2 abc 4\n"}, {false, "1\n2 abc 4\n"}};
    for (const auto& c : cases) {
        FreeReader reader = ReaderOf(c.text);
        reader.beginRead("SOIL");
        reader.readInt("KSOIL");
        reader.readInt("LAYERS");
        try {
            if (c.integer) {
                reader.readInt("NPTS");
            } else {
                reader.readReal("DEPTH");
            }
            FAIL() << "\"abc\" was accepted as a number";
        } catch (const InputError& e) {
            EXPECT_EQ(e.line(), 2);
            const std::string message = e.what();
            EXPECT_NE(message.find("item 3"), std::string::npos) << message;
            EXPECT_NE(message.find(c.integer ? "NPTS" : "DEPTH"), std::string::npos) << message;
            EXPECT_NE(message.find("\"abc\""), std::string::npos) << message;
        }
    }
}

TEST(FreeReader, IntegersAcceptOnlyDigitsWithASign) {
    for (const char* good : {"0", "+5", "-7", "2147483647", "-2147483648"}) {
        FreeReader reader = ReaderOf(good);
        reader.beginRead("N");
        EXPECT_EQ(reader.readInteger("n"), std::stoll(good)) << good;
    }
    for (const char* bad : {"3.0", "3.", "1E3", "3x", "+", "-", "2147483648", "99999999999999999999"}) {
        FreeReader reader = ReaderOf(bad);
        reader.beginRead("N");
        EXPECT_THROW(reader.readInt("n"), InputError) << bad;
    }
}

TEST(FreeReader, RealsAcceptTheListDirectedForms) {
    const struct {
        const char* text;
        double value;
    } good[] = {
        {"3", 3.0},          {"-3", -3.0},        {"1.5D3", 1500.0},   {"1.5d3", 1500.0},
        {"1.5E-3", 0.0015},  {"1.5e+3", 1500.0},  {".5", 0.5},         {"5.", 5.0},
        {"-.5", -0.5},       {"+2.5", 2.5},       {"1.5+03", 1500.0},  {"1.5-3", 0.0015},
        {"0.1", 0.1},        {"1.5Q2", 150.0},    {"1e-400", 0.0},     {"4.9e-324", 4.9e-324},
        {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const auto& c : good) {
        FreeReader reader = ReaderOf(c.text);
        reader.beginRead("X");
        EXPECT_EQ(reader.readReal("x"), c.value) << c.text;
    }
    for (const char* bad : {"abc", ".", "1.5E", "1.5E3x", "1e999", "1..5", "--1", "inf", "nan", "1.5.3", "e5"}) {
        FreeReader reader = ReaderOf(bad);
        reader.beginRead("X");
        EXPECT_THROW(reader.readReal("x"), InputError) << bad;
    }
}

TEST(FreeReader, ReadsRealsTheSameUnderADecimalCommaLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    bool changed = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE", "German_Germany.1252"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            changed = true;
            break;
        }
    }
    if (!changed) GTEST_SKIP() << "no locale with a decimal comma is installed";
    FreeReader reader = ReaderOf("1.5 2.25E1\n");
    reader.beginRead("X");
    const double a = reader.readReal("a");
    const double b = reader.readReal("b");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(a, 1.5);
    EXPECT_EQ(b, 22.5);
}

TEST(FreeReader, OpensFilesFromDisk) {
    const torvex::test::TempDir dir;
    FreeReader reader;
    EXPECT_FALSE(reader.open(dir.file("missing.tx5d")));
    EXPECT_FALSE(reader.isOpen());

    torvex::test::WriteFile(dir.file("wall.tx5d"), "Wall\r\n 10 0.5\r\n");
    ASSERT_TRUE(reader.open(dir.file("wall.tx5d")));
    EXPECT_EQ(reader.name(), dir.file("wall.tx5d"));
    EXPECT_EQ(reader.readLine("TITLE"), "Wall");
    reader.beginRead("GEOMETRY");
    EXPECT_EQ(reader.readInt("NINC"), 10);
    EXPECT_EQ(reader.readReal("INCLEN"), 0.5);
    EXPECT_TRUE(reader.atEnd());
}

}  // namespace
}  // namespace torvex::io
