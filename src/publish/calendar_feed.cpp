#include "publish/calendar_feed.h"

#include "core/simulator.h"
#include "platform/windows_1252.h"
#include "publish/archive_name.h"

namespace {

constexpr size_t lineOctets = 75;

std::string Utc(std::time_t moment) {
    std::tm parts{};
    gmtime_r(&moment, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &parts);
    return text;
}

// A TEXT value: its separators escaped, each line end one "\n", other control characters left out.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (size_t n = 0; n < text.size(); ++n) {
        char c = text[n];
        if (c == '\\' || c == ';' || c == ',')
            escaped += {'\\', c};
        else if (c == '\n' || (c == '\r' && (n + 1 == text.size() || text[n + 1] != '\n')))
            escaped += "\\n";
        else if ((static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) || c == '\t')
            escaped += c;
    }
    return escaped;
}

// A content line folded at 75 octets, never inside a UTF-8 character, and ended with CRLF.
std::string Line(const std::string& line) {
    std::string folded;
    size_t start = 0;
    size_t room = lineOctets;
    while (line.size() - start > room) {
        size_t end = start + room;
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end;
        folded += line.substr(start, end - start) + "\r\n ";
        start = end;
        room = lineOctets - 1;
    }
    return folded + line.substr(start) + "\r\n";
}

std::string Minutes(int minutes) {
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

std::string Event(const UpcomingStart& start, const std::string& league, const std::string& stamp) {
    const RACE& event = start.event;
    std::string track = Utf8FromStored(event.TrackName);
    std::string simulator = SimulatorOf(event.Sim).name;
    std::string description =
        "Track: " + track + "\nSimulator: " + simulator +
        "\nRace length: " + std::to_string(event.RaceLength) + "%\nPractice: " + Minutes(event.PracticeTime) +
        "\nWarm-up: " + Minutes(event.WarmupTime) + (start.note.empty() ? "" : "\n" + start.note);
    std::string when = Utc(start.startsAt);
    return Line("BEGIN:VEVENT") +
           Line("UID:" + when + "-" + SimulatorId(event.Sim) + "-" + TrackSlug(track) + "@" + league +
                ".quorva") +
           Line("DTSTAMP:" + stamp) + Line("DTSTART:" + when) +
           Line("SUMMARY:" + Escaped(track + " (" + simulator + ")")) +
           Line("DESCRIPTION:" + Escaped(description)) + Line("END:VEVENT");
}

} // namespace

std::string CalendarFeed(const std::string& title, const std::vector<UpcomingStart>& starts,
                         std::time_t now) {
    std::string name = Utf8FromStored(title);
    std::string feed = Line("BEGIN:VCALENDAR") + Line("VERSION:2.0") +
                       Line("PRODID:-//Quorva//Race schedule//EN") + Line("CALSCALE:GREGORIAN") +
                       Line("METHOD:PUBLISH") + Line("X-WR-CALNAME:" + Escaped(name + " races")) +
                       Line("REFRESH-INTERVAL;VALUE=DURATION:PT1H") + Line("X-PUBLISHED-TTL:PT1H");
    std::string stamp = Utc(now);
    for (const UpcomingStart& start : starts)
        feed += Event(start, TrackSlug(name), stamp);
    // A calendar holds at least one component: with no start ahead, the zone its times are given in.
    if (starts.empty())
        feed += Line("BEGIN:VTIMEZONE") + Line("TZID:UTC") + Line("BEGIN:STANDARD") +
                Line("DTSTART:19700101T000000") + Line("TZOFFSETFROM:+0000") + Line("TZOFFSETTO:+0000") +
                Line("TZNAME:UTC") + Line("END:STANDARD") + Line("END:VTIMEZONE");
    return feed + Line("END:VCALENDAR");
}
