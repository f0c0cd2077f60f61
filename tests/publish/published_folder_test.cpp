#include "publish/published_folder.h"

#include "platform/file_system.h"
#include "publish/archive_name.h"
#include "publish/json.h"
#include "support/file_size_limit.h"
#include "support/message_recorder.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// 2026-12-07 21:04:30 UTC.
constexpr std::time_t raceEnd = 1796677470;

const std::string stnRace =
    "Race Final Oak Ridge: Mile\n"
    " 2   1    7  Bo Diaz                      99    0   170               Engine      \n"
    " 1   3   12  Ann \"Lee\" <b>               100    7   180  21.500       Running     \n";

std::string Expected(const std::string& name) {
    return ReadFileBytes(std::string(QUORVA_EXPECTED_DIR) + name).bytes;
}

class PublishedFolderTest : public ::testing::Test {
protected:
    PublishedFolderTest() {
        work.Write("Quorvahtml.html", "<head><style>h1{color:red}</style></head>\n2\n");
        work.Write("evt00001.stn", stnRace);
        work.Write("evt00001.html", "<html><body class=\"x\"><h1>Oak</h1></body></html>\r\n");
        work.Write("evt00002.won", "trackname 'Oak Ridge' x '' laps '200'\n"
                                   "d 'Ann Lee' c '12' s '3' f '1' l '200' led '9' qt '1:00.0' qs '120.5' "
                                   "at '1:01.0' as '119.5' bt '0:59.0' bs '121.0' i '2' st '21'\n");
        work.Write("evt00002.html", "<body>won</body>\r\n");
    }

    // The race of the launch as the page maker leaves it: its page and its standings as read.
    RaceResults Results(int launch) {
        std::string base = "evt0000" + std::to_string(launch);
        RaceResults results{launch == 1, work.Read(base + ".html"), {}, {}};
        if (launch == 1)
            results.stn = std::make_shared<CStnFile>(work.File(base + ".stn"));
        else
            results.won = std::make_shared<CWonFile>(work.File(base + ".won"));
        return results;
    }

    auto Keep(PublishedFolder& folder, int launch, std::time_t ended) {
        return folder.KeepRace(Results(launch), ended);
    }

    ScopedTimeZone utc{"UTC"};
    TempFolder work;
    std::string published = work.File("site/");
    MessageRecorder recorder;
};

} // namespace

TEST(ArchiveName, TracksBecomeSlugsThatAnySystemTakes) {
    EXPECT_EQ(TrackSlug("  ../Bristol: Night?*"), "bristol-night");
    EXPECT_EQ(TrackSlug("*** ///"), "track");
    const std::string a30(30, 'a');
    EXPECT_EQ(TrackSlug(a30 + " " + std::string(30, 'b')), a30 + "-" + std::string(17, 'b'));
}

TEST(Json, ParsesWhatIsWellFormedAndRefusesTheRest) {
    std::optional<JsonValue> value =
        ParseJson(" {\"a\": [1, -2.5e1, true, null], \"b\": \"\\u00e9\\ud83d\\ude00\\n\\\"\"} ");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->Find("a")->items[1].number, -25);
    EXPECT_EQ(value->TextOf("b"), "\xc3\xa9\xf0\x9f\x98\x80\n\"");
    const std::pair<const char*, std::string> damaged[] = {
        {"cut short", "{\"a\": [1, 2"},
        {"trailing text", "{} x"},
        {"bare word", "{\"a\": yes}"},
        {"control character", "\"a\nb\""},
        {"deep", std::string(100, '[') + std::string(100, ']')}};
    for (const auto& [name, text] : damaged)
        EXPECT_FALSE(ParseJson(text)) << name;
    EXPECT_EQ(JsonQuoted("a\"\\\x01\n\xff"), "\"a\\\"\\\\\\u0001\\n\xef\xbf\xbd\"");
}

