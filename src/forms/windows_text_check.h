#pragma once

#include "platform/messages.h"

#include <optional>
#include <string_view>

// The message that refuses a text a simulator reads (the options file carries it in the simulators'
// character set, Windows-1252) when it holds a character that Windows-1252 cannot hold. The name says
// which field it is.
std::optional<Message> CheckWindowsText(std::string_view text, std::string_view name);
