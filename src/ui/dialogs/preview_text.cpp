#include "ui/dialogs/preview_text.h"

std::string WithCarriageReturns(const std::string& text) {
    std::string shown;
    shown.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        if (c == '\n')
            shown += '\r';
        shown += c;
    }
    return shown;
}
