#include "fuzz_check.h"
#include "platform/windows_1252.h"
#include "simfiles/calendar_file.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <string>

// Track names are never asked for here: that would write the track dictionary of the program's folder.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder folder;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    folder.Write("all.cal", bytes);
    CCalendarFileN3 n3(folder.File("all.cal"));
    CCalendarFileNL nl(folder.File("all.cal"));
    int count = n3.GetTrackCount();
    Check(n3.GetErrorText().empty() && nl.GetTrackCount() == count && static_cast<size_t>(count) <= size);
    Check(n3.GetTrackId(-1).empty() && n3.GetTrackId(count).empty());
    for (int i = 0; i < count; ++i) {
        std::string id = n3.GetTrackId(i);
        // The identifier is UTF-8 of at most 8 characters, each taken from the file as it stands or
        // from its Windows-1252 bytes.
        std::string windows = Windows1252FromUtf8(id);
        Check(id == nl.GetTrackId(i) && IsValidUtf8(id) && windows.size() <= 8);
        Check(bytes.find(id) != std::string::npos || bytes.find(windows) != std::string::npos);
        Check(id.find_first_of(std::string(" \n\0", 3)) == std::string::npos);
        Check(id.empty() || id.find_last_of(" \t\r\v\f") != id.size() - 1);
    }
    return 0;
}
