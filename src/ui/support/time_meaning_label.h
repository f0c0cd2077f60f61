#pragma once

class wxWindow;

// A time field, its PM box and the label under them that says what the two mean on the clock.
struct TimeFieldIds {
    int time;
    int pm;
    int meaning;
};

// Places the label at x, y (dialog units, one line of the width) and keeps it true as the field or the
// box changes; ShowTimeMeaning sets it for values put in without an event (stored values shown).
void AddTimeMeaning(wxWindow& dialog, const TimeFieldIds& ids, int x, int y, int width);
void ShowTimeMeaning(wxWindow& dialog, const TimeFieldIds& ids);
