#include "fuzz_standings.h"
#include "platform/windows_1252.h"
#include "results/stn_file.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <string>

namespace {

// The characters of a UTF-8 text.
size_t Characters(const std::string& text) {
    return Windows1252FromUtf8(text).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder folder;
    folder.Write("race.stn", std::string(reinterpret_cast<const char*>(data), size));
    CStnFile reader(folder.File("race.stn"));
    CheckDriverList(reader);
    // Every text is UTF-8 from one read of at most 88 characters.
    for (const std::string* text :
         {&reader.GetTrack(), &reader.GetLaps(), &reader.GetRaceTime(), &reader.GetCautions()})
        Check(IsValidUtf8(*text) && Characters(*text) <= 88);
    Check(Characters(reader.GetWeather()) <= 88 + std::string(" degrees ").size());
    for (int n = 1; n <= reader.GetDriverCount(); ++n)
        Check(Characters(reader.GetDriver(n)->Name) <= 27 && Characters(reader.GetDriver(n)->Out) <= 12);
    return 0;
}
