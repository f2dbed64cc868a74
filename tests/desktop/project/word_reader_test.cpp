// The token reader: tokens and lines, integers and reals with their line and
// item in the messages, the end of the file and empty lines.
#include "project/word_reader.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString MessageOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const EReadError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

TEST(WordReader, CutsTokensAtBlanksAndTabsAndKeepsRawLines) {
    // LF, CR LF and CR line ends; runs of blanks and TABs; blanks at both ends.
    TWordReader in = TWordReader::FromBytes("  A title  with blanks \r\n1 2\t\t3  \n \t4,5\r\r\n");
    EXPECT_EQ(in.LineCount(), 4);  // the CR before CR LF ends an empty line
    EXPECT_EQ(in.ReadLine(), QStringLiteral("  A title  with blanks "));
    EXPECT_EQ(in.NextToken(), QStringLiteral("1"));
    EXPECT_EQ(in.NextToken(), QStringLiteral("2"));
    EXPECT_EQ(in.NextToken(), QStringLiteral("3"));
    EXPECT_EQ(in.NextToken(), QStringLiteral("4,5"));  // only blanks and TABs cut
    EXPECT_EQ(in.LineIndex(), 2);
    // Read-line after a token returns that token's line and skips its rest.
    TWordReader again = TWordReader::FromBytes("7 8 9\nnext line\n");
    EXPECT_EQ(again.ReadInteger(), 7);
    EXPECT_EQ(again.ReadLine(), QStringLiteral("7 8 9"));
    EXPECT_EQ(again.ReadLine(), QStringLiteral("next line"));
    EXPECT_TRUE(again.AtEnd());
}

TEST(WordReader, ReadsIntegersAsRealsWithoutFractionInThe32BitRange) {
    struct Case {
        const char* token;
        bool ok;
        int value;
    } cases[] = {{"3", true, 3},           {"3.0", true, 3},          {"-0", true, 0},
                 {"1e3", true, 1000},      {"+12", true, 12},         {"-2147483648", true, -2147483647 - 1},
                 {"2147483647", true, 2147483647}, {"2147483648", false, 0}, {"3.5", false, 0},
                 {"-2.5", false, 0},       {"x1", false, 0},          {"1,0", false, 0}};
    for (const Case& c : cases) {
        TWordReader in = TWordReader::FromBytes(QByteArray("0 ") + c.token + "\n");
        in.ReadInteger();
        if (c.ok) {
            EXPECT_EQ(in.ReadInteger(), c.value) << c.token;
        } else {
            EXPECT_EQ(MessageOf([&] { in.ReadInteger(); }),
                      QStringLiteral("Error on Line 1 Item 2\rAn integer was expected but not found."))
                << c.token;
        }
    }
}

TEST(WordReader, NamesTheLineAndItemOfTheOffendingToken) {
    TWordReader in = TWordReader::FromBytes("Title\n1 0\t3.5\t0\n");
    in.ReadLine();
    in.ReadInteger();
    in.ReadInteger();
    EXPECT_EQ(MessageOf([&] { in.ReadInteger(); }),
              QStringLiteral("Error on Line 2 Item 3\rAn integer was expected but not found."));
    TWordReader real = TWordReader::FromBytes("1.5\n\n2 abc\n");
    EXPECT_EQ(real.ReadReal(), 1.5);
    real.ReadLine();
    real.ReadLine();
    EXPECT_EQ(real.ReadReal(), 2.0);
    EXPECT_EQ(MessageOf([&] { real.ReadReal(); }),
              QStringLiteral("Error on Line 3 Item 2\rA floating point number was expected but not found."));
}

TEST(WordReader, ReadsRealsWithADotWhateverTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TWordReader in = TWordReader::FromBytes("1.5 -2.25E-3 1E-5 12345678 1,5\n");
    EXPECT_EQ(in.ReadReal(), 1.5);
    EXPECT_EQ(in.ReadReal(), -0.00225);
    EXPECT_EQ(in.ReadReal(), 0.00001);
    EXPECT_EQ(in.ReadReal(), 12345678.0);
    EXPECT_THROW(in.ReadReal(), EReadError);  // the file never holds a comma
    QLocale::setDefault(saved);
}

TEST(WordReader, TheEndOfTheFileAndAnEmptyLineAreReadErrors) {
    TWordReader in = TWordReader::FromBytes("1 2\n");
    in.ReadInteger();
    in.ReadInteger();
    EXPECT_FALSE(in.AtEnd());  // still on the last line
    EXPECT_EQ(MessageOf([&] { in.NextToken(); }), QStringLiteral("This file either invalid or incomplete."));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(MessageOf([&] { in.ReadLine(); }), QStringLiteral("This file either invalid or incomplete."));

    // The next-token rule moves one line on without looking: a value expected
    // on an empty line is an error there, not a search for the next value.
    TWordReader gap = TWordReader::FromBytes("1\n\n2\n");
    gap.ReadInteger();
    EXPECT_EQ(MessageOf([&] { gap.ReadInteger(); }),
              QStringLiteral("Error on Line 2 Item 1\rA value was expected but the line is empty."));
    EXPECT_EQ(MessageOf([] { TWordReader::FromBytes("").NextToken(); }),
              QStringLiteral("This file either invalid or incomplete."));
}

TEST(WordReader, ReadsUtf8AndOlderLatin1Lines) {
    TWordReader in = TWordReader::FromBytes("Caf\xc3\xa9 wall\r\nCaf\xe9 wall\r\n");
    EXPECT_EQ(in.ReadLine(), QStringLiteral("Caf\u00e9 wall"));
    EXPECT_EQ(in.ReadLine(), QStringLiteral("Caf\u00e9 wall"));
}

TEST(WordReader, AFileThatCannotBeOpenedGivesTheSystemMessage) {
    QTemporaryDir dir;
    try {
        TWordReader in(dir.filePath("missing.tx5d"));
        ADD_FAILURE() << "a missing file was opened";
    } catch (const EFileError& e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
    QFile file(dir.filePath("wall.tx5d"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Title\r\n1 2\r\n");
    file.close();
    TWordReader in(file.fileName());
    EXPECT_EQ(in.ReadLine(), QStringLiteral("Title"));
    EXPECT_EQ(in.RemainingTokens(), 2);
}

}  // namespace
