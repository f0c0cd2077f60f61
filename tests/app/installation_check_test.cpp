#include "app/installation_check.h"

#include "app/startup.h"
#include "core/app_state.h"
#include "schedule/countdown.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"
#include "support/tiny_pe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string wine32Missing = "it looks like wine32 is missing, you should install it.";
const std::string installWine32 =
    "install wine32 (as root: dpkg --add-architecture i386 && apt-get update && "
    "apt-get install wine32:i386), then update the prefix with: wineboot -u";

// Answers --version, and runs our launcher as Wine with wine32 would: it logs what it was asked to run.
std::string GoodWine(const std::string& log) {
    return "#!/bin/sh\n"
           "if [ \"$1\" = --version ]; then echo 'wine-8.0 (Fake)'; exit 0; fi\n"
           "echo \"$1 ${QUORVA_COMMAND_LINE-unset}\" >>'" +
           log +
           "'\n"
           "case \"$1\" in *quorva-launch32.exe) echo 'quorva-launch: runs as a 32-bit Windows program';;\n"
           "*) echo 'wrong launcher' >&2; exit 1;; esac\n";
}

std::string WineWithout32(int status) {
    return "#!/bin/sh\n"
           "if [ \"$1\" = --version ]; then echo 'wine-8.0 (Fake)'; exit 0; fi\n"
           "echo '" +
           wine32Missing + "' >&2\nexit " + std::to_string(status) + "\n";
}

// A Wine prefix whose registry names both simulators, each folder holding a 32-bit Windows program, a
// calendar of two tracks and an options.cfg; a program folder with the template and the launchers; a
// search path of the test's own; fixed clock.
class InstallationCheckTest : public ::testing::Test {
protected:
    InstallationCheckTest() {
        Register("NASCAR Racing 3.exe", "N3");
        Register("NASCAR Legends.exe", "NL");
        for (const char* sim : {"N3", "NL"}) {
            std::string folder = std::string("drive_c/Sims/") + sim + "/";
            std::filesystem::create_directories(prefix.File(folder));
            prefix.Write(folder + "all.cal",
                         std::string(13, ' ') + "ashford\n" + std::string(13, ' ') + "bayview\n");
            prefix.Write(folder + "options.cfg", std::string(200, '\0'));
        }
        prefix.Write("drive_c/Sims/N3/Nascar Racing 3.exe", TinyPe(0x014C));
        prefix.Write("drive_c/Sims/NL/Nascar Legends.exe", TinyPe(0x014C));
        prefix.Write("system.reg", "WINE REGISTRY Version 2\n\n" + registry);
        program.Write("Quorvahtml.html", "<html>\n");
        program.Write("quorva-launch32.exe", TinyPe(0x014C));
        program.Write("quorva-launch64.exe", TinyPe(0x8664));
        SetWine(GoodWine(bin.File("wine.log")));
    }

    void Register(const std::string& program, const std::string& sim) {
        registry += "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\" + program +
                    "]\n\"Path\"=\"C:\\\\Sims\\\\" + sim + "\"\n";
    }

    void SetWine(const std::string& script) const { SetTool("wine", script); }

    void SetTool(const std::string& name, const std::string& script) const {
        bin.Write(name, script);
        chmod(bin.File(name).c_str(), 0755);
    }

    // Start-up, with that many events in the schedule, and the check.
    InstallationReport Check(int events = 0) {
        EXPECT_TRUE(StartUp());
        for (int k = 0; k < events; ++k)
            EventList.push_back(std::make_unique<RACE>());
        return CheckInstallation(now);
    }

    // The line whose text begins so; a failed expectation when there is none.
    static CheckLine Line(const InstallationReport& report, const std::string& start) {
        for (const CheckLine& line : report.lines)
            if (line.text.starts_with(start))
                return line;
        ADD_FAILURE() << "no line begins with " << start << "\n" << FormatReport(report);
        return {};
    }

    static bool HasLine(const InstallationReport& report, const std::string& start) {
        return std::any_of(report.lines.begin(), report.lines.end(),
                           [&](const CheckLine& line) { return line.text.starts_with(start); });
    }

    ScopedProgramFolder program;
    TempFolder prefix;
    std::string prefixPath = prefix.Path().substr(0, prefix.Path().size() - 1);
    ScopedEnv wine{"WINEPREFIX", prefixPath.c_str()};
    TempFolder bin;
    std::string binPath = bin.Path().substr(0, bin.Path().size() - 1);
    ScopedEnv path{"PATH", binPath.c_str()};
    ScopedEnv display{"DISPLAY", ":42"};
    // The launcher is to run without a command line of its own, whatever Quorva's environment holds.
    ScopedEnv commandLine{"QUORVA_COMMAND_LINE", "\"sim.exe\""};
    MessageRecorder recorder;
    std::time_t now = 1'800'000'000;
    std::string registry;
};

} // namespace

