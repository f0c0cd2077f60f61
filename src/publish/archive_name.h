#pragma once

#include <ctime>
#include <functional>
#include <string>

// The name under which a race is kept in the published folder, without extension:
// "2026-12-07_2104_NL_oak-ridge-mile". Local date and time of the race's end first, so the names sort
// by time; then the simulator's short id and the track as a slug.

// The track name as it may stand in a file name on any system and in a link: ASCII letters in lower
// case and digits, every run of other characters one hyphen, none at either end, at most 48
// characters; "track" when nothing is left.
std::string TrackSlug(const std::string& track);

// The first of base, base-2, base-3, ... that taken() says is free, so two races ending in the same
// minute on the same track keep distinct names.
std::string ArchiveBaseName(std::time_t ended, int simulator, const std::string& track,
                            const std::function<bool(const std::string& baseName)>& taken);

// "N3" or "NL".
std::string SimulatorId(int simulator);
