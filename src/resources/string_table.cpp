#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by id.
constexpr std::array entries = {
    Entry{101, "&About Quorva..."},
    Entry{1001,
          "There's a track listed (item #%d) in your %s calendar file that does not exist in the %s track "
          "dictionary file."},
    Entry{1002, "The track is identified as \"%s\" in the calendar file."},
    Entry{2000, "East"},
    Entry{2001, "NorthEast"},
    Entry{2002, "North"},
    Entry{2003, "NorthWest"},
    Entry{2004, "West"},
    Entry{2005, "SouthWest"},
    Entry{2006, "South"},
    Entry{2007, "SouthEast"},
    Entry{2008, "None"},
    Entry{2009, "Arcade"},
    Entry{2010, "Realistic"},
    Entry{3000, "Alpha"},
    Entry{3001, "Bravo"},
    Entry{3002, "Charlie"},
    Entry{3003, "Delta"},
    Entry{3004, "Echo"},
    Entry{3005, "Foxtrot"},
    Entry{3006, "Allison"},
    Entry{3007, "Bowman Gray"},
    Entry{3008, "Charlotte"},
    Entry{3009, "Dodge"},
    Entry{3010, "Elmo"},
    Entry{3011, "Ford"},
    Entry{3012, "Invisible"},
    Entry{4000, "D_TRACK"},
    Entry{4001, "D_LAPS"},
    Entry{4002, "D_DATE"},
    Entry{4003, "D_FIN"},
    Entry{4004, "D_START"},
    Entry{4005, "D_CAR"},
    Entry{4006, "D_DRIVER"},
    Entry{4007, "D_COMPLETE"},
    Entry{4008, "D_LED"},
    Entry{4009, "D_PTS"},
    Entry{4010, "D_QUAL"},
    Entry{4011, "D_OUT"},
    Entry{4012, "D_TIME"},
    Entry{4013, "D_SPD"},
    Entry{4014, "D_MARGIN"},
    Entry{4015, "D_FLAGS"},
    Entry{4016, "D_LEAD"},
    Entry{4017, "D_WEATHER"},
    Entry{4018, "D_NAME"},
    Entry{4019, "D_QUALTIME"},
    Entry{4020, "D_QUALSPD"},
    Entry{4021, "D_AVGTIME"},
    Entry{4022, "D_AVGSPD"},
    Entry{4023, "D_BESTTIME"},
    Entry{4024, "D_BESTSPD"},
    Entry{4025, "D_INCIDENTS"},
    Entry{5000,
          "%d,%s,%s,%s,%s,%s,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%s,%s,%d,%d"},
    Entry{61712, "Please enter an integer."},
    Entry{61713, "Please enter an integer between %1 and %2."},
    Entry{61715, "Please enter no more than %1 characters."},
};

static_assert(std::is_sorted(entries.begin(), entries.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

} // namespace

std::string LoadString(int id) {
    auto found = std::lower_bound(entries.begin(), entries.end(), id,
                                  [](const Entry& entry, int wanted) { return entry.id < wanted; });
    if (found == entries.end() || found->id != id)
        return "";
    return std::string(found->text);
}
