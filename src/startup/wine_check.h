#pragma once

#include "platform/executable_kind.h"
#include "startup/check_line.h"

#include <map>
#include <vector>

// Whether the Wine on the search path can run a Windows program of a given kind in this prefix, found
// out for real: Wine is asked for its version, and made to run our launcher of the program's width, each
// within a time limit. Each width is tried once.
class WineCheck {
public:
    // The points for a Windows program of the kind: Wine installed and its version, and Wine able to
    // run programs of the kind's width here.
    std::vector<CheckLine> Check(ExecutableKind kind);

private:
    CheckLine TryWidth(const std::string& wine, ExecutableKind kind, int width);

    std::map<int, CheckLine> m_tried;
};
