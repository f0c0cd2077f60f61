#include "settings/web_settings.h"

#include "platform/profile_file.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

// The section is the web admin's own: missing keys give the defaults, and a new password hash is stored
// without touching a byte of the rest of the file.
TEST(WebSettings, MissingKeysGiveTheDefaultsAndANewHashLeavesTheRestOfTheFile) {
    ScopedProgramFolder program;
    program.Write("Quorvadata.ini", "; kept\r\n[SERVER]\r\nHostName=Oak\r\n\r\n[WEB]\r\nKey=/etc/q.key\r\n");
    WEB web = ReadWebSettings(ProfileFile(program.SettingsFile()));
    EXPECT_EQ(web, (WEB{"127.0.0.1:8640", "", "", "/etc/q.key"}));
    ASSERT_TRUE(WritePasswordHash("$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA"));
    EXPECT_EQ(program.Read("Quorvadata.ini"),
              "; kept\r\n[SERVER]\r\nHostName=Oak\r\n\r\n[WEB]\r\nKey=/etc/q.key\r\n"
              "PasswordHash=$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA\r\n");
    EXPECT_EQ(ReadWebSettings(ProfileFile(program.SettingsFile())).PasswordHash,
              "$argon2id$v=19$m=19456,t=2,p=1$c2FsdA$aGFzaA");
}
