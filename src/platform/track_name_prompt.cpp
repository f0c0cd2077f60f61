#include "platform/track_name_prompt.h"

namespace {
TrackNamePrompt* currentPrompt = nullptr;
}

void SetTrackNamePrompt(TrackNamePrompt* prompt) {
    currentPrompt = prompt;
}

std::string AskTrackName(int itemNumber, const std::string& trackId, const std::string& simulatorName) {
    if (currentPrompt == nullptr)
        return "";
    return currentPrompt->AskTrackName(itemNumber, trackId, simulatorName);
}
