#pragma once

#include <wx/icon.h>

// The program's icon (icon 128), for its windows.
wxIcon ProgramIcon();
