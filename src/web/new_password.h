#pragma once

#include <cstdio>
#include <optional>
#include <string>

// Reads the web admin's new password from the operator: on a terminal it asks twice without echoing it,
// and the two must agree; from a pipe it takes one line. The reason it takes none is written to prompts:
// empty, not the same twice, or the input ended first.
std::optional<std::string> ReadNewPassword(int input, std::FILE* prompts);
