#pragma once

// Sets ProgramVersion to the running program's "ProductVersion", or to "0.00" when its file has none.
void ReadProgramVersion();
