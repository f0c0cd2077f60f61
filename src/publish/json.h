#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct JsonMember;

// A JSON value as the published folder's machine-readable files hold them: enough to write them and
// to read back what another program, a hand edit or a damaged disk may have left there.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;

    // The member of an object by its name; none for a missing member or a value that is no object.
    const JsonValue* Find(const std::string& name) const;
    // The member's text when it is a string, else fallback.
    std::string TextOf(const std::string& name, const std::string& fallback = "") const;
};

// One name and value of an object, in the order the text gives them.
struct JsonMember {
    std::string name;
    JsonValue value;
};

// The value the whole text spells, or none when it is not well-formed JSON (nesting deeper than 64
// counts as damaged, so a hostile file cannot exhaust the stack).
std::optional<JsonValue> ParseJson(std::string_view text);

// The text as a JSON string literal, quotes included. Bytes that are not valid UTF-8 become U+FFFD,
// so the file stays valid JSON whatever a standings file held.
std::string JsonQuoted(const std::string& text);
