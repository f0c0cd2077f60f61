// How long publishing a race takes for a full field of 43 drivers: reading the standings file of each
// simulator and making its results page; and, for a damaged 8 MB ".stn" without line ends, reading it
// and making its page, which must take time proportional to its size.

#include "bench_folder.h"
#include "results/html_results.h"
#include "results/stn_file.h"
#include "results/won_file.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

constexpr int fieldSize = 43;
constexpr size_t oneLineStandingsSize = 8 << 20;

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string WonStandings() {
    std::string text =
        "trackname 'Bench Speedway' id 'bench' laps '200' a '' b '' flags '4' e '' dir '90' spd "
        "'8' temp '77'\r\n";
    for (int n = 1; n <= fieldSize; ++n)
        text += "driver 'Driver " + std::to_string(n) + "' car '" + std::to_string(n) + "' start '" +
                std::to_string(fieldSize + 1 - n) + "' finish '" + std::to_string(n) + "' laps '200' led '" +
                std::to_string(n % 5) +
                "' qt '0:00:21.500' qs '120.500' at '0:00:22.000' as '118.000' bt "
                "'0:00:21.000' bs '121.000' inc '2' status '0'\r\n";
    return text;
}

std::string StnStandings() {
    std::string text = "Race Final Bench Speedway\r\n150.0 miles, 200 laps\r\n";
    for (int n = 1; n <= fieldSize; ++n) {
        char line[128];
        std::snprintf(line, sizeof line, "%2d  %2d  %3d  %-27s %3d  %3d   %3d  %-12s %-12s\r\n", n,
                      fieldSize + 1 - n, n, ("Driver " + std::to_string(n)).c_str(), 200, n % 5, 180 - n,
                      "21.500", "Running");
        text += line;
    }
    return text + "  Race time: 1:02:03\r\n  Caution flags: 4 for 20 laps\r\n  Weather - 77^F, clear\r\n";
}

std::string OneLineStnStandings() {
    std::string standings = StnStandings();
    std::string text;
    while (text.size() < oneLineStandingsSize)
        text += standings;
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
    return text;
}

const char* const pageTemplate =
    "<!DOCTYPE html><html><head><title>D_TRACK</title></head><body>\n"
    "<h1>D_TRACK</h1><p>D_DATE D_LAPS D_TIME D_SPD D_MARGIN D_FLAGS D_LEAD D_WEATHER</p>\n"
    "<table><tr><th>Fin</th><th>Driver</th></tr>\n"
    "<tr><td>D_FIN</td><td>D_START</td><td>D_CAR</td><td>D_NAME</td><td>D_COMPLETE</td><td>D_LED</td>"
    "<td>D_PTS</td><td>D_QUALTIME</td><td>D_OUT</td><td>D_AVGSPD</td><td>D_BESTTIME</td><td>D_INCIDENTS</"
    "td></tr>\n"
    "</table>\n"
    "</body></html>\n";

template <typename Reader>
void ReadStandings(benchmark::State& state, const char* name, const std::string& standings) {
    BenchFolder folder;
    WriteFile(folder.File(name), standings);
    for (auto _ : state) {
        Reader reader(folder.File(name));
        benchmark::DoNotOptimize(reader.GetDriverCount());
    }
}

void BM_ReadWonFile(benchmark::State& state) {
    ReadStandings<CWonFile>(state, "race.won", WonStandings());
}
void BM_ReadStnFile(benchmark::State& state) {
    ReadStandings<CStnFile>(state, "race.stn", StnStandings());
}

void BM_ReadOneLineStnFile(benchmark::State& state) {
    ReadStandings<CStnFile>(state, "race.stn", OneLineStnStandings());
}

void BM_MakeHtmlResults(benchmark::State& state, int simulator, const std::string& standings) {
    BenchFolder folder;
    std::string name = simulator == 0 ? "race.won" : "race.stn";
    WriteFile(folder.File(name), standings);
    WriteFile(folder.File("Quorvahtml.html"), pageTemplate);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CHtmlResults(folder.File(name), folder.File("race.html"), simulator).MakeHtmlResults());
}

} // namespace

BENCHMARK(BM_ReadWonFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadStnFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadOneLineStnFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MakeHtmlResults, won, 0, WonStandings())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeHtmlResults, stn, 1, StnStandings())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MakeHtmlResults, one_line_stn, 1, OneLineStnStandings())->Unit(benchmark::kMillisecond);