// The same race again in the same minute, and a NASCAR Racing 3 race: nothing kept is overwritten.
TEST_F(PublishedFolderTest, ARaceIsKeptWithItsPageStandingsAndJsonUnderANewName) {
    PublishedFolder folder(published, "Night League", work.File("Quorvahtml.html"));
    // What the page was made of is kept, without reading the simulator's files again.
    RaceResults first = Results(1);
    work.Write("evt00001.stn", "changed after the page was made");
    std::filesystem::remove(work.File("evt00001.html"));
    EXPECT_FALSE(folder.KeepRace(first, raceEnd));
    work.Write("evt00001.stn", stnRace);
    work.Write("evt00001.html", first.page);
    const std::string base = "site/2026-12-07_2104_NL_oak-ridge-mile";
    EXPECT_EQ(work.Read(base + ".stn"), stnRace);
    EXPECT_EQ(work.Read(base + ".html"), Expected("published-race.html"));
    EXPECT_EQ(work.Read(base + ".json"), Expected("published-race.json"));

    EXPECT_FALSE(Keep(folder, 1, raceEnd + 10));
    EXPECT_FALSE(Keep(folder, 2, raceEnd + 25));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(published), {}), 9);
    EXPECT_TRUE(work.Exists(base + "-2.stn"));
    EXPECT_EQ(work.Read("site/2026-12-07_2104_N3_oak-ridge.json"), Expected("published-race-N3.json"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(PublishedFolderTest, TheIndexListsEveryKeptRaceNewestFirstAndSkipsWhatIsNotOurs) {
    PublishedFolder folder(published, "Night <League>", work.File("Quorvahtml.html"));
    EXPECT_FALSE(folder.RebuildIndex());
    EXPECT_NE(work.Read("site/index.html").find("No race has been kept yet."), std::string::npos);
    Keep(folder, 1, raceEnd);
    Keep(folder, 2, raceEnd + 3600);
    work.Write("site/damaged.json", "{\"format\": \"quorva-race\", \"drivers\": [");
    work.Write("site/foreign.json", "{\"name\": \"package\"}");
    work.Write("site/link.json",
               "{\"format\": \"quorva-race\", \"endedUnix\": 1, \"page\": \"javascript:x.html\", "
               "\"drivers\": []}");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(folder.RebuildIndex());
    std::string console = testing::internal::GetCapturedStderr();
    EXPECT_NE(console.find("damaged.json: not well-formed JSON."), std::string::npos);
    EXPECT_NE(console.find("foreign.json: not a race file of Quorva."), std::string::npos);
    EXPECT_NE(console.find("link.json: a race file without its end, page or drivers."), std::string::npos);
    EXPECT_EQ(work.Read("site/index.html"), Expected("published-index.html"));

    // A race kept without its JSON copy (a crash, a failed write) is completed from its page and
    // standings, ended when those were written; one removed by hand leaves the index. A skipped file is
    // told once, not at every rebuild.
    const std::string oak = "site/2026-12-07_2104_NL_oak-ridge-mile";
    std::filesystem::remove(work.File(oak + ".json"));
    timespec ended[2] = {{raceEnd, 0}, {raceEnd, 0}};
    utimensat(AT_FDCWD, work.File(oak + ".stn").c_str(), ended, 0);
    for (const char* extension : {".json", ".html", ".won"})
        std::filesystem::remove(work.File("site/2026-12-07_2204_N3_oak-ridge" + std::string(extension)));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(folder.RebuildIndex());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(work.Read(oak + ".json"), Expected("published-race.json"));
    EXPECT_EQ(folder.Newest()->page, "2026-12-07_2104_NL_oak-ridge-mile.html");
}

TEST_F(PublishedFolderTest, AFileThatCannotBeWrittenIsNamedWithTheStepAndTheCause) {
    PublishedFolder full(published, "L", work.File("Quorvahtml.html"));
    FileSizeLimit fullDisk(64);
    PublishedFolder::Failure tooLarge = Keep(full, 1, raceEnd).value();
    EXPECT_EQ(tooLarge.path, published + "2026-12-07_2104_NL_oak-ridge-mile.html");
    EXPECT_EQ(std::pair(tooLarge.failure.step, tooLarge.failure.error), std::pair(FileStep::Write, EFBIG));
    // The JSON copy comes last: a race that could not be kept whole is not in the index.
    EXPECT_FALSE(work.Exists("site/2026-12-07_2104_NL_oak-ridge-mile.json"));
}

TEST_F(PublishedFolderTest, TheStatusTellsEachStateOfTheSchedule) {
    PublishedFolder folder(published, "L", work.File("Quorvahtml.html"));
    Keep(folder, 2, raceEnd);
    folder.RebuildIndex();
    StatusEvent oak{"NL", "Oak & Ridge", raceEnd + 300};
    EXPECT_FALSE(folder.WriteStatus(
        {RunState::CountingDown, raceEnd, oak, 0, "", {StatusEvent{"N3", "Lime", 0}, oak}, {}}));
    EXPECT_EQ(work.Read("site/status.json"), Expected("published-status.json"));
    EXPECT_EQ(work.Read("site/status.html"), Expected("published-status.html"));
    const struct {
        const char* name;
        RunState state;
        const char *error, *sentence;
    } rows[] = {{"not running", RunState::NotRunning, "", "The schedule is not running."},
                {"racing", RunState::Racing, "",
                 "Race in progress since 2026-12-07 20:54: Oak &amp; Ridge (NASCAR Legends)."},
                {"at the end", RunState::StoppedAtEnd, "", "The schedule stopped at its end."},
                {"on an error", RunState::StoppedOnError, "Could not start <x>",
                 "The schedule stopped on an error: Could not start &lt;x&gt;"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(folder.WriteStatus({row.state, raceEnd, oak, raceEnd - 600, row.error, {}, {}}));
        EXPECT_NE(work.Read("site/status.html").find(row.sentence), std::string::npos);
        EXPECT_TRUE(ParseJson(work.Read("site/status.json")));
    }
}
