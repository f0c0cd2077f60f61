#include "ui/support/field_checks.h"

#include <gtest/gtest.h>

TEST(ReadIntegerField, TakesBlanksASignAndDigitsAndNothingElse) {
    EXPECT_EQ(ReadIntegerField("42"), 42);
    EXPECT_EQ(ReadIntegerField("  -7 \t"), -7);
    EXPECT_EQ(ReadIntegerField("+15"), 15);
    EXPECT_EQ(ReadIntegerField("0"), 0);
    EXPECT_EQ(ReadIntegerField("007 "), 7);
    for (const char* refused : {"", "   ", "-", "+ 5", "5 5", "12a", "1.5", "0x10", "--3", "５"})
        EXPECT_EQ(ReadIntegerField(refused), std::nullopt) << '"' << refused << '"';
}

TEST(ReadIntegerField, AZeroMustBeginTheFieldWithItsDigit) {
    EXPECT_EQ(ReadIntegerField("0 "), 0);
    EXPECT_EQ(ReadIntegerField("00"), 0);
    EXPECT_EQ(ReadIntegerField(" 0"), std::nullopt);
    EXPECT_EQ(ReadIntegerField("-0"), std::nullopt);
    EXPECT_EQ(ReadIntegerField("+0"), std::nullopt);
}

TEST(ReadIntegerField, OnlyTheFirst31CharactersCountAndBigNumbersStopAtTheBound) {
    std::string padded = "12" + std::string(29, ' ');
    EXPECT_EQ(ReadIntegerField(padded + "x"), 12);
    EXPECT_EQ(ReadIntegerField(std::string(30, ' ') + "34"), 3);
    EXPECT_EQ(ReadIntegerField("2147483647"), 2147483647);
    EXPECT_EQ(ReadIntegerField("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadIntegerField("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReadIntegerField("-99999999999999999999"), -2147483647 - 1);
}

TEST(CheckIntegerField, RefusesWithTheMessageOfTheFirstFailure) {
    int value = -5;
    std::optional<Message> problem = CheckIntegerField("abc", 1, 60, value);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Please enter an integer.");
    EXPECT_EQ(problem->icon, MessageIcon::None);
    EXPECT_EQ(value, -5);

    problem = CheckIntegerField("61", 1, 60, value);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Please enter an integer between 1 and 60.");
    EXPECT_EQ(problem->icon, MessageIcon::Warning);
    EXPECT_EQ(value, 61);

    EXPECT_TRUE(CheckIntegerField("0", 1, 60, value));
    EXPECT_FALSE(CheckIntegerField(" 1", 1, 60, value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(CheckIntegerField("60", 1, 60, value));
    EXPECT_EQ(CheckIntegerField("-1", 0, 60, value)->text, "Please enter an integer between 0 and 60.");
}

TEST(CheckTextLength, RefusesATextBeyondTheLimit) {
    EXPECT_FALSE(CheckTextLength("twelve chars", 12));
    EXPECT_FALSE(CheckTextLength("", 12));
    std::optional<Message> problem = CheckTextLength("thirteen char", 12);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Please enter no more than 12 characters.");
    EXPECT_EQ(problem->icon, MessageIcon::Warning);
}
