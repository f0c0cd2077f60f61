#include "startup/installation_check.h"

#include "core/app_state.h"
#include "schedule/countdown.h"
#include "startup/startup.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"
#include "support/tiny_pe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An installation as the check finds it, as data: what differs from a good one.
struct Installation {
    const char* name;
    std::optional<std::string> wine{}; // the script on the search path; "": none; nothing: a good one
    std::optional<std::string> exe{};  // the bytes of N3's program; "": none; nothing: 32-bit Windows
    std::vector<std::string> gone{};   // files and folders removed
    std::string readOnly{};            // a file that may not be written
    bool nlOnly = false;               // NASCAR Racing 3 is not in the registry
    bool display = true;
    bool xvfb = false; // xvfb-run is on the search path
    int events = 1;
    std::vector<std::string> lines{};  // what the report holds: whole lines end in "\n"
    std::vector<std::string> absent{}; // what it does not hold
};

// A Wine prefix whose registry names both simulators, each folder holding a 32-bit Windows program, a
// calendar of two tracks and an options.cfg; a program folder with the template and the launchers; a
// search path of the test's own; fixed clock.
class InstallationCheckTest : public ::testing::Test {
protected:
    void Install(const Installation& row) {
        std::filesystem::remove_all(prefix.File("drive_c"));
        std::string registry = "WINE REGISTRY Version 2\n\n";
        for (std::string sim : {"N3", "NL"}) {
            prefix.Write("drive_c/Sims/" + sim + "/all.cal",
                         std::string(13, ' ') + "ashford\n" + std::string(13, ' ') + "bayview\n");
            prefix.Write("drive_c/Sims/" + sim + "/options.cfg", std::string(200, '\0'));
            if (sim != "N3" || !row.nlOnly)
                registry += "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\NASCAR " +
                            std::string(sim == "N3" ? "Racing 3" : "Legends") +
                            ".exe]\n\"Path\"=\"C:\\\\Sims\\\\" + sim + "\"\n";
        }
        prefix.Write("system.reg", registry);
        if (row.exe != "")
            prefix.Write(n3Exe, row.exe.value_or(TinyPe(0x014C)));
        prefix.Write("drive_c/Sims/NL/Nascar Legends.exe", TinyPe(0x014C));
        program.Write("Quorvahtml.html", "<html>\n");
        program.Write("quorva-launch32.exe", TinyPe(0x014C));
        program.Write("quorva-launch64.exe", TinyPe(0x8664));
        std::filesystem::remove(program.SettingsFile());
        SetTool("wine", row.wine.value_or(
                            "#!/bin/sh\n[ \"$1\" = --version ] && echo 'wine-8.0 (Fake)' && exit 0\n"
                            "echo \"$1 ${QUORVA_COMMAND_LINE-unset}\" >>'" +
                            bin.File("wine.log") +
                            "'\ncase \"$1\" in *quorva-launch32.exe) echo 'quorva-launch: runs as a "
                            "32-bit Windows program';;\n*) echo 'wrong launcher' >&2; exit 1;; esac\n"));
        SetTool("xvfb-run", row.xvfb ? "#!/bin/sh\n" : "");
        for (const std::string& file : row.gone)
            std::filesystem::remove_all(file);
        if (!row.readOnly.empty())
            chmod(row.readOnly.c_str(), 0444);
    }

    // Puts a script on the search path; none for an empty script.
    void SetTool(const std::string& name, const std::string& script) const {
        bin.Write(name, script);
        chmod(bin.File(name).c_str(), 0755);
        if (script.empty())
            std::filesystem::remove(bin.File(name));
    }

    static void Expect(const InstallationReport& report, const std::string& text, bool held = true) {
        EXPECT_EQ(FormatReport(report).find(text) != std::string::npos, held) << text << FormatReport(report);
    }

    const std::string n3Exe = "drive_c/Sims/N3/Nascar Racing 3.exe";
    ScopedProgramFolder program;
    TempFolder prefix;
    std::string prefixPath = prefix.Path().substr(0, prefix.Path().size() - 1);
    std::string sims = prefixPath + "/drive_c/Sims/";
    ScopedEnv wine{"WINEPREFIX", prefixPath.c_str()};
    TempFolder bin;
    std::string binPath = bin.Path().substr(0, bin.Path().size() - 1);
    ScopedEnv path{"PATH", binPath.c_str()};
    ScopedEnv display{"DISPLAY", ":42"};
    // The launcher is to run without a command line of its own, whatever Quorva's environment holds.
    ScopedEnv commandLine{"QUORVA_COMMAND_LINE", "\"sim.exe\""};
    MessageRecorder recorder;
    std::time_t now = 1'800'000'000;
};

} // namespace

