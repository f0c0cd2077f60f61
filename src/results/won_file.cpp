#include "results/won_file.h"

#include "core/record_field.h"
#include "platform/leading_integer.h"
#include "platform/text_mode.h"
#include "platform/windows_1252.h"

namespace {

constexpr int headerPieces = 20;
constexpr int driverPieces = 28;
constexpr int lapLedBonus = 5;
constexpr int accidentStatus = 21;

// The value that piece n of the line holds between apostrophes.
std::string Piece(const std::string& line, int pieceLimit, int n) {
    return Trimmed(GetRecordField(line, '\'', pieceLimit, n, ""));
}

std::string PieceOr(const std::string& line, int n, const char* whenEmpty) {
    std::string value = Piece(line, driverPieces, n);
    return value.empty() ? whenEmpty : value;
}

int NumberPiece(const std::string& line, int n) {
    return LeadingInteger(Piece(line, driverPieces, n));
}

std::string WindDirectionWord(int degrees) {
    static const char* const words[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    return degrees >= 0 && degrees % 45 == 0 && degrees / 45 < 8 ? words[degrees / 45] : "";
}

} // namespace

int PositionPoints(int finish) {
    if (finish >= 1 && finish <= 6)
        return 180 - 5 * finish;
    if (finish >= 7 && finish <= 11)
        return 146 - 4 * (finish - 7);
    if (finish >= 12 && finish <= 43)
        return 127 - 3 * (finish - 12);
    return 0;
}

CWonFile::CWonFile(std::string fileName) : CStandingsFile(std::move(fileName)) {
    std::string text = ReadText();
    SimulatorText encoding(text);
    for (const std::string& bytes : LinesBeforeFirstEmpty(text)) {
        if (bytes.size() == 1)
            continue;
        std::string line = encoding.ToUtf8(bytes);
        if (line.rfind("trackname", 0) == 0)
            ReadHeader(line);
        else
            AddDriverLine(line);
    }
    if (m_mostLapsLeader != nullptr)
        m_mostLapsLeader->Points += lapLedBonus;
}

void CWonFile::ReadHeader(const std::string& line) {
    m_track = Piece(line, headerPieces, 2);
    if (m_track.empty())
        m_track = "*Unknown Track Name*";
    m_laps = Piece(line, headerPieces, 6) + " Laps";
    m_cautions = "Caution flags - " + Piece(line, headerPieces, 12);
    m_weather = " " + WindDirectionWord(LeadingInteger(Piece(line, headerPieces, 16)));
    m_weather += " " + Piece(line, headerPieces, 18) + " mph";
    m_weather = "Weather - " + Piece(line, headerPieces, 20).substr(0, 2) + " degrees, " + m_weather;
}

void CWonFile::AddDriverLine(const std::string& line) {
    WONDRIVER& driver = AddDriver();
    driver.Name = PieceOr(line, 2, "*No Name*");
    driver.Car = NumberPiece(line, 4);
    driver.Start = NumberPiece(line, 6);
    driver.Finish = NumberPiece(line, 8);
    driver.LapsCompleted = NumberPiece(line, 10);
    driver.LapsLed = NumberPiece(line, 12);
    driver.QualifyingTime = PieceOr(line, 14, "0:00:00.000");
    driver.QualifyingSpeed = PieceOr(line, 16, "000.000");
    driver.AverageTime = PieceOr(line, 18, "0:00:00.000");
    driver.AverageSpeed = PieceOr(line, 20, "000.000");
    driver.BestTime = PieceOr(line, 22, "0:00:00.000");
    driver.BestSpeed = PieceOr(line, 24, "000.000");
    driver.Incidents = NumberPiece(line, 26);
    driver.StatusCode = NumberPiece(line, 28);

    driver.Points = PositionPoints(driver.Finish);
    if (driver.LapsLed > 0) {
        driver.Points += lapLedBonus;
        // Ties keep the earlier driver.
        if (m_mostLapsLeader == nullptr || driver.LapsLed > m_mostLapsLeader->LapsLed)
            m_mostLapsLeader = &driver;
    }
}

std::string CWonFile::GetStatusText() const {
    const WONDRIVER* driver = GetCurrentDriver();
    int status = driver != nullptr ? driver->StatusCode : 0;
    return status == 0 ? "Running" : status == accidentStatus ? "Accident" : "DNF";
}
