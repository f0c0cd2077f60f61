#include "publish/published_folder.h"
#include "publish/season_standings.h"
#include "publish/standings_pages.h"

#include "platform/file_system.h"
#include "publish/json.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

#ifdef QUORVA_SANITIZED
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif

// A kept race's JSON copy as the folder holds it, with the drivers' members as given.
std::string RaceCopy(const std::string& simulator, long long ended, const std::string& page,
                     const std::string& drivers) {
    return "{\"format\": \"quorva-race\", \"simulator\": \"" + simulator + "\", \"ended\": \"" +
           page.substr(0, 10) + " 21:00:00\", \"endedUnix\": " + std::to_string(ended) + ", \"page\": \"" +
           page + ".html\", \"track\": \"" + page.substr(19) + "\", \"drivers\": [" + drivers + "]}";
}

} // namespace

// Names that differ in case or blanks are one driver; names with markup or a comma, races without points
// or with negative or huge ones are counted as they are; a race before the season or removed by hand is
// not in the table.
TEST(SeasonStandings, TheTableSumsTheSeasonRacesStillInTheFolder) {
    ScopedTimeZone utc{"UTC"};
    TempFolder work;
    const struct {
        const char* name;
        const char* simulator;
        long long ended;
        const char* drivers;
    } races[] = {
        {"2027-02-20_2100_NL_old", "NL", 1803157200, R"({"name": "Old Timer", "finish": 1, "points": 185})"},
        {"2027-03-01_2100_NL_oak", "NL", 1803934800,
         R"({"name": "Ann Lee", "finish": 1, "points": 185, "lapsLed": 50},
            {"name": "Bo Diaz", "finish": 2, "points": 170, "lapsLed": 3},
            {"name": "<b>Cy</b>, Jr", "finish": 3, "lapsLed": 0})"},
        {"2027-03-08_2130_NL_lime", "NL", 1804541400,
         R"({"name": "Bo Diaz", "finish": 1, "points": 180, "lapsLed": 20},
            {"name": "  ann LEE ", "finish": 3, "points": 165},
            {"name": "Dee", "finish": 0, "points": -25})"},
        {"2027-03-15_2000_N3_ash", "N3", 1805140800,
         R"({"name": "Ann Lee", "finish": 1, "points": 2147483647},
            {"name": "Eve", "finish": 12, "points": 2147483647})"},
        {"2027-03-16_2000_N3_bay", "N3", 1805227200,
         R"({"name": "ANN LEE ", "finish": 2, "points": 2147483647})"},
        {"2027-03-22_2100_NL_gone", "NL", 1805749200,
         R"({"name": "Gone Driver", "finish": 1, "points": 185})"},
    };
    for (const auto& race : races) {
        work.Write(std::string("site/") + race.name + ".json",
                   RaceCopy(race.simulator, race.ended, race.name, race.drivers));
        work.Write(std::string("site/") + race.name + ".html", "<body></body>");
    }
    PublishedFolder folder(work.File("site/"), "Night League", work.File("none.html"), "03/01/2027");
    EXPECT_FALSE(folder.RebuildIndex());
    EXPECT_NE(work.Read("site/standings.json").find("Gone Driver"), std::string::npos);
    std::filesystem::remove(work.File("site/2027-03-22_2100_NL_gone.json"));
    EXPECT_FALSE(folder.RebuildIndex());
    EXPECT_EQ(work.Read("site/standings.json"),
              ReadFileBytes(std::string(QUORVA_EXPECTED_DIR) + "published-standings.json").bytes);
    std::string page = work.Read("site/standings.html");
    EXPECT_NE(
        page.find(
            "<summary>&lt;b&gt;Cy&lt;/b&gt;, Jr</summary><ul><li><a href=\"2027-03-01_2100_NL_oak.html\">"
            "2027-03-01 oak</a>: finished 3, 0 points</li></ul>"),
        std::string::npos);
    EXPECT_NE(page.find("Races since 03/01/2027 count."), std::string::npos);
    EXPECT_EQ(page.find("Old Timer"), std::string::npos);
}

TEST(SeasonStandings, TheSeasonStartIsADayOfTheCalendarOrNone) {
    ScopedTimeZone berlin{"Europe/Berlin"};
    EXPECT_EQ(SeasonStartTime("03/28/2027"), 1806188400);
    EXPECT_EQ(SeasonStartTime("3/1/2027"), 1803855600);
    for (const char* text :
         {"", "02/30/2027", "13/01/2027", "03/01/27", "03-01-2027", "03/01/2027 ", "03/001/2027"})
        EXPECT_FALSE(SeasonStartTime(text)) << text;
    EXPECT_EQ(StandingsJson("L", "soon", {}),
              "{\n  \"format\": \"quorva-standings\",\n  \"version\": 1,\n  "
              "\"title\": \"L\",\n  \"seasonStart\": null,\n  \"simulators\": []\n}\n");
    EXPECT_NE(StandingsPage("L", "", "soon", {}).find("the season start soon in the settings is no date"),
              std::string::npos);
}

// A league that never set a season start keeps every race: the table of 5,000 of them is still made in a
// few milliseconds per hundred races.
TEST(SeasonStandings, FiveThousandRacesAreSummedInAFewMillisecondsAHundred) {
    std::vector<KeptRace> kept(5000);
    std::vector<const KeptRace*> races;
    for (size_t n = 0; n < kept.size(); ++n) {
        kept[n].simulator = n % 2 ? "N3" : "NL";
        kept[n].page = "race" + std::to_string(n) + ".html";
        for (long long place = 1; place <= 20; ++place)
            kept[n].drivers.push_back(
                {"Driver " + std::to_string((n + place) % 40), place, 200 - place, place});
        races.push_back(&kept[n]);
    }
    // The processor time of this process, so tests running beside it do not count.
    std::clock_t start = std::clock();
    std::vector<SimulatorStandings> standings = SeasonStandings(races, 0);
    std::string page = StandingsPage("L", "", "", standings);
    std::string json = StandingsJson("L", "", standings);
    double milliseconds = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_LT(milliseconds, sanitized ? 1250 : 250);
    EXPECT_TRUE(ParseJson(json));
    ASSERT_EQ(standings.size(), 2u);
    EXPECT_EQ(standings[0].races, 2500);
    EXPECT_EQ(standings[0].rows.size(), 40u);
}
