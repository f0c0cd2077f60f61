#pragma once

#include "forms/race_fields.h"

// The Default Race Configuration dialog's fields: the settings that every new event starts from.
class DefaultRaceForm : public RecordForm<RACE> {
public:
    // Shows the default race, fitted to the installation; a simulator without a folder is not chosen.
    DefaultRaceForm();

    // Checks the fields in their order; when all pass, stores them as the default race, which belongs to
    // no calendar (its track, date and time stay as they were), and writes the settings file.
    std::optional<FormProblem> Accept();

private:
    RACE m_shown;
};
