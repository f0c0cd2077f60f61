#include "fuzz_standings.h"
#include "results/won_file.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder folder;
    folder.Write("race.won", std::string(reinterpret_cast<const char*>(data), size));
    CWonFile reader(folder.File("race.won"));
    CheckDriverList(reader);
    int mostLapsBonuses = 0;
    for (int n = 1; n <= reader.GetDriverCount(); ++n) {
        const WONDRIVER* driver = reader.GetDriver(n);
        int bonus = driver->Points - PositionPoints(driver->Finish) - (driver->LapsLed > 0 ? 5 : 0);
        Check(bonus == 0 || (bonus == 5 && driver->LapsLed > 0));
        mostLapsBonuses += bonus / 5;
        Check(!driver->Name.empty() && !driver->QualifyingTime.empty() && !driver->BestSpeed.empty());
        std::string status = reader.GetStatusText();
        Check(status == "Running" || status == "Accident" || status == "DNF");
    }
    Check(mostLapsBonuses <= 1);
    return 0;
}
