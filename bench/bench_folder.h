#pragma once

#include "platform/program_file.h"

#include <cstdlib>
#include <filesystem>
#include <string>

// A program folder of the benchmark's own, removed at the end.
class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorva-bench-XXXXXX").string();
        m_path = std::string(mkdtemp(pattern.data())) + "/";
        OverrideProgramFilePath(m_path + "quorva");
    }
    ~BenchFolder() {
        OverrideProgramFilePath("");
        std::filesystem::remove_all(m_path);
    }
    std::string File(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};
