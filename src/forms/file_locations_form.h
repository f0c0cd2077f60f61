#pragma once

#include "core/server.h"
#include "core/simulator.h"
#include "forms/record_form.h"

// The File Locations dialog's fields: each simulator's program path, calendar file, invite list file
// and muzzle list file. Only the program paths may be changed; the files are named after them. Nothing
// is stored: the program keeps looking where the settings file says.
class FileLocationsForm : public RecordForm<SERVER> {
public:
    // Shows the server's eight paths.
    FileLocationsForm();

    // Looks the simulator's program path up in the registry again and shows the eight paths as the form
    // holds them, so a path typed into the other program path since is replaced.
    void RestoreFromRegistry(SimulatorValue simulator);

    // Checks the eight fields in their order; when all pass, the form holds them (Paths).
    std::optional<FormProblem> Accept();

    const SERVER& Paths() const { return m_paths; }

private:
    SERVER m_paths;
};
