#pragma once

#include <string>

// What the stand-in saw of its start, for tests to compare byte for byte: the raw command line a Windows
// program reads (GetCommandLineA, Windows build only), the current folder and each argument, one a line:
//
//   command line: "Nascar Legends.exe" "arena:Invisible" "serv: file evt00003.dmn"
//   current folder: C:\Sims\NL
//   argument 0: Nascar Legends.exe
//   ...
std::string SeenText(int argc, char** argv);

// The file beside the event file that holds it: "evt00003.dmn" gives "evt00003.seen".
std::string SeenFileName(const std::string& eventFileName);
