#pragma once

// Ids of the string table's entries. Ranges that the system indexes (wind directions, damage models,
// arenas, HTML tokens) are given by their first id and their count.
enum StringId : int {
    IDS_ABOUTBOX = 101,
    IDS_TRACK_NOT_IN_DICTIONARY = 1001,
    IDS_TRACK_IDENTIFIED_AS = 1002,
    IDS_WIND_DIRECTION_FIRST = 2000,
    IDS_DAMAGE_FIRST = 2008,
    IDS_ARENA_N3_FIRST = 3000,
    IDS_ARENA_NL_FIRST = 3006,
    IDS_ARENA_INVISIBLE = 3012,
    IDS_HTML_TOKEN_FIRST = 4000,
    IDS_EVENT_RECORD_FORMAT = 5000,
    IDS_PARSE_INT = 61712,
    IDS_PARSE_INT_RANGE = 61713,
    IDS_PARSE_STRING_SIZE = 61715,
};

constexpr int WindDirectionCount = 8;
constexpr int DamageModelCount = 3;
constexpr int ArenaNameCount = 6;
constexpr int HtmlTokenCount = 26;
