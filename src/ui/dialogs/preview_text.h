#pragma once

#include <string>

// The options text as the preview field shows it: every line feed preceded by a carriage return,
// carriage returns already there kept as they are.
std::string WithCarriageReturns(const std::string& text);
