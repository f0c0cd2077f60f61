#pragma once

#include "core/server.h"
#include "forms/record_form.h"

// The Server Settings dialog's own fields (the dialogs it opens have forms of their own).
class ServerSettingsForm : public RecordForm<SERVER> {
public:
    // Shows the server settings; an arena may be chosen for an installed simulator only.
    ServerSettingsForm();

    // The arenas' names from the string table, the invisible arena last.
    std::vector<std::string> ChoiceLabels(std::string_view key) const override;

    // Checks the fields in their order; when all pass, stores them in the server settings, writes the
    // settings file and each installed simulator's options file.
    std::optional<FormProblem> Accept();

private:
    SERVER m_shown;
};
