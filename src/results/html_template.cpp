#include "results/html_template.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/file_system.h"
#include "platform/text_mode.h"

thread_local std::unique_ptr<HTML_TEMPLATE> HtmlTemplate;

bool LoadHtmlTemplate() {
    std::string path = GetProgramFolder() + "Quorvahtml.html";
    if (!HtmlTemplate)
        HtmlTemplate = std::make_unique<HTML_TEMPLATE>();
    FileReadResult file = ReadFileBytes(path);
    if (file.cause != CauseNone) {
        ShowFileOpenError(path, file.cause);
        return false;
    }
    std::vector<std::string> lines = LinesBeforeFirstEmpty(TextModeRead(file.bytes));
    for (size_t k = 0; k < lines.size() && k < HtmlTemplate->Parts.size(); ++k)
        HtmlTemplate->Parts[k] = lines[k];
    return true;
}
