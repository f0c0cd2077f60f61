#include "publish/site_pages.h"

#include "core/simulator.h"
#include "platform/local_time.h"
#include "publish/json.h"
#include "results/html_escape.h"

namespace {

constexpr const char* statusFormat = "quorva-status";
constexpr int statusFormatVersion = 1;

std::string When(std::time_t moment) {
    return FormatLocalTime(moment, "%Y-%m-%d %H:%M");
}

const char* StateName(RunState state) {
    switch (state) {
    case RunState::CountingDown:
        return "counting-down";
    case RunState::Racing:
        return "racing";
    case RunState::StoppedAtEnd:
        return "stopped-at-end";
    case RunState::StoppedOnError:
        return "stopped-on-error";
    default:
        return "not-running";
    }
}

std::string StateSentence(const RunStatus& status) {
    std::string event;
    if (status.event)
        event = HtmlEscape(status.event->track) + " (" + SimulatorName(status.event->simulator) + ")";
    switch (status.state) {
    case RunState::CountingDown:
        return "Next race: " + event +
               (status.event && status.event->startsAt != 0 ? ", starting " + When(status.event->startsAt)
                                                            : "") +
               ".";
    case RunState::Racing:
        return "Race in progress since " + When(status.since) + ": " + event + ".";
    case RunState::StoppedAtEnd:
        return "The schedule stopped at its end.";
    case RunState::StoppedOnError:
        return "The schedule stopped on an error: " + HtmlEscape(status.error);
    default:
        return "The schedule is not running.";
    }
}

std::string EventJson(const StatusEvent& event) {
    return "{\"simulator\": " + JsonQuoted(event.simulator) + ", \"track\": " + JsonQuoted(event.track) +
           ", \"startsAt\": " + (event.startsAt != 0 ? JsonQuoted(When(event.startsAt)) : "null") +
           ", \"startsAtUnix\": " + (event.startsAt != 0 ? std::to_string(event.startsAt) : "null") + "}";
}

std::string LinkToPage(const KeptRace& race, const std::string& text) {
    return "<a href=\"" + HtmlEscape(race.page) + "\">" + HtmlEscape(text) + "</a>";
}

} // namespace

const char* const pageTail = "<footer>Published by Quorva.</footer></main></body></html>\n";

std::string SimulatorName(const std::string& id) {
    for (const Simulator& simulator : Simulators)
        if (id == simulator.id)
            return simulator.name;
    return id;
}

std::string PageHead(const std::string& title, const std::string& style, const std::string& extra) {
    return "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><meta name=\"viewport\" "
           "content=\"width=device-width, initial-scale=1\">" +
           extra + "<title>" + HtmlEscape(title) + "</title><style>" + style +
           "</style></head>\n<body><main>";
}

std::string StyleOfTemplate(const std::string& templateText) {
    std::string firstLine = templateText.substr(0, templateText.find('\n'));
    size_t start = firstLine.find("<style>");
    size_t end = firstLine.find("</style>");
    if (start == std::string::npos || end == std::string::npos || end < start)
        return "";
    start += 7;
    return firstLine.substr(start, end - start);
}

std::string IndexPage(const std::string& title, const std::string& style,
                      const std::vector<const KeptRace*>& races) {
    std::string page =
        PageHead(title + " results", style, "") + "<h1>" + HtmlEscape(title) +
        "</h1><p class=\"date\">Results of every race, newest first. <a "
        "href=\"standings.html\">Standings</a> <a href=\"status.html\">Server status</a></p>\n";
    page += "<div class=\"scroll\"><table><thead><tr><th class=\"name\">Date</th><th>Sim</th><th "
            "class=\"name\">Track</th><th class=\"name\">Winner</th><th>Laps</th></tr></thead><tbody>\n";
    page.reserve(page.size() + races.size() * 320);
    for (const KeptRace* race : races) {
        page += "<tr><td class=\"name\">";
        page += HtmlEscape(race->endedText.substr(0, 16));
        page += "</td><td>";
        page += HtmlEscape(race->simulator);
        page += "</td><td class=\"name\">";
        page += LinkToPage(*race, race->track.empty() ? race->page : race->track);
        page += "</td><td class=\"name\">";
        page += HtmlEscape(race->winner);
        page += "</td><td>";
        page += std::to_string(race->laps);
        page += "</td></tr>\n";
    }
    if (races.empty())
        page += "<tr><td class=\"name\" colspan=\"5\">No race has been kept yet.</td></tr>\n";
    return page + "</tbody></table></div>\n" + pageTail;
}

