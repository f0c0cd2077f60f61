#include "forms/unattended_running_form.h"

#include "forms/stored_text.h"
#include "platform/windows_1252.h"
#include "settings/watchdog_settings.h"

namespace {

// As many characters as the settings file gives back; the limit's typing stops at six digits.
constexpr int folderLength = 254;
constexpr int titleLength = 79;
constexpr int minutesLength = 6;

// In the order they are checked.
std::vector<FormField> FieldsInOrder() {
    return {
        {"publish_folder", "Results folder (empty: \"results\" in the program folder)", FieldKind::Text, 0, 0,
         folderLength},
        {"publish_title", "League title (empty: the host name)", FieldKind::Text, 0, 0, titleLength},
        {"max_race_minutes", "Longest race in minutes, then its simulator is ended (0: no limit)",
         FieldKind::Integer, 0, maxRaceMinutesLimit, minutesLength},
    };
}

FormProblem Refusal(const char* key, std::string message) {
    return {key, {std::move(message), MessageIcon::Warning}, true};
}

} // namespace

UnattendedRunningForm::UnattendedRunningForm() : Form(FieldsInOrder()), m_shown(Publish) {
    Show("publish_folder", {0, Utf8FromStored(m_shown.Folder)});
    Show("publish_title", {0, Utf8FromStored(m_shown.Title)});
    std::vector<std::string> refused;
    Show("max_race_minutes", {0, std::to_string(ReadWatchdogSettings(refused).MaxRaceMinutes)});
}

std::optional<FormProblem> UnattendedRunningForm::Accept() {
    PUBLISH values = m_shown;
    values.Folder = EditedText(m_shown.Folder, Value("publish_folder").text);
    values.Title = EditedText(m_shown.Title, Value("publish_title").text);
    PublishCheck check = CheckPublishSettings(values);
    if (check.field != PublishField::None)
        return Refusal(check.field == PublishField::Folder ? "publish_folder" : "publish_title",
                       check.message);
    std::optional<int> minutes = MaxRaceMinutesOf(Value("max_race_minutes").text);
    if (!minutes)
        return Refusal("max_race_minutes", MaxRaceMinutesRefusal());
    Publish = values;
    if (WritePublishSettings())
        WriteWatchdogSettings({*minutes});
    return std::nullopt;
}
