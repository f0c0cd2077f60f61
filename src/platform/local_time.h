#pragma once

#include <ctime>
#include <string>

// The moment in local time, written with a strftime pattern ("%A, %B %d, %Y").
std::string FormatLocalTime(std::time_t moment, const char* pattern);
