#pragma once

#include "startup/check_line.h"

#include <ctime>
#include <string>
#include <vector>

// Whether everything a schedule needs is in place, told point by point before the first race: each
// installed simulator (its registry entry and folder, its program and whether Wine can run it here, its
// calendar, the files it needs written), the program folder, and the schedule. Nothing is changed.

struct InstallationReport {
    std::vector<CheckLine> lines;

    int Count(CheckStatus status) const;
    // True when no point fails: a schedule can run, warnings or not.
    bool Ready() const { return Count(CheckStatus::Failure) == 0; }
};

// Checks what start-up found (the application-wide state; Server may be missing when start-up ended
// for want of a simulator), dated events compared with now. A simulator that is a Windows program is
// run through Wine for real: Wine is asked for its version and made to run our launcher of the
// program's width, each within a time limit.
InstallationReport CheckInstallation(std::time_t now);

// One line per point ("  ok    ...", "  warn  ...", "  FAIL  ..."), what a program said indented below
// its point.
std::string FormatReport(const InstallationReport& report);

// The verdict in a sentence: ready or not, with the number of failures and warnings.
std::string VerdictText(const InstallationReport& report);
