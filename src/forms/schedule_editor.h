#pragma once

#include "core/race.h"
#include "core/simulator.h"
#include "platform/messages.h"

#include <optional>
#include <string>
#include <vector>

// The schedule editor apart from its window: a working copy of the schedule, its selected line and
// what each button may do now. Only Accept hands the copy to the program's schedule; dropping the editor
// is Cancel. A new or edited event comes from the event dialog.
class ScheduleEditor {
public:
    // What the buttons for one event may do, as last worked out: Add All changes the lines but leaves
    // these as they were, as the dialog always did.
    struct Buttons {
        bool edit = false;
        bool remove = false;
        bool moveUp = false;
        bool moveDown = false;

        bool operator==(const Buttons&) const = default;
    };

    // Copies EventList, with the first line selected when there is one.
    ScheduleEditor();

    // The track names of the events, in schedule order (UTF-8).
    std::vector<std::string> Lines() const;
    // The selected line, -1 for none.
    int Selected() const { return m_selected; }
    // The selected event; nullptr with none selected.
    const RACE* SelectedEvent() const;
    const Buttons& ButtonStates() const { return m_buttons; }
    // Add All may be used for a simulator whose program path is set.
    static bool CanAddAll(SimulatorValue simulator);

    // A line chosen by the operator; one outside the lines selects none.
    void Select(int line);
    // Add Event's outcome: the new event appended and selected, or nothing when the event dialog was
    // cancelled.
    void Add(std::optional<RACE> added);
    // Edit Event's outcome for the selected event: the event dialog's edit, or nothing when it was
    // cancelled. The same line stays selected.
    void Edit(std::optional<RACE> edited);
    void Delete();
    // Asked before Delete All.
    static Message DeleteAllQuestion();
    void DeleteAll();
    void MoveUp();
    void MoveDown();
    // Appends a copy of the default race for every track of the simulator's calendar, leaving the
    // selection as it was. A calendar that is missing or lists no tracks adds nothing and gives the
    // message to tell; the editor keeps its work. The names come from one listing of the calendar, so a
    // track dictionary that cannot be written is told once.
    std::optional<Message> AddAll(SimulatorValue simulator);

    // Hands the lines to EventList in their order and stores the schedule in the settings file. When the
    // schedule changed, the runner's remembered place (LastRace) is forgotten in the same write.
    void Accept();

private:
    void MoveSelected(int step);
    void UpdateButtons();

    std::vector<RACE> m_working;
    int m_selected = -1;
    Buttons m_buttons;
};
