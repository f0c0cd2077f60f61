#pragma once

#include "results/stn_file.h"
#include "results/won_file.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Turns one standings file into an HTML results page beside it, through the program's template.
class CHtmlResults {
public:
    // An empty standingsPath stands for the simulator's sample file in the program's folder.
    CHtmlResults(const std::string& standingsPath, int simulator);

    // Writes the page, replacing an older one in one step; false when there was nothing to convert, the
    // standings or the template could not be read, or the page could not be written, and then an older
    // page is left as it was.
    bool MakeHtmlResults();

private:
    void ProcessPart(int k, const std::string& part);
    std::string TokenPass(const std::string& part) const;
    std::optional<std::string> TokenValue(int id) const;
    std::optional<std::string> StnValue(int id) const;
    std::optional<std::string> WonValue(int id) const;

    std::vector<std::string> m_outputLines;
    std::unique_ptr<CStnFile> m_stnFile;
    std::unique_ptr<CWonFile> m_wonFile;
    std::string m_standingsPath;
    int m_simulator;
};

// Today's local date as the page shows it: "Sunday, December 06, 2026".
std::string TodaysDate();
