#include "results/html_results.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "core/simulator.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/local_time.h"
#include "platform/text_mode.h"
#include "platform/write_check.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "results/html_escape.h"
#include "results/html_template.h"

#include <ctime>

namespace {

constexpr int rowPart = 4;

// The tokens by their offset from the first token id.
enum Token {
    D_TRACK,
    D_LAPS,
    D_DATE,
    D_FIN,
    D_START,
    D_CAR,
    D_DRIVER,
    D_COMPLETE,
    D_LED,
    D_PTS,
    D_QUAL,
    D_OUT,
    D_TIME,
    D_SPD,
    D_MARGIN,
    D_FLAGS,
    D_LEAD,
    D_WEATHER,
    D_NAME,
    D_QUALTIME,
    D_QUALSPD,
    D_AVGTIME,
    D_AVGSPD,
    D_BESTTIME,
    D_BESTSPD,
    D_INCIDENTS
};

std::string Number(int value) {
    return std::to_string(value);
}

// The race texts that both readers hold.
template <typename Reader>
std::optional<std::string> RaceText(const Reader& reader, int token) {
    switch (token) {
    case D_TRACK:
        return reader.GetTrack();
    case D_LAPS:
        return reader.GetLaps();
    case D_TIME:
        return reader.GetRaceTime();
    case D_SPD:
        return reader.GetAverageSpeed();
    case D_MARGIN:
        return reader.GetMargin();
    case D_FLAGS:
        return reader.GetCautions();
    case D_LEAD:
        return reader.GetLeadChanges();
    case D_WEATHER:
        return reader.GetWeather();
    default:
        return std::nullopt;
    }
}

// The driver values that both kinds of driver hold under the same names.
template <typename Driver>
std::optional<std::string> DriverValue(const Driver& driver, int token) {
    switch (token) {
    case D_FIN:
        return Number(driver.Finish);
    case D_START:
        return Number(driver.Start);
    case D_CAR:
        return Number(driver.Car);
    case D_COMPLETE:
        return Number(driver.LapsCompleted);
    case D_LED:
        return Number(driver.LapsLed);
    case D_PTS:
        return Number(driver.Points);
    case D_NAME:
        return driver.Name;
    default:
        return std::nullopt;
    }
}

} // namespace

std::string TodaysDate() {
    return FormatLocalTime(std::time(nullptr), "%A, %B %d, %Y");
}

CHtmlResults::CHtmlResults(const std::string& standingsPath, const std::string& pagePath, int simulator)
    : m_standingsPath(standingsPath), m_pagePath(pagePath), m_simulator(simulator) {}

CHtmlResults CHtmlResults::Sample(int simulator) {
    std::string folder = GetProgramFolder();
    return {folder + "Quorvasample" + SimulatorOf(simulator).standingsExtension, folder + "Quorvasample.html",
            simulator};
}

bool CHtmlResults::MakeHtmlResults() {
    m_standingsPath = WithExistingNameCase(m_standingsPath);
    if (!FileExists(m_standingsPath))
        return false;
    m_stnFile.reset();
    m_wonFile.reset();
    m_page.clear();
    if (m_simulator == SimulatorN3)
        m_wonFile = std::make_shared<CWonFile>(m_standingsPath);
    else
        m_stnFile = std::make_shared<CStnFile>(m_standingsPath);
    // Standings that could not be read hold no race: the older page stays rather than one without drivers.
    if (!(m_wonFile ? m_wonFile->IsRead() : m_stnFile->IsRead()))
        return false;

    // A page that cannot be written is told before any work is done; the older page stays whole until
    // the new one replaces it in one step.
    const std::string& outputPath = m_pagePath;
    FileCause cause = CheckReplaceable(outputPath);
    if (cause != CauseNone) {
        ShowFileOpenError(outputPath, cause);
        return false;
    }
    if (!LoadHtmlTemplate())
        return false;
    m_outputLines.clear();
    for (size_t k = 0; k < HtmlTemplate->Parts.size(); ++k)
        ProcessPart(static_cast<int>(k) + 1, HtmlTemplate->Parts[k]);

    std::string page;
    for (const std::string& line : m_outputLines)
        page += line + "\n";
    page = LfToCrLf(page);
    FileFailure failure = WriteFileAtomically(outputPath, page);
    if (failure.cause != CauseNone) {
        ShowFileFailure(outputPath, failure);
        return false;
    }
    m_page = std::move(page);
    return true;
}

void CHtmlResults::ProcessPart(int k, const std::string& part) {
    if (k != rowPart) {
        m_outputLines.push_back(TokenPass(part));
        return;
    }
    // Each driver in turn becomes the current one, whose values its row takes.
    int count = m_wonFile ? m_wonFile->GetDriverCount() : m_stnFile->GetDriverCount();
    for (int n = 1; n <= count; ++n) {
        if (m_wonFile)
            m_wonFile->GetDriver(n);
        else
            m_stnFile->GetDriver(n);
        m_outputLines.push_back(TokenPass(part));
    }
}

std::string CHtmlResults::TokenPass(const std::string& part) const {
    std::string text = part;
    for (int token = 0; token < HtmlTokenCount; ++token) {
        std::string name = LoadString(IDS_HTML_TOKEN_FIRST + token);
        if (part.find(name) == std::string::npos)
            continue;
        size_t at = text.find(name);
        if (at == std::string::npos)
            continue;
        std::optional<std::string> value = TokenValue(token);
        if (value)
            text.replace(at, name.size(), *value);
    }
    return text;
}

std::optional<std::string> CHtmlResults::TokenValue(int token) const {
    if (token == D_DATE)
        return TodaysDate();
    std::optional<std::string> value = m_wonFile ? WonValue(token) : StnValue(token);
    if (value)
        return HtmlEscape(*value);
    return value;
}

std::optional<std::string> CHtmlResults::StnValue(int token) const {
    if (std::optional<std::string> text = RaceText(*m_stnFile, token))
        return text;
    const STNDRIVER* driver = m_stnFile->GetCurrentDriver();
    // Above the rows no driver is current yet: its tokens give nothing.
    STNDRIVER none;
    const STNDRIVER& d = driver != nullptr ? *driver : none;
    if (std::optional<std::string> value = DriverValue(d, token))
        return value;
    switch (token) {
    case D_QUAL:
    case D_QUALTIME:
    case D_QUALSPD:
        return d.Qualifying.empty() ? "DNQ" : d.Qualifying;
    case D_OUT:
        return d.Out;
    default:
        return std::nullopt;
    }
}

std::optional<std::string> CHtmlResults::WonValue(int token) const {
    if (std::optional<std::string> text = RaceText(*m_wonFile, token))
        return text;
    const WONDRIVER* driver = m_wonFile->GetCurrentDriver();
    WONDRIVER none;
    const WONDRIVER& d = driver != nullptr ? *driver : none;
    if (std::optional<std::string> value = DriverValue(d, token))
        return value;
    switch (token) {
    case D_QUAL:
    case D_QUALSPD:
        return d.QualifyingSpeed;
    case D_OUT:
        return m_wonFile->GetStatusText();
    case D_QUALTIME:
        return d.QualifyingTime;
    case D_AVGTIME:
        return d.AverageTime;
    case D_AVGSPD:
        return d.AverageSpeed;
    case D_BESTTIME:
        return d.BestTime;
    case D_BESTSPD:
        return d.BestSpeed;
    case D_INCIDENTS:
        return Number(d.Incidents);
    default:
        return std::nullopt;
    }
}