std::string StatusPage(const std::string& title, const std::string& style, const RunStatus& status) {
    std::string page = PageHead(title + " status", style, "<meta http-equiv=\"refresh\" content=\"60\">") +
                       "<h1>" + HtmlEscape(title) + "</h1><p class=\"date\">Updated " + When(status.updated) +
                       ". <a href=\"index.html\">Results</a> <a href=\"standings.html\">Standings</a> <a "
                       "href=\"schedule.ics\">Subscribe</a> to the next races in your calendar.</p>\n<p "
                       "class=\"state\" data-state=\"" +
                       StateName(status.state) + "\">" + StateSentence(status) + "</p>\n";
    if (status.lastRace)
        page += "<p>Last race: " +
                LinkToPage(*status.lastRace,
                           status.lastRace->track + ", " + status.lastRace->endedText.substr(0, 16)) +
                (status.lastRace->winner.empty() ? "" : ", won by " + HtmlEscape(status.lastRace->winner)) +
                "</p>\n";
    if (!status.nextEvents.empty()) {
        page += "<h2>Next events</h2><div class=\"scroll\"><table><thead><tr><th "
                "class=\"name\">Starts</th><th>Sim</th>"
                "<th class=\"name\">Track</th></tr></thead><tbody>\n";
        for (const StatusEvent& event : status.nextEvents)
            page += "<tr><td class=\"name\">" + (event.startsAt != 0 ? When(event.startsAt) : "later") +
                    "</td><td>" + HtmlEscape(event.simulator) + "</td><td class=\"name\">" +
                    HtmlEscape(event.track) + "</td></tr>\n";
        page += "</tbody></table></div>\n";
    }
    return page + pageTail;
}

std::string StatusJson(const std::string& title, const RunStatus& status) {
    std::string text =
        "{\n  \"format\": " + JsonQuoted(statusFormat) +
        ",\n  \"version\": " + std::to_string(statusFormatVersion) + ",\n  \"title\": " + JsonQuoted(title) +
        ",\n  \"updated\": " + JsonQuoted(FormatLocalTime(status.updated, "%Y-%m-%d %H:%M:%S")) +
        ",\n  \"updatedUnix\": " + std::to_string(status.updated) +
        ",\n  \"state\": " + JsonQuoted(StateName(status.state)) +
        ",\n  \"event\": " + (status.event ? EventJson(*status.event) : "null") + ",\n  \"raceSince\": " +
        (status.state == RunState::Racing ? JsonQuoted(When(status.since)) : "null") +
        ",\n  \"raceSinceUnix\": " +
        (status.state == RunState::Racing ? std::to_string(status.since) : "null") +
        ",\n  \"error\": " + (status.state == RunState::StoppedOnError ? JsonQuoted(status.error) : "null") +
        ",\n  \"nextEvents\": [";
    const char* separator = "\n    ";
    for (const StatusEvent& event : status.nextEvents) {
        text += separator + EventJson(event);
        separator = ",\n    ";
    }
    text += status.nextEvents.empty() ? "],\n" : "\n  ],\n";
    text += "  \"lastRace\": ";
    if (status.lastRace)
        text += "{\"page\": " + JsonQuoted(status.lastRace->page) +
                ", \"track\": " + JsonQuoted(status.lastRace->track) +
                ", \"ended\": " + JsonQuoted(status.lastRace->endedText) +
                ", \"winner\": " + JsonQuoted(status.lastRace->winner) + "}";
    else
        text += "null";
    return text + "\n}\n";
}

std::string WithLeagueHeader(const std::string& page, const std::string& title) {
    size_t body = page.find("<body");
    size_t end = body == std::string::npos ? std::string::npos : page.find('>', body);
    if (end == std::string::npos)
        return page;
    return page.substr(0, end + 1) + "<header class=\"league\"><a href=\"index.html\">" + HtmlEscape(title) +
           "</a></header>" + page.substr(end + 1);
}
