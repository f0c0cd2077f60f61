#pragma once

#include "results/stn_file.h"
#include "results/won_file.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A race's results as the page maker made them: its page as written and its standings as read, one of
// the two readers by the simulator, so that they are kept without reading either file again.
struct RaceResults {
    int simulator = 0;
    std::string page;
    std::shared_ptr<CWonFile> won;
    std::shared_ptr<CStnFile> stn;
};

// Turns one standings file into an HTML results page, through the program's template.
class CHtmlResults {
public:
    CHtmlResults(const std::string& standingsPath, const std::string& pagePath, int simulator);

    // The simulator's sample standings in the program's folder, made into the sample page beside them.
    static CHtmlResults Sample(int simulator);

    // Writes the page, replacing an older one in one step; false when there was nothing to convert, the
    // standings or the template could not be read, or the page could not be written, and then an older
    // page is left as it was.
    bool MakeHtmlResults();

    // What the last page made was made of.
    RaceResults Made() const { return {m_simulator, m_page, m_wonFile, m_stnFile}; }

private:
    void ProcessPart(int k, const std::string& part);
    std::string TokenPass(const std::string& part) const;
    std::optional<std::string> TokenValue(int id) const;
    std::optional<std::string> StnValue(int id) const;
    std::optional<std::string> WonValue(int id) const;

    std::vector<std::string> m_outputLines;
    std::shared_ptr<CStnFile> m_stnFile;
    std::shared_ptr<CWonFile> m_wonFile;
    std::string m_standingsPath;
    std::string m_pagePath;
    int m_simulator;
    std::string m_page;
};

// Today's local date as the page shows it: "Sunday, December 06, 2026".
std::string TodaysDate();
