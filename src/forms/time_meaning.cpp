#include "forms/time_meaning.h"

#include "forms/field_checks.h"
#include "platform/leading_integer.h"

#include <cstdio>

std::string TimeMeaning(std::string_view time, bool pm) {
    if (CheckTimeField(time))
        return "";
    size_t colon = time.find(':');
    int hours = LeadingInteger(time.substr(0, colon));
    int minutes = LeadingInteger(time.substr(colon + 1));
    int clockHours = hours + (pm ? 12 : 0);
    const char* when = clockHours == 24 ? ", after midnight" : clockHours == 12 ? ", midday" : "";
    char text[64];
    std::snprintf(text, sizeof text, "%d:%02d %s PM = %02d:%02d%s", hours, minutes, pm ? "with" : "without",
                  clockHours % 24, minutes, when);
    return text;
}
