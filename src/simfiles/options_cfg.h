#pragma once

// Copies the server's allowed connection types (IPX, TCP/IP, Internet) into the "options.cfg" of the
// simulator's installation (SimulatorN3 or SimulatorNL), when that simulator is installed, so
// the dedicated server offers the same ones. Only the three connection bytes change.
void PatchOptionsCfg(int simulator);
