#include "simfiles/options_cfg.h"

#include "core/app_state.h"
#include "core/file_open_error.h"
#include "platform/file_system.h"

namespace {

constexpr size_t ipxOffset = 143;
constexpr size_t tcpOffset = 147;
constexpr size_t internetOffset = 151;

char Allowed(int connection) {
    return connection != 0 ? 2 : 0;
}

} // namespace

void PatchOptionsCfg(int simulator) {
    if ((simulator == 0 && !N3Installed) || (simulator == 1 && !NLInstalled))
        return;
    std::string path = (simulator == 0 ? Server->PathN3 : Server->PathNL) + "options.cfg";
    FileFailure failure = PatchFileBytes(path, {{ipxOffset, Allowed(Server->ConnectIPX)},
                                                {tcpOffset, Allowed(Server->ConnectTCP)},
                                                {internetOffset, Allowed(Server->ConnectNET)}});
    if (failure.cause != CauseNone)
        ShowFileFailure(path, failure);
}
