#include "event_file.h"

#include <cctype>
#include <charconv>
#include <map>

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::optional<int> Integer(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

} // namespace

EventFileReading ReadEventFile(const std::string& text) {
    std::map<std::string, std::string> items;
    size_t at = 0;
    auto skipBlanks = [&] {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
    };
    while (!items.count("stn")) {
        skipBlanks();
        if (at == text.size())
            return {std::nullopt, "the event file has no \"stn\" item"};
        size_t keyStart = at;
        while (at < text.size() && !IsBlank(text[at]))
            ++at;
        std::string key = text.substr(keyStart, at - keyStart);
        skipBlanks();
        if (at == text.size())
            return {std::nullopt, "the item \"" + key + "\" has no value"};
        std::string value;
        if (text[at] == '\'') {
            size_t close = text.find('\'', at + 1);
            if (close == std::string::npos)
                return {std::nullopt, "the text of the item \"" + key + "\" has no closing quote"};
            value = text.substr(at + 1, close - at - 1);
            at = close + 1;
        } else {
            size_t valueStart = at;
            while (at < text.size() && !IsBlank(text[at]))
                ++at;
            value = text.substr(valueStart, at - valueStart);
        }
        items[key] = value;
    }

    StandInEvent event;
    event.nascarRacing3 = items.count("security") != 0;
    event.standingsName = items["stn"];
    if (event.standingsName.find_first_of("/\\") != std::string::npos)
        return {std::nullopt, "the \"stn\" item is not a file name: \"" + event.standingsName + "\""};
    struct NumberItem {
        const char* key;
        int* value;
        bool required;
    };
    for (NumberItem item :
         {NumberItem{"race", &event.race, true}, NumberItem{"len", &event.lengthPercent, true},
          NumberItem{"maxp", &event.fieldSize, true}, NumberItem{"temp", &event.temperature, false},
          NumberItem{"windspd", &event.windSpeed, false},
          NumberItem{"winddir", &event.windDirection, false}}) {
        auto found = items.find(item.key);
        if (found == items.end()) {
            if (item.required)
                return {std::nullopt, std::string("the event file has no \"") + item.key + "\" item"};
            continue;
        }
        std::optional<int> number = Integer(found->second);
        if (!number)
            return {std::nullopt, std::string("the item \"") + item.key + "\" is not a whole number: \"" +
                                      found->second + "\""};
        *item.value = *number;
    }
    return {event, ""};
}
