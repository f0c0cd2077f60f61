#include "fuzz_standings.h"
#include "results/stn_file.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder folder;
    folder.Write("race.stn", std::string(reinterpret_cast<const char*>(data), size));
    CStnFile reader(folder.File("race.stn"));
    CheckDriverList(reader);
    // Every text comes from one read of at most 88 characters.
    for (const std::string* text :
         {&reader.GetTrack(), &reader.GetLaps(), &reader.GetRaceTime(), &reader.GetCautions()})
        Check(text->size() <= 88);
    Check(reader.GetWeather().size() <= 88 + std::string(" degrees ").size());
    for (int n = 1; n <= reader.GetDriverCount(); ++n)
        Check(reader.GetDriver(n)->Name.size() <= 27 && reader.GetDriver(n)->Out.size() <= 12);
    return 0;
}
