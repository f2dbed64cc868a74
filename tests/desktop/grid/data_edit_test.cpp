// The numeric edit: its label, limits, exit check with messages, Enter and
// the operator keys.
#include "grid/data_edit.h"
#include "grid/expression.h"
#include "grid/unit_codes.h"
#include "widget_test_support.h"

#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace torvex::test;

namespace {

class DataEdit : public ::testing::Test {
protected:
    MessageRecorder messages;
    QWidget form;
    QLabel* label = new QLabel(&form);
    TDataEdit* edit = new TDataEdit(&form);
    QLineEdit* other = new QLineEdit(&form);

    void SetUp() override {
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(label);
        layout->addWidget(edit);
        layout->addWidget(other);
        edit->SetEditLabel(label);
        Activate(&form);
    }
    void Type(const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

TEST_F(DataEdit, LabelShowsCaptionAndUnitOfTheSystem) {
    edit->SetCaption("Free Height of Wall");
    edit->SetUnitsString("L2");
    const struct {
        int units;
        const char* text;
    } cases[] = {{1, "Free Height of Wall (ft)"}, {2, "Free Height of Wall (m)"}, {3, "Free Height of Wall (L2)"},
                 {0, "Free Height of Wall (ft)"}, {7, "Free Height of Wall (L2)"}};
    for (const auto& c : cases) {
        edit->SetUnits(c.units);
        EXPECT_EQ(label->text(), QString::fromLatin1(c.text)) << c.units;
    }
    edit->SetUnitsString("");
    EXPECT_EQ(label->text(), QStringLiteral("Free Height of Wall"));
    edit->setEnabled(false);
    EXPECT_FALSE(label->isEnabled());
    edit->setEnabled(true);
    EXPECT_TRUE(label->isEnabled());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(DataEdit, ExitCheckMessagesAndLimitReplacement) {
    const struct {
        bool integerOnly;
        const char* typed;
        const char* message;
        const char* textAfter;
        bool valid;
    } cases[] = {
        {false, "46", "Entry must be less than or equal to 45", "45", false},
        {false, "-50", "Entry must be greater than or equal to -45", "-45", false},
        {false, "12*3", "", "36", true},
        {false, "abc", torvex::kEvalInvalidCharacters, "abc", false},
        {false, "", torvex::kEvalBlank, "", false},
        {true, "3.5", "Entry must be an integer.", "3.5", false},
        {true, "abc", "Entry must be a valid integer.", "abc", false},
        {true, "7/2*2", "", "7", true},
    };
    for (const auto& c : cases) {
        edit->SetIntegerOnly(c.integerOnly);
        edit->SetMinVal(-45);
        edit->SetMaxVal(45);
        messages.Clear();
        edit->setText(QString::fromLatin1(c.typed));
        EXPECT_EQ(edit->Validate(), c.valid) << c.typed;
        EXPECT_EQ(messages.Last(), QString::fromLatin1(c.message)) << c.typed;
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.textAfter)) << c.typed;
        EXPECT_EQ(edit->IsValid(), c.valid);
    }
    // After a limit replacement the next check passes.
    edit->setText("46");
    EXPECT_FALSE(edit->Validate());
    EXPECT_TRUE(edit->Validate());
    EXPECT_EQ(edit->Number(), 45.0);
}

TEST_F(DataEdit, LeavingTheEditChecksItAndKeepsTheFocus) {
    edit->SetMaxVal(10);
    Type("11");
    other->setFocus();
    Settle();
    EXPECT_EQ(messages.Last(), QStringLiteral("Entry must be less than or equal to 10"));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
}

TEST_F(DataEdit, EnterChecksAndSelectsTheText) {
    Type("2*sqrt(2)");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), QStringLiteral("2.8284271247461901"));  // 18 digits
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_TRUE(edit->IsValid());
    // An operator typed over the whole selected value extends it.
    edit->setText("12");
    edit->selectAll();
    QTest::keyClicks(edit, "*3");
    EXPECT_EQ(edit->text(), QStringLiteral("12*3"));
    edit->selectAll();
    QTest::keyClicks(edit, "5");  // a digit replaces the selection
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
}

TEST_F(DataEdit, LimitsClampTheNumber) {
    edit->SetNumber(100);
    edit->SetMaxVal(50);
    EXPECT_EQ(edit->Number(), 50.0);
    edit->SetMinVal(60);  // raised above the maximum: becomes the maximum
    EXPECT_EQ(edit->MinVal(), 50.0);
    edit->SetMinVal(-1e300);
    edit->SetIntegerOnly(true);
    EXPECT_EQ(edit->MinVal(), -2147483648.0);
    edit->SetNumber(-5e9);
    EXPECT_EQ(edit->Number(), -2147483648.0);
    edit->SetNumber(1e300);
    EXPECT_EQ(edit->Number(), 50.0);
}

TEST_F(DataEdit, DefaultRangeRefusesValuesBeyondTheStoredType) {
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    edit->setText("1E300*1E300");
    EXPECT_FALSE(edit->Validate());
    EXPECT_TRUE(messages.Last().startsWith("Entry must be less than or equal to 1.797693134862315"));
    EXPECT_TRUE(edit->Validate());
    EXPECT_EQ(edit->Number(), 1.7976931348623157e308);

    // A limit that has no short decimal form also passes after replacement.
    edit->SetMaxVal(0.1);
    edit->setText("0.2");
    EXPECT_FALSE(edit->Validate());
    EXPECT_TRUE(edit->Validate());
    EXPECT_EQ(edit->Number(), 0.1);
}

TEST_F(DataEdit, HexShowsFourDigitsAtLeast) {
    edit->SetHex(true);
    edit->SetNumber(31);
    EXPECT_EQ(edit->text(), QStringLiteral("$001F"));
    edit->SetNumber(70000.4);
    EXPECT_EQ(edit->text(), QStringLiteral("$11170"));
    EXPECT_EQ(edit->Number(), 70000.0);
    edit->SetNumber(-1);
    EXPECT_EQ(edit->Number(), -1.0);
}

}  // namespace