TEST_F(InstallationCheckTest, AGoodInstallationIsReadyAndWineIsTriedOncePerWidth) {
    InstallationReport report = Check(1);
    EXPECT_TRUE(report.Ready()) << FormatReport(report);
    EXPECT_EQ(report.Count(CheckStatus::Warning), 1);
    std::string sims = prefixPath + "/drive_c/Sims/";
    EXPECT_EQ(Line(report, "NASCAR Racing 3: program").text,
              "NASCAR Racing 3: program C:\\Sims\\N3\\Nascar Racing 3.exe (" + sims +
                  "N3/Nascar Racing 3.exe): a 32-bit Windows program, run through Wine");
    EXPECT_EQ(Line(report, "NASCAR Racing 3: Wine ").text,
              "NASCAR Racing 3: Wine " + bin.File("wine") + ", wine-8.0 (Fake)");
    EXPECT_EQ(Line(report, "NASCAR Legends: Wine runs").text,
              "NASCAR Legends: Wine runs 32-bit Windows programs in the prefix " + prefixPath);
    EXPECT_EQ(Line(report, "NASCAR Legends: calendar").text,
              "NASCAR Legends: calendar C:\\Sims\\NL\\all.cal (" + sims + "NL/all.cal), 2 tracks");
    EXPECT_EQ(Line(report, "NASCAR Racing 3: Wine uses").text, "NASCAR Racing 3: Wine uses the display :42");
    EXPECT_EQ(Line(report, "Schedule").text, "Schedule: 1 event");
    EXPECT_EQ(bin.Read("wine.log"), program.File("quorva-launch32.exe") + " unset\n");
    EXPECT_EQ(VerdictText(report), "Ready: everything a schedule needs is in place (1 warning).");
}

