#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include <wx/string.h>

class wxWindow;

// The exchange between a dialog's controls and the fields of a record (a race, the server settings):
// each dialog lists its fields in the order it reads them, with the check each must pass.

enum class FieldKind {
    Check,   // a check box: 1 or 0
    Integer, // an edit holding an integer from low to high
    Text,    // an edit holding a text of at most limit characters (0: no limit)
    Radio,   // a radio group from the control's id on: the checked button's position
};

struct FieldControl {
    int id;
    FieldKind kind;
    int low = 0;
    int high = 0; // an integer's upper bound; a radio group's button count
    int limit = 0;
    // A text that the options file carries between single quotes refuses quotes and line ends; the
    // name says which field it is in the message.
    const char* quotedName = nullptr;
    bool refuseCommas = false;
    // The simulators read the quoted texts, and a text named here, in Windows-1252: these refuse
    // characters it cannot hold, naming the field in the message.
    const char* unquotedSimulatorName = nullptr;
};

// What a control shows or holds: a number for check boxes, integers and radio groups, a text for texts.
struct FieldValue {
    int number = 0;
    std::string text;
};

// A stored text as a window shows it: its characters, also where the settings file holds it in
// Windows-1252.
wxString ShownText(const std::string& stored);

void ShowFieldValue(wxWindow* dialog, const FieldControl& control, const FieldValue& value);

// Reads the control; a value that fails its check leaves value as the check left it and is reported
// (its message, then the focus on the control with its whole text selected): false. A text field left
// as it showed value.text keeps value.text's bytes.
bool ReadFieldValue(wxWindow* dialog, const FieldControl& control, FieldValue& value);

// Text fields stop typing at their limit.
void LimitTextTyping(wxWindow* dialog, std::span<const FieldControl> controls);

// A drop-down list holding a stored position: a position outside the list shows no line, and the
// stored value stays unless the operator picks one.
void ShowChoicePosition(wxWindow* dialog, int id, int position);
int ChosenPosition(wxWindow* dialog, int id, int stored);

// Puts the focus on a control and selects its whole text.
void FocusField(wxWindow* dialog, int id);

// A control and the record member it edits.
template <typename Record>
struct RecordField {
    FieldControl control;
    int Record::*number = nullptr;
    std::string Record::*text = nullptr;
};

template <typename Record>
void ShowRecordFields(wxWindow* dialog, std::span<const RecordField<Record>> fields, const Record& record) {
    for (const RecordField<Record>& field : fields) {
        FieldValue value;
        if (field.number != nullptr)
            value.number = record.*field.number;
        if (field.text != nullptr)
            value.text = record.*field.text;
        ShowFieldValue(dialog, field.control, value);
    }
}

// Reads the fields in their order into record; the first that fails its check ends the reading: false.
template <typename Record>
bool ReadRecordFields(wxWindow* dialog, std::span<const RecordField<Record>> fields, Record& record) {
    for (const RecordField<Record>& field : fields) {
        FieldValue value;
        if (field.number != nullptr)
            value.number = record.*field.number;
        if (field.text != nullptr)
            value.text = record.*field.text;
        bool passed = ReadFieldValue(dialog, field.control, value);
        if (field.number != nullptr)
            record.*field.number = value.number;
        if (field.text != nullptr && passed)
            record.*field.text = value.text;
        if (!passed)
            return false;
    }
    return true;
}

template <typename Record>
void LimitTextTyping(wxWindow* dialog, std::span<const RecordField<Record>> fields) {
    std::vector<FieldControl> controls;
    for (const RecordField<Record>& field : fields)
        controls.push_back(field.control);
    LimitTextTyping(dialog, controls);
}

// Copies the fields' members from one record to another.
template <typename Record>
void CopyRecordFields(std::span<const RecordField<Record>> fields, const Record& from, Record& to) {
    for (const RecordField<Record>& field : fields) {
        if (field.number != nullptr)
            to.*field.number = from.*field.number;
        if (field.text != nullptr)
            to.*field.text = from.*field.text;
    }
}
