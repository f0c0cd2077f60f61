#pragma once

#include <string>

// Asks the operator for the display name of a track that a calendar lists but its track dictionary
// lacks. The windowed program installs the Track Error dialog; tests install a scripted answer.
class TrackNamePrompt {
public:
    virtual ~TrackNamePrompt() = default;
    // itemNumber is the track's 1-based entry number in the calendar. Returns the name the operator
    // gave, empty when the question was closed without one.
    virtual std::string AskTrackName(int itemNumber, const std::string& trackId,
                                     const std::string& simulatorName) = 0;
};

// Installs the prompt; nullptr leaves no operator to ask, and every question is answered empty.
void SetTrackNamePrompt(TrackNamePrompt* prompt);

std::string AskTrackName(int itemNumber, const std::string& trackId, const std::string& simulatorName);
