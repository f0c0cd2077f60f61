#pragma once

#include <string>

// Windows compares names (files, keys, sections) without regard to case; these fold ASCII letters.

std::string LowerCase(std::string text);

bool SameWithoutCase(const std::string& a, const std::string& b);
