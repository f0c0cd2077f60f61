#pragma once

#include "platform/track_name_prompt.h"

// Asks for a missing track name with the Track Error dialog, over the active window.
class TrackErrorPrompt : public TrackNamePrompt {
public:
    std::string AskTrackName(int itemNumber, const std::string& trackId,
                             const std::string& simulatorName) override;
};
