#pragma once

#include "forms/form.h"
#include "settings/publish_settings.h"

// The Unattended Running dialog's fields: where every race's results are kept for the league, the
// league's name on the pages (section [PUBLISH]), and how long a race may run before its simulator is
// ended ([WATCHDOG]).
class UnattendedRunningForm : public Form {
public:
    // Shows Publish and the stored race time limit; a stored limit that a run would refuse shows as the
    // no limit that the run reads it as.
    UnattendedRunningForm();

    // Checks the folder, the title and the limit in that order with the settings' own rules; when all
    // pass, stores the folder and title, then the limit. One failed write is told once: the limit is not
    // written after the publish settings could not be.
    std::optional<FormProblem> Accept();

private:
    PUBLISH m_shown;
};
