#pragma once

#include <string>
#include <vector>

// One point of the installation check.

enum class CheckStatus { Ok, Warning, Failure };

struct CheckLine {
    CheckStatus status = CheckStatus::Ok;
    // What was found and, when it fails, what to do.
    std::string text;
    // The last lines a program run for the check wrote, when they tell why it failed.
    std::vector<std::string> said;
};
