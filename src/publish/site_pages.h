#pragma once

#include "publish/race_json.h"
#include "publish/run_status.h"

#include <string>
#include <vector>

// The published folder's own pages and status file. The pages take their style from the results
// template's head, so index, status and race pages look alike and the operator styles all three in one
// place.

// The start of a page of the folder up to its main part, with extra in its head, and its end.
std::string PageHead(const std::string& title, const std::string& style, const std::string& extra);
extern const char* const pageTail;

// "NASCAR Racing 3" or "NASCAR Legends" for a simulator's short id; the id itself for another.
std::string SimulatorName(const std::string& id);

// The CSS between "<style>" and "</style>" in the first line of the template text; empty without one.
std::string StyleOfTemplate(const std::string& templateText);

// index.html: every kept race, in the order given (newest first), each linked to its page.
std::string IndexPage(const std::string& title, const std::string& style,
                      const std::vector<const KeptRace*>& races);

// status.html, which reloads itself once a minute.
std::string StatusPage(const std::string& title, const std::string& style, const RunStatus& status);

// status.json (README, "The published folder").
std::string StatusJson(const std::string& title, const RunStatus& status);

// The race page as kept: the league's title, linked to the index, at the top of the page's body.
std::string WithLeagueHeader(const std::string& page, const std::string& title);
