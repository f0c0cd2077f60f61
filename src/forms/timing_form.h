#pragma once

#include "core/server.h"
#include "forms/record_form.h"

// The Timing Settings dialog's fields: how the schedule is timed, and how it starts and ends.
class TimingForm : public RecordForm<SERVER> {
public:
    // Shows the server settings with the layout of their timing mode; without "Stop at end" the shut-down
    // box shows cleared and may not be checked.
    TimingForm();

    // Applies the rule tied to a field after the operator changed it: the timing mode sets the layout,
    // "Stop at end" rules the shut-down box, the time-frame box its fields.
    void Changed(std::string_view key);

    // Checks the fields in their order, then every time, also one whose field the timing mode disables;
    // when all pass, stores them in the server settings and writes the settings file.
    std::optional<FormProblem> Accept();

private:
    void ApplyLayout(int mode);
    void StopAtEndRule();
    void EnableTimeFrame(bool enabled);

    SERVER m_shown;
};
