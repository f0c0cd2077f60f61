#include "simfiles/options_cfg.h"

#include "core/app_state.h"
#include "core/file_open_error.h"
#include "core/simulator.h"
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
    const Simulator& installation = SimulatorOf(simulator);
    if (!Installed(installation))
        return;
    std::string path = (*Server).*installation.path + "options.cfg";
    FileFailure failure = PatchFileBytes(path, {{ipxOffset, Allowed(Server->ConnectIPX)},
                                                {tcpOffset, Allowed(Server->ConnectTCP)},
                                                {internetOffset, Allowed(Server->ConnectNET)}});
    if (failure.cause != CauseNone)
        ShowFileFailure(path, failure);
}
