#pragma once

#include "platform/version_block.h"

#include <cstdint>
#include <optional>
#include <string>

// Reads the version block of an executable file: its fixed version numbers and, by name, the texts of
// its string table for the block's own language and code page.
class CModuleVersion {
public:
    virtual ~CModuleVersion() = default;

    // Reads the block of the executable at the path (the running program's own file when the path is
    // empty); true when it was read and its fixed block carries the signature.
    bool GetFileVersionInfo(const std::string& moduleName);

    // The text of that name in the string table, or empty text.
    std::string GetValue(const std::string& name) const;

    const FixedVersionInfo& GetFixedInfo() const { return m_fixedInfo; }

private:
    FixedVersionInfo m_fixedInfo{};
    std::optional<std::string> m_versionData;
    std::uint16_t m_language = 0;
    std::uint16_t m_codePage = 1252;
};
