#pragma once

#include "publish/race_json.h"
#include "publish/run_status.h"

#include <string>
#include <vector>

// The published folder's own pages and status file. The pages take their style from the results
// template's head, so index, status and race pages look alike and the operator styles all three in one
// place.

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
