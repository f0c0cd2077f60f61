#pragma once

#include "platform/messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A settings dialog apart from its window: its fields, what each shows and whether it may be changed,
// and the first field that refuses what the operator left in it. A front end (a dialog, a web page)
// binds its controls to the fields by key, hands back what the operator left in them and shows the
// form's message at its field.

enum class FieldKind {
    Check,   // 1 or 0
    Integer, // a text holding an integer from low to high
    Text,    // a text of at most limit characters (0: no limit)
    Choice,  // a position from 0 to high - 1 (radio buttons, a drop-down list); any other shows none
};

struct FormField {
    const char* key = "";   // stable and unique in its form: "host_name"
    const char* label = ""; // what the dialog's label says
    FieldKind kind = FieldKind::Text;
    int low = 0;
    int high = 0;  // an integer's upper bound; a choice's count of positions
    int limit = 0; // a text's most characters, counted as StoredLength counts them
    // A text that the options file carries between single quotes refuses quotes and line ends; the
    // name says which field it is in the message.
    const char* quotedName = nullptr;
    bool refuseCommas = false;
    // The simulators read the quoted texts, and a text named here, in Windows-1252: these refuse
    // characters it cannot hold, naming the field in the message.
    const char* unquotedSimulatorName = nullptr;
    // A password: a web page never sends it back, and a field left empty there keeps the stored one.
    bool secret = false;
    // Shown for reading only: it never takes what is entered, and a window shows it read-only rather
    // than greyed.
    bool readOnly = false;
};

// What a field shows and what the operator leaves in it: a number for checks and choices, the text
// (UTF-8) for integers and texts.
struct FieldValue {
    int number = 0;
    std::string text;

    bool operator==(const FieldValue&) const = default;
};

// The field that refuses its value and the message that says why; beep: the message comes after the
// default beep, as the program's own validation messages do.
struct FormProblem {
    std::string key;
    Message message;
    bool beep = false;
};

// The message that refuses a value left in a field, or nothing; an integer's number is set whenever
// its text reads as one.
std::optional<Message> CheckFieldValue(const FormField& field, const FieldValue& value, int& number);

class Form {
public:
    virtual ~Form() = default;

    const std::vector<FormField>& Fields() const { return m_fields; }
    // The field of a key; a key the form lacks is a programming error: std::out_of_range.
    const FormField& Field(std::string_view key) const;
    const FieldValue& Value(std::string_view key) const;
    bool Enabled(std::string_view key) const;
    // What each position of a choice says, in order.
    virtual std::vector<std::string> ChoiceLabels(std::string_view key) const;

    // What the operator left in a field; a disabled or read-only field keeps what it shows.
    void Enter(std::string_view key, FieldValue value);

protected:
    explicit Form(std::vector<FormField> fields);

    // What a field shows, whether or not it may be changed.
    void Show(std::string_view key, FieldValue value);
    void Enable(std::string_view key, bool enabled);

private:
    size_t IndexOf(std::string_view key) const;

    std::vector<FormField> m_fields;
    std::vector<FieldValue> m_values;
    std::vector<bool> m_enabled;
};
