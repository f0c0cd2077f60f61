#include "ui/support/stored_text.h"
#include "ui/support/windows_text_check.h"

#include <gtest/gtest.h>

TEST(WindowsTextCheck, TextsForTheSimulatorsRefuseCharactersWindows1252CannotHold) {
    struct Case {
        const char* name;
        std::string text;
        bool refused;
    };
    const Case cases[] = {
        {"Western European letters", "Caf\u00E9 \u00F8\u00F1\u00DF\u20AC", false},
        {"Greek", "\u03A3", true},
        {"Cyrillic", "\u0416ora", true},
        {"an emoji", "\U0001F3C1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<Message> problem = CheckWindowsText(c.text, "host name");
        EXPECT_EQ(problem.has_value(), c.refused);
        if (problem) {
            EXPECT_EQ(
                problem->text,
                "The host name can only hold characters of the Western European Windows character set.");
            EXPECT_EQ(problem->icon, MessageIcon::Warning);
        }
    }
}

TEST(StoredText, AFieldLeftAsShownKeepsItsStoredBytes) {
    EXPECT_EQ(EditedText("Caf\xE9", "Caf\u00E9"), "Caf\xE9");
    EXPECT_EQ(EditedText("Caf\xE9", "Cafe"), "Cafe");
    EXPECT_EQ(EditedText("Caf\xE9", "Caf\u00E9!"), "Caf\u00E9!");
    EXPECT_EQ(EditedText("Caf\u00E9", "Caf\u00E9"), "Caf\u00E9");
}
