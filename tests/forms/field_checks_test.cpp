#include "forms/field_checks.h"
#include "forms/windows_text_check.h"

#include <gtest/gtest.h>
#include <tuple>

TEST(ReadIntegerField, TakesBlanksASignAndDigitsAndNothingElse) {
    EXPECT_EQ(ReadIntegerField("  -7 \t"), -7);
    EXPECT_EQ(ReadIntegerField("+15"), 15);
    EXPECT_EQ(ReadIntegerField("007 "), 7);
    for (const char* refused : {"", "   ", "-", "+ 5", "5 5", "12a", "1.5", "0x10", "--3", "５"})
        EXPECT_EQ(ReadIntegerField(refused), std::nullopt) << '"' << refused << '"';
    // A zero must begin with its digit after the blanks.
    EXPECT_EQ(ReadIntegerField("\t 00 "), 0);
    EXPECT_EQ(ReadIntegerField("-0"), std::nullopt);
    EXPECT_EQ(ReadIntegerField(" +0"), std::nullopt);
}

TEST(ReadIntegerField, OnlyTheFirst31CharactersCountAndBigNumbersStopAtTheBound) {
    EXPECT_EQ(ReadIntegerField("12" + std::string(29, ' ') + "x"), 12);
    EXPECT_EQ(ReadIntegerField(std::string(30, ' ') + "34"), 3);
    EXPECT_EQ(ReadIntegerField("2147483647"), 2147483647);
    EXPECT_EQ(ReadIntegerField("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadIntegerField("-99999999999999999999"), -2147483647 - 1);
}

TEST(CheckDateField, RewritesAcceptedDatesAndGivesTheFirstReason) {
    const std::string grossly = "Grossly invalid date - valid entries are 01/01/2000 through 12/31/2038.";
    // What is typed, what the field holds afterwards, and why it is refused.
    const std::tuple<const char*, const char*, std::optional<std::string>> rows[] = {
        {"1/2/2000", "01/02/2000", std::nullopt},
        {"02/30/2000", "02/30/2000", std::nullopt},
        {"12//31-/2038", "12/31/2038", std::nullopt},
        {"1/2/200", "1/2/200", "Enter the date in the following format - MM/DD/YYYY"},
        {"01.02.2000", "01.02.2000", "You can onlu enter digits, '/' and '-' in this field."},
        {"01/02/00", "01/02/00", "You must enter a 4-digit year."},
        {"13/01/2000", "13/01/2000", grossly},
        {"/01/02/2000", "/01/02/2000", grossly}};
    for (auto [typed, stored, reason] : rows) {
        std::string date = typed;
        EXPECT_EQ(CheckDateField(date), reason) << typed;
        EXPECT_EQ(date, stored);
    }
}

// The dialogs' refusals check only the start of these; the limits and names are put in here.
TEST(FieldMessages, SayTheLimitOrWhatTheFieldCannotHold) {
    int value = 0;
    EXPECT_EQ(CheckIntegerField("44", 1, 43, value)->text, "Please enter an integer between 1 and 43.");
    EXPECT_EQ(CheckIntegerField("warm", 40, 95, value)->text, "Please enter an integer.");
    EXPECT_EQ(CheckTextLength("thirteen-char", 12)->text, "Please enter no more than 12 characters.");
    EXPECT_EQ(CheckQuotedText("pit,lane", "race password", true)->text,
              "The race password cannot hold a comma, a single quote or a line end.");
    EXPECT_EQ(CheckQuotedText("Bob's", "host name", false)->text,
              "The host name cannot hold a single quote or a line end.");
    EXPECT_EQ(CheckWindowsText("\u03A3", "admin password")->text,
              "The admin password can only hold characters of the Western European Windows character set.");
    EXPECT_EQ(TimingTimeReason(TimeFault::Minutes),
              "Invalid number of minute entered.  Enter 0-59 minutes AFTER the colon.");
}

// A missing colon is the dialogs' to prove.
TEST(CheckTimeField, HoursBeforeTheColonAndMinutesAfterIt) {
    for (const char* accepted : {"12:59", "0:00", " 7:30pm", "11:"})
        EXPECT_EQ(CheckTimeField(accepted), std::nullopt) << accepted;
    EXPECT_EQ(CheckTimeField("-1:00"), TimeFault::Hours);
    EXPECT_EQ(CheckTimeField("13:00"), TimeFault::Hours);
    EXPECT_EQ(CheckTimeField("12:60"), TimeFault::Minutes);
    EXPECT_EQ(RaceTimeReason(TimeFault::Hours),
              "Invalid number of hours entered.  Enter 0-12 hours BEFORE the colon.");
    EXPECT_EQ(RaceTimeReason(TimeFault::Minutes),
              "Invalid number of minutes entered.  Enter 0-59 minutes AFTER the colon.");
}
