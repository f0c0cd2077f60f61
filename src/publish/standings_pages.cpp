#include "publish/standings_pages.h"

#include "publish/json.h"
#include "publish/site_pages.h"
#include "results/html_escape.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <unordered_map>

namespace {

constexpr const char* standingsFormat = "quorva-standings";
constexpr int standingsFormatVersion = 1;

// The driver's races open under the name, indented less than a list's default.
constexpr const char* standingsStyle = "details ul{margin:.25rem 0;padding-left:1rem}summary{cursor:pointer}";

std::string Average(const StandingsRow& row, const char* none) {
    if (row.finishes == 0)
        return none;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f",
                  static_cast<double>(row.finishSum) / static_cast<double>(row.finishes));
    return text;
}

std::string Best(const StandingsRow& row, const char* none) {
    return row.bestFinish == 0 ? none : std::to_string(row.bestFinish);
}

std::string SeasonSentence(const std::string& seasonStart) {
    if (seasonStart.empty())
        return "Every kept race counts.";
    if (!SeasonStartTime(seasonStart))
        return "Every kept race counts: the season start " + HtmlEscape(seasonStart) +
               " in the settings is no date mm/dd/yyyy.";
    return "Races since " + HtmlEscape(seasonStart) + " count.";
}

void Append(std::string& text, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces)
        text.append(piece);
}

// Each race's link, or its quoted page, made once however many drivers list it.
using RaceTexts = std::unordered_map<const KeptRace*, std::string>;

const std::string& RaceText(RaceTexts& texts, const KeptRace* race, std::string (*make)(const KeptRace&)) {
    auto [found, added] = texts.try_emplace(race);
    if (added)
        found->second = make(*race);
    return found->second;
}

std::string RaceLink(const KeptRace& race) {
    return "<li><a href=\"" + HtmlEscape(race.page) + "\">" + HtmlEscape(race.endedText.substr(0, 10)) + " " +
           HtmlEscape(race.track.empty() ? race.page : race.track) + "</a>: ";
}

std::string QuotedPage(const KeptRace& race) {
    return "{\"page\": " + JsonQuoted(race.page) + ", \"finish\": ";
}

void AddTable(std::string& page, const SimulatorStandings& table, RaceTexts& links) {
    Append(page, {"<h2>", HtmlEscape(SimulatorName(table.simulator)), "</h2><p class=\"date\">",
                  std::to_string(table.races), table.races == 1 ? " race" : " races", "</p>\n"});
    page += "<div class=\"scroll\"><table><thead><tr><th>Pos</th><th class=\"name\">Driver</th><th>Pts</th>"
            "<th>Races</th><th>Wins</th><th class=\"wide\">Top 5</th><th class=\"wide\">Top 10</th><th "
            "class=\"wide\">Led</th><th class=\"wide\">Best</th><th class=\"wide\">Avg</th></tr></thead>"
            "<tbody>\n";
    long long position = 0;
    for (const StandingsRow& row : table.rows) {
        Append(page, {"<tr><td>", std::to_string(++position), "</td><td class=\"name\"><details><summary>",
                      HtmlEscape(row.name), "</summary><ul>"});
        for (const DriverRace& entry : row.races)
            Append(page, {RaceText(links, entry.race, RaceLink),
                          entry.finish >= 1 ? "finished " + std::to_string(entry.finish) : "no finish", ", ",
                          std::to_string(entry.points), " points</li>"});
        Append(page, {"</ul></details></td><td>", std::to_string(row.points), "</td><td>",
                      std::to_string(row.started), "</td><td>", std::to_string(row.wins),
                      "</td><td class=\"wide\">", std::to_string(row.top5), "</td><td class=\"wide\">",
                      std::to_string(row.top10), "</td><td class=\"wide\">", std::to_string(row.lapsLed),
                      "</td><td class=\"wide\">", Best(row, "-"), "</td><td class=\"wide\">",
                      Average(row, "-"), "</td></tr>\n"});
    }
    page += "</tbody></table></div>\n";
}

void AddRowJson(std::string& text, long long position, const StandingsRow& row, RaceTexts& pages) {
    Append(text, {"{\"position\": ",       std::to_string(position),
                  ", \"name\": ",          JsonQuoted(row.name),
                  ", \"points\": ",        std::to_string(row.points),
                  ", \"started\": ",       std::to_string(row.started),
                  ", \"wins\": ",          std::to_string(row.wins),
                  ", \"top5\": ",          std::to_string(row.top5),
                  ", \"top10\": ",         std::to_string(row.top10),
                  ", \"lapsLed\": ",       std::to_string(row.lapsLed),
                  ", \"bestFinish\": ",    Best(row, "null"),
                  ", \"averageFinish\": ", Average(row, "null"),
                  ", \"races\": ["});
    const char* separator = "";
    for (const DriverRace& entry : row.races) {
        Append(text, {separator, RaceText(pages, entry.race, QuotedPage), std::to_string(entry.finish),
                      ", \"points\": ", std::to_string(entry.points), "}"});
        separator = ", ";
    }
    text += "]}";
}

} // namespace

std::string StandingsPage(const std::string& title, const std::string& style, const std::string& seasonStart,
                          const std::vector<SimulatorStandings>& standings) {
    std::string page = PageHead(title + " standings", style + standingsStyle, "") + "<h1>" +
                       HtmlEscape(title) + "</h1><p class=\"date\">Season standings. " +
                       SeasonSentence(seasonStart) +
                       " <a href=\"index.html\">Results</a> <a href=\"status.html\">Server status</a></p>\n";
    RaceTexts links;
    for (const SimulatorStandings& table : standings)
        AddTable(page, table, links);
    if (standings.empty())
        page += "<p>No race of the season has been kept yet.</p>\n";
    return page + pageTail;
}

std::string StandingsJson(const std::string& title, const std::string& seasonStart,
                          const std::vector<SimulatorStandings>& standings) {
    bool dated = SeasonStartTime(seasonStart).has_value();
    std::string text = "{\n  \"format\": " + JsonQuoted(standingsFormat) +
                       ",\n  \"version\": " + std::to_string(standingsFormatVersion) +
                       ",\n  \"title\": " + JsonQuoted(title) +
                       ",\n  \"seasonStart\": " + (dated ? JsonQuoted(seasonStart) : "null") +
                       ",\n  \"simulators\": [";
    RaceTexts pages;
    const char* tableSeparator = "\n    ";
    for (const SimulatorStandings& table : standings) {
        text += tableSeparator;
        text += "{\"simulator\": " + JsonQuoted(table.simulator) +
                ", \"races\": " + std::to_string(table.races) + ", \"drivers\": [";
        const char* separator = "\n      ";
        long long position = 0;
        for (const StandingsRow& row : table.rows) {
            text += separator;
            AddRowJson(text, ++position, row, pages);
            separator = ",\n      ";
        }
        text += table.rows.empty() ? "]}" : "\n    ]}";
        tableSeparator = ",\n    ";
    }
    return text + (standings.empty() ? "]\n}\n" : "\n  ]\n}\n");
}
