#pragma once

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <string>

// A folder that is the whole search path, so the xdg-open written into it is the one that runs.
class OpenerFolder {
public:
    OpenerFolder() : m_path("PATH", m_folder.Path().c_str()) {}

    // An xdg-open that records how many arguments it got and the first one, then does what body says.
    void WriteOpener(const std::string& body) const {
        WriteProgram("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + m_folder.File("argument") + "'\n" +
                     body + "\n");
    }

    void WriteProgram(const std::string& bytes, bool executable = true) const {
        m_folder.Write("xdg-open", bytes);
        std::filesystem::permissions(m_folder.File("xdg-open"),
                                     executable ? std::filesystem::perms::owner_all
                                                : std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::owner_write);
    }

    std::string Argument() const { return m_folder.Read("argument"); }

private:
    TempFolder m_folder;
    ScopedEnv m_path;
};