TEST_F(InstallationCheckTest, EachPointOfTheInstallationIsReportedWithWhatToDo) {
    const std::string ok3 = "  ok    NASCAR Racing 3: ", fail3 = "  FAIL  NASCAR Racing 3: ";
    const std::string exe = prefix.File(n3Exe), noLauncher = program.File("quorva-launch32.exe");
    const std::string program3 = fail3 + "program C:\\Sims\\N3\\Nascar Racing 3.exe (" + exe + ")";
    const std::string key =
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NASCAR Racing 3.exe";
    const std::string notInstalled =
        "NASCAR Racing 3: not installed (the registry has no value Path under " + key + ")";
    const Installation rows[] = {
        {.name = "a good installation",
         .lines =
             {ok3 + "program C:\\Sims\\N3\\Nascar Racing 3.exe (" + exe +
                  "): a 32-bit Windows program, run through Wine\n",
              ok3 + "Wine " + bin.File("wine") + ", wine-8.0 (Fake)\n", ok3 + "Wine uses the display :42\n",
              "  ok    NASCAR Legends: Wine runs 32-bit Windows programs in the prefix " + prefixPath + "\n",
              "  ok    NASCAR Legends: calendar C:\\Sims\\NL\\all.cal (" + sims + "NL/all.cal), 2 tracks\n",
              "  ok    Schedule: 1 event\n", "  ok    Wine prefix " + prefixPath + "\n",
              "  warn  Admin password: still the default \"kelp\", which anyone may know; change it in "
              "\"Server Info...\", or without a display set AdminPassword in [SERVER] of " +
                  program.File("Quorvadata.ini") + " while Quorva is not running\n"}},
        {.name = "no Wine", .wine = "", .lines = {fail3 + "Wine is not installed (no wine on PATH)"}},
        // Debian's wine without wine32 may exit 0 having run nothing; Wine's debug lines are left out.
        {.name = "no wine32, status 0",
         .wine =
             "#!/bin/sh\n[ \"$1\" = --version ] && echo wine-8.0 && exit 0\necho 0024:err:module:x failed\n"
             "echo one\necho 0024:fixme:x y >&2; echo 'wine: could not load kernel32.dll'\n",
         .lines =
             {fail3 + "Wine cannot run 32-bit Windows programs in the prefix " + prefixPath +
              " (it exited with status 0): install wine32 (as root: dpkg --add-architecture i386 && apt-get "
              "update && apt-get install wine32:i386), then update the prefix with: wineboot -u\n"
              "          one\n          wine: could not load kernel32.dll\n"}},
        {.name = "no program",
         .exe = "",
         .lines = {program3 + " not found: install the simulator there, or set ExeFileN3 in the settings "
                              "file to its program's name\n"},
         .absent = {"3: Wine"}},
        {.name = "a text for a program",
         .exe = "Nascar Racing 3\r\n",
         .lines = {program3 +
                   " is neither a Windows nor a Linux program: put the simulator's own program there\n"}},
        {.name = "a script that may not run",
         .exe = "#!/bin/sh\n",
         .lines = {program3 + ": a Linux program without permission to run: chmod +x '" + exe + "'\n"}},
        {.name = "files that cannot be used",
         .gone = {prefix.File("drive_c/Sims/N3/all.cal"), noLauncher, program.File("Quorvahtml.html")},
         .readOnly = prefix.File("drive_c/Sims/NL/options.cfg"),
         .display = false,
         .lines = {fail3 + "calendar C:\\Sims\\N3\\all.cal (" + sims +
                       "N3/all.cal) not found: the simulator takes its tracks from it; set CalendarFileN3 in "
                       "the settings file\n",
                   "  warn  NASCAR Legends: options.cfg (" + sims +
                       "NL/options.cfg) cannot be written (access denied): Server Info cannot give the "
                       "simulator its connection types; give the user running Quorva write access to it\n",
                   fail3 + "Wine cannot be tried: its check program " + noLauncher +
                       " is missing from the program folder; build Quorva again\n",
                   fail3 + "Wine needs a display: DISPLAY is not set and xvfb-run is not installed",
                   // Results pages are off in a new installation: the template is only missed.
                   "  warn  Results template " + program.File("Quorvahtml.html") +
                       " is missing, needed once results pages are on; copy Quorvahtml.html from Quorva's "
                       "data folder\n"}},
        {.name = "a simulator's folder gone",
         .gone = {prefix.File("drive_c/Sims/NL")},
         .lines = {"  FAIL  NASCAR Legends: folder C:\\Sims\\NL\\ (PathNL in the settings file) is " + sims +
                       "NL/, which does not exist: set PathNL in " + program.SettingsFile() +
                       " to the simulator's folder while Quorva is not running\n",
                   "  FAIL  NASCAR Legends: folder " + sims +
                       "NL/ cannot be written (file not found): the event files go there; give the user "
                       "running Quorva write access to it\n"}},
        {.name = "a virtual display",
         .display = false,
         .xvfb = true,
         .lines = {ok3 + "DISPLAY is not set: Wine runs on a virtual display of its own (" +
                   bin.File("xvfb-run") + " -a)\n"}},
        {.name = "a simulator not installed",
         .nlOnly = true,
         .events = 0,
         .lines = {"  ok    " + notInstalled + "\n", "  FAIL  Schedule: no events: add them"}},
        {.name = "a simulator not installed that the schedule uses",
         .nlOnly = true,
         .lines = {"  FAIL  " + notInstalled +
                   ", yet 1 event of the schedule uses it: register its folder with: wine reg add \"" + key +
                   "\" /v Path /t REG_SZ /d \"C:\\Sims\\N3\" /f\n"}},
    };
    for (const Installation& row : rows) {
        SCOPED_TRACE(row.name);
        Install(row);
        ScopedEnv noDisplay("DISPLAY", row.display ? ":42" : nullptr);
        StartUp();
        for (int k = 0; k < row.events; ++k)
            EventList.push_back(std::make_unique<RACE>());
        InstallationReport report = CheckInstallation(now);
        for (const std::string& line : row.lines)
            Expect(report, line);
        for (const std::string& text : row.absent)
            Expect(report, text, false);
        ShutDown();
    }
}

