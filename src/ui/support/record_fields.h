#pragma once

#include <string>

class wxWindow;

// The exchange between the file locations dialog's controls and its paths, each with the check it must
// pass.

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

void ShowFieldValue(wxWindow* dialog, const FieldControl& control, const FieldValue& value);

// Reads the control; a value that fails its check leaves value as the check left it and is reported
// (its message, then the focus on the control with its whole text selected): false. A text field left
// as it showed value.text keeps value.text's bytes.
bool ReadFieldValue(wxWindow* dialog, const FieldControl& control, FieldValue& value);
