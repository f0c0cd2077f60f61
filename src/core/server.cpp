#include "core/server.h"

#include "core/simulator.h"

void SetNewServerValues(SERVER& server) {
    server = SERVER{};
    server.HostName = "Anonymous";
    server.AdminPassword = "kelp";
    server.RaceDelay = 1;
    server.DailyTime = "9:00";
    server.Pm = 1;
    server.MaxConnections = 42;
    server.FieldSize = 43;
    for (const Simulator& simulator : Simulators)
        server.*simulator.exeFile = simulator.programFile;
    server.LastRace = -1;
    server.UseBitmap = 1;
    server.ConnectTCP = 1;
    server.ConnectNET = 1;
    server.StartTimePM = 1;
    server.StartTime = "6:00";
    server.StopTime = "5:00";
}
