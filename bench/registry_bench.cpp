// How long the installation lookup takes at start-up in a Wine prefix of ordinary size: a system.reg
// of 10,000 keys (some 3 MB), with the simulator's key at its end.

#include "bench_folder.h"
#include "settings/install_lookup.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>

namespace {

constexpr int keyCount = 10000;

std::string SystemHive() {
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n";
    for (int k = 0; k < keyCount; ++k)
        text += "[Software\\\\Classes\\\\CLSID\\\\{" + std::to_string(100000 + k) +
                "-0000-0000-C000-000000000046}\\\\InprocServer32] 1700000000\n#time=1d9a0b0c0d0e0f0\n"
                "@=\"C:\\\\windows\\\\system32\\\\ole32.dll\"\n\"ThreadingModel\"=\"Both\"\n"
                "\"Data\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,\\\n"
                "  18,19,1a\n\n";
    return text + "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\NASCAR Legends.exe]\n"
                  "\"Path\"=\"C:\\\\Sims\\\\NL\"\n";
}

void BM_LookupInstallPath(benchmark::State& state) {
    BenchFolder folder;
    std::ofstream(folder.File("system.reg"), std::ios::binary) << SystemHive();
    setenv("WINEPREFIX", folder.File("").c_str(), 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(LookupInstallPath(InstallItemNL));
    unsetenv("WINEPREFIX");
}

} // namespace

BENCHMARK(BM_LookupInstallPath)->Unit(benchmark::kMillisecond);
