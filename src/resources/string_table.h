#pragma once

#include <string>

// The text of a string-table entry (string_ids.h); empty for an id the table does not hold.
std::string LoadString(int id);
