#pragma once

#include <string>

// The cause text of a file-open cause code 0-15; empty for any other code.
std::string FileCauseText(int cause);

// The cause text of a failure with the file at path; for a file too large to be read, with its size.
std::string FileCauseText(const std::string& path, int cause);

// Tells the operator that path could not be opened, and why, in a message box with an OK button.
void ShowFileOpenError(const std::string& path, int cause);
