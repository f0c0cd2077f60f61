#pragma once

#include <string>

// The n-th field (counted from 1) of text split at separator, or defaultValue when n is beyond
// fieldLimit, the text is empty, the text has fewer than n fields, or the field is empty.
std::string GetRecordField(const std::string& text, char separator, int fieldLimit, int n,
                           const std::string& defaultValue);