// A dated schedule runs the events whose date and time are still ahead.
TEST_F(InstallationCheckTest, TheDatedScheduleAndThePassword) {
    Install({});
    StartUp();
    CheckInstallation(now);
    // Wine is tried once per width, with our launcher.
    EXPECT_EQ(bin.Read("wine.log"), program.File("quorva-launch32.exe") + " unset\n");
    Server->AdminPassword = "secret";
    Server->Timing = TimingSpecific;
    for (const char* date : {"01/01/2020", "12/31/2099"}) {
        EventList.push_back(std::make_unique<RACE>());
        EventList.back()->Date = date;
        EventList.back()->Time = "8:00";
    }
    InstallationReport report = CheckInstallation(now);
    Expect(report, "  ok    Admin password: changed from the default\n");
    Expect(report, "  ok    Schedule: dated events, 1 of 2 still ahead\n");
    EXPECT_TRUE(report.Ready());
    EventList.back()->Date = "01/02/2020";
    Expect(CheckInstallation(now),
           "  FAIL  Schedule: dated events, 0 of 2 still ahead: give events later dates or "
           "times with \"Create/Edit Schedule...\"\n");
}

// Without either simulator, start-up ends before the settings file; there is no schedule to check. A
// prefix that is missing or another user's is no prefix Wine takes.
TEST_F(InstallationCheckTest, NoSimulatorSettingsFileOrPrefix) {
    prefix.Write("system.reg", "WINE REGISTRY Version 2\n\n");
    EXPECT_FALSE(StartUp());
    InstallationReport report = CheckInstallation(now);
    Expect(report,
           "  FAIL  Settings file " + program.SettingsFile() +
               " cannot be read (file not found): Quorva makes it at its first start with a simulator "
               "installed\n");
    Expect(report, "Schedule", false);
    if (chown(prefixPath.c_str(), geteuid() + 1, static_cast<gid_t>(-1)) == 0)
        Expect(CheckInstallation(now),
               "  FAIL  Wine prefix " + prefixPath + " belongs to another user (uid " +
                   std::to_string(geteuid() + 1) +
                   "), and Wine refuses it: run Quorva as that user, or set WINEPREFIX to "
                   "a prefix of this user's own\n");
    ScopedEnv missing("WINEPREFIX", prefix.File("missing").c_str());
    Expect(CheckInstallation(now), "  FAIL  Wine prefix " + prefix.File("missing") +
                                       " does not exist: set WINEPREFIX to the prefix the simulators are "
                                       "installed in (a new one is made with: wineboot -i)\n");
}

// How a report prints is proven by the checks above and quorva-run's; here, the verdict's counts.
TEST(InstallationReportTest, TheVerdictCountsFailuresAndWarnings) {
    InstallationReport report;
    report.lines = {
        {CheckStatus::Failure, "a", {}}, {CheckStatus::Failure, "b", {}}, {CheckStatus::Warning, "c", {}}};
    EXPECT_EQ(VerdictText(report), "Not ready: 2 points fail (1 warning); put them right and check again.");
    report.lines = {{CheckStatus::Ok, "a", {}}};
    EXPECT_EQ(VerdictText(report), "Ready: everything a schedule needs is in place.");
}
