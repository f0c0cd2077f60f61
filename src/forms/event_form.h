#pragma once

#include "forms/race_fields.h"

#include <string>
#include <vector>

// The Schedule Configuration dialog's fields: one event of the schedule, its simulator, its track from
// that simulator's calendar ("track": a line of TrackNames()), its settings and, when events run at
// their own date and time, when it runs.
class EventForm : public RecordForm<RACE> {
public:
    // Shows the event, or for a new one the default race, fitted to the installation. When events run
    // at their own date and time an event runs once; otherwise its date and time are not used.
    EventForm(RACE* event, bool isNew);

    // The first field that refuses its value; nothing is stored.
    std::optional<FormProblem> FirstRefused() const;

    // Lists the calendar of the chosen simulator as the track's lines, the event's line chosen (a new
    // event's the first) while the calendar has it. A calendar missing or without tracks is the message;
    // the simulator then goes back to the one whose tracks are listed, and every value stays.
    std::optional<Message> ListTracks();
    // Whether a calendar is listed: an opening on a calendar without tracks ends the dialog.
    bool Listed() const { return m_listedSim >= 0; }
    const std::vector<std::string>& TrackNames() const { return m_trackNames; }

    // The operator chose a line of the track list (-1: none).
    void ChooseTrack(int line);
    // The name of the chosen track, or nothing.
    std::string ChosenTrackName() const;

    // Checks the fields in their order, then the date (when events run at their own date, rewritten as
    // MM/DD/YYYY), the time and the track; when all pass, writes them into the event with the calendar's
    // track, and the runner's remembered place is forgotten.
    std::optional<FormProblem> Accept();

private:
    RACE* m_event;
    bool m_isNew;
    RACE m_shown;
    std::vector<std::string> m_trackNames;
    // The calendar entry (from 1, 0 for none) that a listing chooses for an event that is not new.
    int m_selectedEntry = 0;
    // The simulator whose calendar the track lines are; -1 before the first listing.
    int m_listedSim = -1;
};
