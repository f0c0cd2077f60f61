#include "results/html_template.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/file_system.h"
#include "platform/text_mode.h"

std::unique_ptr<HTML_TEMPLATE> HtmlTemplate;

void LoadHtmlTemplate() {
    std::string path = GetProgramFolder() + "Quorvahtml.html";
    if (!HtmlTemplate)
        HtmlTemplate = std::make_unique<HTML_TEMPLATE>();
    FileReadResult file = ReadFileBytes(path);
    if (file.cause != CauseNone) {
        ShowFileOpenError(path, file.cause);
        return;
    }
    std::string text = CrLfToLf(file.bytes);
    size_t start = 0;
    for (std::string& part : HtmlTemplate->Parts) {
        if (start >= text.size())
            break;
        size_t feed = text.find('\n', start);
        size_t end = feed == std::string::npos ? text.size() : feed;
        if (end == start)
            break;
        part = text.substr(start, end - start);
        start = end + 1;
    }
}
