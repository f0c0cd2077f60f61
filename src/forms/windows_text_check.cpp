#include "forms/windows_text_check.h"

#include "platform/windows_1252.h"

#include <string>

std::optional<Message> CheckWindowsText(std::string_view text, std::string_view name) {
    if (FitsWindows1252(text))
        return std::nullopt;
    return Message{"The " + std::string(name) +
                       " can only hold characters of the Western European Windows character set.",
                   MessageIcon::Warning};
}