TEST_F(InstallationCheckTest, WineThatCannotRunTheProgramSaysWhatToDo) {
    struct Case {
        const char* name;
        std::string wine; // empty: no wine on the search path
        std::string text;
        std::vector<std::string> said;
    };
    const std::string cannot =
        "NASCAR Racing 3: Wine cannot run 32-bit Windows programs in the prefix " + prefixPath;
    const Case cases[] = {
        {"no Wine",
         "",
         "NASCAR Racing 3: Wine is not installed (no wine on PATH): install it (as root: dpkg "
         "--add-architecture i386 && apt-get update && apt-get install wine32:i386 wine wine64)",
         {}},
        {"no wine32, status 1",
         WineWithout32(1),
         cannot + " (it exited with status 1): " + installWine32,
         {wine32Missing}},
        // Debian's wine without wine32 may exit 0 having run nothing.
        {"no wine32, status 0",
         WineWithout32(0),
         cannot + " (it exited with status 0): " + installWine32,
         {wine32Missing}},
        {"debug lines left out",
         "#!/bin/sh\n[ \"$1\" = --version ] && echo wine-8.0 && exit 0\necho "
         "0024:err:module:load_wow64_ntdll failed\necho one; echo two; echo three\n"
         "echo 0024:fixme:x y >&2; echo 'wine: could not load kernel32.dll, status c0000135'\n"
         "echo 0030:warn:z >&2; exit 53\n",
         cannot + " (it exited with status 53): " + installWine32,
         {"one", "two", "three", "wine: could not load kernel32.dll, status c0000135"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(bin.File("wine"));
        if (!c.wine.empty())
            SetWine(c.wine);
        InstallationReport report = Check();
        CheckLine line = Line(report, c.text.substr(0, 30));
        EXPECT_EQ(line.status, CheckStatus::Failure);
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(line.said, c.said);
        EXPECT_FALSE(report.Ready());
        ShutDown();
    }
}

TEST_F(InstallationCheckTest, AProgramThatIsNotThereOrNoProgramFailsWithoutAskingWine) {
    struct Case {
        const char* name;
        std::string bytes; // nothing: no file
        std::string found;
    };
    std::string exe = prefix.File("drive_c/Sims/N3/Nascar Racing 3.exe");
    const Case cases[] = {
        {"missing", "",
         " not found: install the simulator there, or set ExeFileN3 in the settings file to its "
         "program's name"},
        {"text", "Nascar Racing 3\r\n",
         " is neither a Windows nor a Linux program: put the simulator's own program there"},
        {"script that may not run", "#!/bin/sh\n",
         ": a Linux program without permission to run: chmod +x '" + exe + "'"},
    };
    SetWine(WineWithout32(1));
    prefix.Write("drive_c/Sims/NL/Nascar Legends.exe", "#!/bin/sh\n");
    chmod(prefix.File("drive_c/Sims/NL/Nascar Legends.exe").c_str(), 0755);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(exe);
        if (!c.bytes.empty())
            prefix.Write("drive_c/Sims/N3/Nascar Racing 3.exe", c.bytes);
        InstallationReport report = Check(1);
        CheckLine line = Line(report, "NASCAR Racing 3: program");
        EXPECT_EQ(line.status, CheckStatus::Failure);
        EXPECT_EQ(line.text,
                  "NASCAR Racing 3: program C:\\Sims\\N3\\Nascar Racing 3.exe (" + exe + ")" + c.found);
        EXPECT_FALSE(HasLine(report, "NASCAR Racing 3: Wine"));
        EXPECT_TRUE(
            Line(report, "NASCAR Legends: program").text.ends_with("a Linux program, started directly"));
        EXPECT_EQ(report.Count(CheckStatus::Failure), 1);
        ShutDown();
    }
}

TEST_F(InstallationCheckTest, TheScheduleAndThePassword) {
    InstallationReport report = Check();
    EXPECT_EQ(Line(report, "Schedule").status, CheckStatus::Failure);
    EXPECT_EQ(Line(report, "Schedule").text, "Schedule: no events: add them with the windowed program's "
                                             "\"Server Info...\", \"Create/Edit Schedule...\"");
    EXPECT_FALSE(report.Ready());
    EXPECT_EQ(Line(report, "Admin password").status, CheckStatus::Warning);
    EXPECT_EQ(
        Line(report, "Admin password").text,
        "Admin password: still the default \"kelp\", which anyone may know; change it in \"Server Info...\"");

    // A dated schedule runs the events whose date and time are still ahead.
    Server->AdminPassword = "secret";
    Server->Timing = TimingSpecific;
    for (const char* date : {"01/01/2020", "12/31/2099"}) {
        EventList.push_back(std::make_unique<RACE>());
        EventList.back()->Date = date;
        EventList.back()->Time = "8:00";
    }
    report = CheckInstallation(now);
    EXPECT_EQ(Line(report, "Admin password").text, "Admin password: changed from the default");
    EXPECT_EQ(Line(report, "Schedule: 2").status, CheckStatus::Ok);
    EXPECT_EQ(Line(report, "Schedule: dated").text, "Schedule: dated events, 1 of 2 still ahead");
    EXPECT_TRUE(report.Ready());

    EventList.back()->Date = "01/02/2020";
    report = CheckInstallation(now);
    EXPECT_EQ(Line(report, "Schedule: dated").text,
              "Schedule: dated events, 0 of 2 still ahead: give events later "
              "dates or times with \"Create/Edit Schedule...\"");
    EXPECT_EQ(Line(report, "Schedule: dated").status, CheckStatus::Failure);
}

TEST_F(InstallationCheckTest, FilesThatCannotBeUsed) {
    std::filesystem::remove(prefix.File("drive_c/Sims/N3/all.cal"));
    chmod(prefix.File("drive_c/Sims/NL/options.cfg").c_str(), 0444);
    std::filesystem::remove(program.File("quorva-launch32.exe"));
    std::filesystem::remove(program.File("Quorvahtml.html"));
    ScopedEnv noDisplay("DISPLAY", nullptr);
    InstallationReport report = Check();
    std::string sims = prefixPath + "/drive_c/Sims/";
    EXPECT_EQ(Line(report, "NASCAR Racing 3: calendar").text,
              "NASCAR Racing 3: calendar C:\\Sims\\N3\\all.cal (" + sims +
                  "N3/all.cal) not found: the simulator takes its tracks from it; set CalendarFileN3 in the "
                  "settings "
                  "file");
    CheckLine options = Line(report, "NASCAR Legends: options.cfg");
    EXPECT_EQ(options.status, CheckStatus::Warning);
    EXPECT_EQ(options.text,
              "NASCAR Legends: options.cfg (" + sims +
                  "NL/options.cfg) cannot be written (access denied): Server Info cannot give the "
                  "simulator its connection types; give the user running Quorva write access to it");
    EXPECT_EQ(Line(report, "NASCAR Racing 3: Wine cannot").text,
              "NASCAR Racing 3: Wine cannot be tried: its check program " +
                  program.File("quorva-launch32.exe") +
                  " is missing from the program folder; build Quorva again");
    EXPECT_EQ(
        Line(report, "NASCAR Racing 3: Wine needs").text,
        "NASCAR Racing 3: Wine needs a display: DISPLAY is not set and xvfb-run is not installed; install it "
        "(as root: apt-get install xvfb)");
    // Results pages are off in a new installation: the template is only missed.
    EXPECT_EQ(Line(report, "Results template").status, CheckStatus::Warning);
    EXPECT_EQ(report.Count(CheckStatus::Failure), 6);

    ShutDown();
    SetTool("xvfb-run", "#!/bin/sh\n");
    report = Check();
    EXPECT_EQ(Line(report, "NASCAR Racing 3: DISPLAY").text,
              "NASCAR Racing 3: DISPLAY is not set: Wine runs on a virtual display of its own (" +
                  bin.File("xvfb-run") + " -a)");
}

TEST_F(InstallationCheckTest, ASimulatorThatIsNotInstalled) {
    registry.clear();
    Register("NASCAR Legends.exe", "NL");
    prefix.Write("system.reg", "WINE REGISTRY Version 2\n\n" + registry);
    InstallationReport report = Check();
    std::string notInstalled =
        "NASCAR Racing 3: not installed (the registry has no value Path under "
        "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NASCAR Racing 3.exe)";
    EXPECT_EQ(Line(report, "NASCAR Racing 3").status, CheckStatus::Ok);
    EXPECT_EQ(Line(report, "NASCAR Racing 3").text, notInstalled);

    EventList.push_back(std::make_unique<RACE>());
    report = CheckInstallation(now);
    EXPECT_EQ(Line(report, "NASCAR Racing 3").status, CheckStatus::Failure);
    EXPECT_EQ(Line(report, "NASCAR Racing 3").text,
              notInstalled +
                  ", yet 1 event of the schedule uses it: register its folder with: wine reg add "
                  "\"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NASCAR Racing 3.exe\" "
                  "/v Path /t REG_SZ /d \"C:\\Sims\\N3\" /f");
    ShutDown();

    // Without either, start-up ends before the settings file; there is no schedule to check.
    prefix.Write("system.reg", "WINE REGISTRY Version 2\n\n");
    std::filesystem::remove(program.SettingsFile());
    EXPECT_FALSE(StartUp());
    report = CheckInstallation(now);
    EXPECT_EQ(Line(report, "NASCAR Legends").status, CheckStatus::Failure);
    EXPECT_EQ(Line(report, "Settings file").text, "Settings file " + program.SettingsFile() +
                                                      " cannot be read (file not found): Quorva makes it at "
                                                      "its first start with a simulator installed");
    EXPECT_FALSE(HasLine(report, "Schedule"));
}

TEST_F(InstallationCheckTest, APrefixThatIsMissingOrNotThisUsers) {
    InstallationReport report = Check(1);
    EXPECT_EQ(Line(report, "Wine prefix").status, CheckStatus::Ok);
    if (chown(prefixPath.c_str(), geteuid() + 1, static_cast<gid_t>(-1)) == 0) {
        report = CheckInstallation(now);
        EXPECT_EQ(
            Line(report, "Wine prefix").text,
            "Wine prefix " + prefixPath + " belongs to another user (uid " + std::to_string(geteuid() + 1) +
                "), and Wine refuses it: run Quorva as that user, or set WINEPREFIX to a prefix of this "
                "user's own");
        EXPECT_FALSE(report.Ready());
    }
    ScopedEnv missing("WINEPREFIX", prefix.File("missing").c_str());
    report = CheckInstallation(now);
    EXPECT_EQ(
        Line(report, "Wine prefix").text,
        "Wine prefix " + prefix.File("missing") +
            " does not exist: set WINEPREFIX to the prefix the simulators are installed in (a new one is "
            "made with: wineboot -i)");
    EXPECT_EQ(Line(report, "Wine prefix").status, CheckStatus::Failure);
}

TEST(InstallationReportTest, TheReportAndItsVerdict) {
    InstallationReport report;
    report.lines = {{CheckStatus::Ok, "Wine prefix /p", {}},
                    {CheckStatus::Failure, "Wine cannot run it", {"first", "second"}},
                    {CheckStatus::Warning, "kelp", {}}};
    EXPECT_EQ(FormatReport(report), "  ok    Wine prefix /p\n"
                                    "  FAIL  Wine cannot run it\n"
                                    "          first\n"
                                    "          second\n"
                                    "  warn  kelp\n");
    EXPECT_EQ(VerdictText(report), "Not ready: 1 point fails (1 warning); put them right and check again.");
    report.lines.push_back(report.lines[1]);
    EXPECT_EQ(VerdictText(report), "Not ready: 2 points fail (1 warning); put them right and check again.");
    report.lines = {report.lines[0]};
    EXPECT_EQ(VerdictText(report), "Ready: everything a schedule needs is in place.");
    report.lines.push_back({CheckStatus::Warning, "kelp", {}});
    report.lines.push_back({CheckStatus::Warning, "template", {}});
    EXPECT_EQ(VerdictText(report), "Ready: everything a schedule needs is in place (2 warnings).");
}
