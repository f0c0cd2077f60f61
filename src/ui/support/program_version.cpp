#include "ui/support/program_version.h"

#include "core/app_state.h"
#include "platform/program_file.h"
#include "ui/support/module_version.h"

void ReadProgramVersion() {
    ProgramVersion.clear();
    CModuleVersion version;
    ProgramVersion =
        version.GetFileVersionInfo(ProgramFilePath()) ? version.GetValue("ProductVersion") : "0.00";
}
