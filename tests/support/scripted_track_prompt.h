#pragma once

#include "platform/track_name_prompt.h"

#include <deque>
#include <string>
#include <vector>

// Answers the track-name questions with queued names (empty when none is left) and records each
// question, while it lives.
class ScriptedTrackPrompt : public TrackNamePrompt {
public:
    struct Question {
        int itemNumber;
        std::string trackId;
        std::string simulatorName;
    };

    ScriptedTrackPrompt() { SetTrackNamePrompt(this); }
    ~ScriptedTrackPrompt() override { SetTrackNamePrompt(nullptr); }

    std::string AskTrackName(int itemNumber, const std::string& trackId,
                             const std::string& simulatorName) override {
        questions.push_back({itemNumber, trackId, simulatorName});
        if (answers.empty())
            return "";
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::string> answers;
    std::vector<Question> questions;
};
