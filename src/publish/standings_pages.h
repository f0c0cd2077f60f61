#pragma once

#include "publish/season_standings.h"

#include <string>
#include <vector>

// standings.html and standings.json (README, "The published folder"). seasonStart is the setting as
// read: a text that is no date counts every race and the page says so.

std::string StandingsPage(const std::string& title, const std::string& style, const std::string& seasonStart,
                          const std::vector<SimulatorStandings>& standings);

std::string StandingsJson(const std::string& title, const std::string& seasonStart,
                          const std::vector<SimulatorStandings>& standings);
