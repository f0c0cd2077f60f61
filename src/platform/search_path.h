#pragma once

#include <string>

// The first regular file called name in the folders of $PATH; empty when there is none.
std::string FindOnPath(const std::string& name);
