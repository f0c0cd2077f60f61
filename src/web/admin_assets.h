#pragma once

#include <string>

// The admin's style sheet, built into the program: nothing is served from disk.
const std::string& AdminStyleSheet();
