#include "forms/file_locations_form.h"

#include "core/app_state.h"
#include "form_refusal.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>
#include <tuple>

class FileLocationsFormTest : public ::testing::Test {
protected:
    FileLocationsFormTest() {
        prefix.Write("system.reg", "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n"
                                   "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\"
                                   "NASCAR Racing 3.exe] 1700000000\r\n\"Path\"=\"C:\\\\Sims\\\\N3\"\r\n");
        Server = std::make_unique<SERVER>();
        Server->PathN3 = "C:\\Old\\N3\\";
        Server->CalendarFileN3 = "C:\\Old\\N3\\all.cal";
        Server->PathNL = PathNotFound;
    }

    ScopedProgramFolder program;
    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
};

// The eight paths are checked in their order, the read-only ones as the settings file gave them.
TEST_F(FileLocationsFormTest, TheFirstPathLongerThan512CharactersIsRefused) {
    const std::string tooLong(513, 'x');
    // The stored N3 calendar, the typed program paths, and the field refused.
    const std::tuple<const char*, std::string, Typed, const char*> rows[] = {
        {"program path", "", {{"path_n3", tooLong}}, "path_n3"},
        {"a stored file path, before the NL program path", tooLong, {{"path_nl", tooLong}}, "calendar_n3"},
        {"the NL program path last, after 512 characters",
         "",
         {{"path_n3", std::string(512, 'x')}, {"path_nl", tooLong}},
         "path_nl"},
    };
    for (const auto& [name, calendarN3, typed, key] : rows) {
        SCOPED_TRACE(name);
        Server->CalendarFileN3 = calendarN3;
        EXPECT_EQ(Refused(FileLocationsForm(), typed),
                  std::string(key) + ": Please enter no more than 512 characters.");
    }
}

// Restoring shows the registry's path and every other field as the form holds it; nothing is stored.
TEST_F(FileLocationsFormTest, OnlyTheProgramPathsChangeAndNeitherRestoringNorAcceptingStoresThem) {
    FileLocationsForm form;
    form.Enter("calendar_n3", {0, "typed"});
    EXPECT_EQ(form.Value("calendar_n3").text, "C:\\Old\\N3\\all.cal");
    form.Enter("path_nl", {0, "D:\\Typed\\"});
    form.RestoreFromRegistry(SimulatorN3);
    EXPECT_EQ(form.Value("path_n3").text, "C:\\Sims\\N3");
    EXPECT_EQ(form.Value("path_nl").text, "Path not found");
    form.RestoreFromRegistry(SimulatorNL);
    EXPECT_EQ(form.Value("path_nl").text, "Path not found");
    form.Enter("path_nl", {0, "C:\\Sims\\Nl\\"});
    EXPECT_EQ(form.Accept(), std::nullopt);
    EXPECT_EQ(form.Paths().PathN3, "C:\\Sims\\N3");
    EXPECT_EQ(form.Paths().PathNL, "C:\\Sims\\Nl\\");
    EXPECT_EQ(Server->PathN3, "C:\\Old\\N3\\");
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}
