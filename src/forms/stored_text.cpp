#include "forms/stored_text.h"

#include "platform/windows_1252.h"

std::string EditedText(const std::string& stored, const std::string& typed) {
    return typed == Utf8FromStored(stored) ? stored : typed;
}
