#include "startup/program_version.h"

#include "core/app_state.h"
#include "platform/module_version.h"
#include "platform/program_file.h"

void ReadProgramVersion() {
    ProgramVersion.clear();
    CModuleVersion version;
    ProgramVersion =
        version.GetFileVersionInfo(ProgramFilePath()) ? version.GetValue("ProductVersion") : "0.00";
}
