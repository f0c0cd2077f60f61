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

TEST(ReadIntegerField, AZeroMustBeginWithItsDigitAfterTheBlanks) {
    EXPECT_EQ(ReadIntegerField("0 "), 0);
    EXPECT_EQ(ReadIntegerField("00"), 0);
    EXPECT_EQ(ReadIntegerField(" 0"), 0);
    EXPECT_EQ(ReadIntegerField("\t 00 "), 0);
    EXPECT_EQ(ReadIntegerField("-0"), std::nullopt);
    EXPECT_EQ(ReadIntegerField(" +0"), std::nullopt);
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

TEST(CheckTextLength, RefusesATextOfMoreCharactersThanTheLimit) {
    EXPECT_FALSE(CheckTextLength("twelve chars", 12));
    EXPECT_FALSE(CheckTextLength("", 12));
    // Characters count, not their bytes; a byte that is no UTF-8 counts as one.
    EXPECT_FALSE(
        CheckTextLength("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u20ac", 12));
    EXPECT_TRUE(
        CheckTextLength("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u20acx", 12));
    EXPECT_EQ(FieldLength("\xe9t\xc3\xa9\xe2\x82"), 5u);
    std::optional<Message> problem = CheckTextLength("thirteen char", 12);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, "Please enter no more than 12 characters.");
    EXPECT_EQ(problem->icon, MessageIcon::Warning);
}

TEST(CheckDateField, RewritesAcceptedDatesAndGivesTheFirstReason) {
    for (auto [typed, stored] : {std::pair{"1/2/2000", "01/02/2000"},
                                 {"01-02-2000", "01/02/2000"},
                                 {"02/30/2000", "02/30/2000"},
                                 {"12//31-/2038", "12/31/2038"}}) {
        std::string date = typed;
        EXPECT_EQ(CheckDateField(date), std::nullopt) << typed;
        EXPECT_EQ(date, stored);
    }
    const std::string grossly = "Grossly invalid date - valid entries are 01/01/2000 through 12/31/2038.";
    for (auto [typed, reason] :
         {std::pair<const char*, std::string>{"1/2/200", "Enter the date in the "
                                                         "following format - MM/DD/YYYY"},
          {"01.02.2000", "You can onlu enter digits, '/' and '-' in this field."},
          {"1/2/00", "Enter the date in the following format - MM/DD/YYYY"},
          {"01/02/00", "You must enter a 4-digit year."},
          {"01/02/20000", "You must enter a 4-digit year."},
          {"13/01/2000", grossly},
          {"01/01/2039", grossly},
          {"00/10/2000", grossly},
          {"01/32/1999", grossly},
          {"/01/02/2000", grossly},
          {"01022000", "You must enter a 4-digit year."}}) {
        std::string date = typed;
        EXPECT_EQ(CheckDateField(date), reason) << typed;
        EXPECT_EQ(date, typed);
    }
}

TEST(CheckTimeField, HoursBeforeTheColonAndMinutesAfterIt) {
    for (const char* accepted : {"12:59", "0:00", "6:5", " 7:30pm", "11:"})
        EXPECT_EQ(CheckTimeField(accepted), std::nullopt) << accepted;
    for (const char* missing : {":30", "1230", ""})
        EXPECT_EQ(CheckTimeField(missing), TimeFault::MissingColon) << missing;
    EXPECT_EQ(CheckTimeField("13:00"), TimeFault::Hours);
    EXPECT_EQ(CheckTimeField("-1:00"), TimeFault::Hours);
    EXPECT_EQ(CheckTimeField("12:60"), TimeFault::Minutes);
    EXPECT_EQ(RaceTimeReason(TimeFault::Minutes),
              "Invalid number of minutes entered.  Enter 0-59 minutes AFTER the colon.");
}

TEST(CheckQuotedText, RefusesQuotesAndLineEndsAndCommasWhereAsked) {
    EXPECT_EQ(CheckQuotedText("pit-lane 7", "race password", true), std::nullopt);
    EXPECT_EQ(CheckQuotedText("a,b", "host name", false), std::nullopt);
    for (const char* refused : {"it's", "two\nlines", "cr\r"}) {
        std::optional<Message> problem = CheckQuotedText(refused, "host name", false);
        ASSERT_TRUE(problem) << refused;
        EXPECT_EQ(problem->text, "The host name cannot hold a single quote or a line end.");
        EXPECT_EQ(problem->icon, MessageIcon::Warning);
    }
    std::optional<Message> comma = CheckQuotedText("a,b", "race password", true);
    ASSERT_TRUE(comma);
    EXPECT_EQ(comma->text, "The race password cannot hold a comma, a single quote or a line end.");
}
