#pragma once

#include "platform/file_cause.h"

#include <string>

// The cause text of a file-open cause code 0-15; empty for any other code.
std::string FileCauseText(int cause);

// The cause text of a failure with the file at path; for a file too large to be read, with its size.
std::string FileCauseText(const std::string& path, int cause);

// Tells the operator that path could not be opened, and why, in a message box with an OK button.
void ShowFileOpenError(const std::string& path, int cause);

// The file-open message for a failed open; for any other step it names the step and adds the system's
// own description of the error to the cause text: "The following error occurred while trying to
// replace PATH" + two line ends + "disk is full (No space left on device)".
std::string FileFailureText(const std::string& path, const FileFailure& failure);

// Tells the operator of a failed file operation in a message box with an OK button.
void ShowFileFailure(const std::string& path, const FileFailure& failure);
