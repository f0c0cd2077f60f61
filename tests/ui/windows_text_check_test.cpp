#include "ui/support/stored_text.h"
#include "ui/support/windows_text_check.h"

#include <gtest/gtest.h>

TEST(WindowsTextCheck, TextsForTheSimulatorsRefuseCharactersWindows1252CannotHold) {
    EXPECT_FALSE(CheckWindowsText("Caf\u00E9 \u00F8\u00F1\u00DF\u20AC", "host name"));
    for (const char* text : {"\u03A3", "\u0416ora", "\U0001F3C1"}) {
        std::optional<Message> problem = CheckWindowsText(text, "host name");
        ASSERT_TRUE(problem) << text;
        EXPECT_EQ(problem->text,
                  "The host name can only hold characters of the Western European Windows character set.");
        EXPECT_EQ(problem->icon, MessageIcon::Warning);
    }
}

TEST(StoredText, AFieldLeftAsShownKeepsItsStoredBytes) {
    EXPECT_EQ(EditedText("Caf\xE9", "Caf\u00E9"), "Caf\xE9");
    EXPECT_EQ(EditedText("Caf\xE9", "Caf\u00E9!"), "Caf\u00E9!");
    EXPECT_EQ(EditedText("Caf\u00E9", "Caf\u00E9"), "Caf\u00E9");
}
