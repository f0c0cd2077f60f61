#include "forms/file_locations_form.h"

#include "core/app_state.h"
#include "settings/install_lookup.h"

namespace {

constexpr int pathLength = 512;

using Field = RecordField<SERVER>;

constexpr FormField Path(const char* key, const char* label, bool readOnly) {
    return {key, label, FieldKind::Text, 0, 0, pathLength, nullptr, false, nullptr, false, readOnly};
}

// In the order they are checked; the first that fails stops the checking.
const Field fields[] = {
    {Path("path_n3", "Program path", false), nullptr, &SERVER::PathN3},
    {Path("calendar_n3", "Calendar file", true), nullptr, &SERVER::CalendarFileN3},
    {Path("invite_n3", "Invite list file", true), nullptr, &SERVER::InviteFileN3},
    {Path("muzzle_n3", "Muzzle list file", true), nullptr, &SERVER::MuzzleFileN3},
    {Path("path_nl", "Program path", false), nullptr, &SERVER::PathNL},
    {Path("calendar_nl", "Calendar file", true), nullptr, &SERVER::CalendarFileNL},
    {Path("invite_nl", "Invite list file", true), nullptr, &SERVER::InviteFileNL},
    {Path("muzzle_nl", "Muzzle list file", true), nullptr, &SERVER::MuzzleFileNL},
};

} // namespace

FileLocationsForm::FileLocationsForm() : RecordForm(fields), m_paths(*Server) {
    ShowRecord(m_paths);
}

void FileLocationsForm::RestoreFromRegistry(SimulatorValue simulator) {
    m_paths.*Simulators[simulator].path = LookupInstallPath(InstallItems[simulator]);
    ShowRecord(m_paths);
}

std::optional<FormProblem> FileLocationsForm::Accept() {
    SERVER read = m_paths;
    if (std::optional<FormProblem> problem = ReadRecord(read))
        return problem;
    m_paths = read;
    return std::nullopt;
}
