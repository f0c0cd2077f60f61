#include "forms/file_locations_form.h"

#include "core/app_state.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

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
    struct Row {
        const char* name;
        std::string storedCalendarN3;
        std::string typedN3, typedNL;
        const char* key;
    };
    const std::string tooLong(513, 'x');
    const Row rows[] = {
        {"program path", "", tooLong, "", "path_n3"},
        {"a stored file path, before the NL program path", tooLong, "", tooLong, "calendar_n3"},
        {"the NL program path last, after 512 characters", "", std::string(512, 'x'), tooLong, "path_nl"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Server->CalendarFileN3 = row.storedCalendarN3;
        FileLocationsForm form;
        form.Enter("path_n3", {0, row.typedN3});
        form.Enter("path_nl", {0, row.typedNL});
        std::optional<FormProblem> problem = form.Accept();
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->key, row.key);
        EXPECT_EQ(problem->message.text, "Please enter no more than 512 characters.");
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
