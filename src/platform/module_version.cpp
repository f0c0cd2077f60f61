#include "platform/module_version.h"

#include "platform/elf_section.h"
#include "platform/program_file.h"

#include <cstdio>
#include <cstring>

namespace {

// A version block's lengths are 16-bit, so a larger section is no version block.
constexpr size_t largestBlock = 65535;
constexpr std::uint16_t defaultCodePage = 1252;

} // namespace

bool CModuleVersion::GetFileVersionInfo(const std::string& moduleName) {
    m_codePage = defaultCodePage;
    m_fixedInfo.fill(0);
    std::string path = moduleName.empty() ? ProgramFilePath() : moduleName;
    std::optional<std::string> block = ReadElfSection(path, VersionSectionName, largestBlock);
    if (!block || block->empty())
        return false;
    m_versionData = std::move(block);

    std::optional<std::string> fixed = QueryVersionValue(*m_versionData, "\\");
    if (fixed && fixed->size() >= sizeof m_fixedInfo)
        std::memcpy(m_fixedInfo.data(), fixed->data(), sizeof m_fixedInfo);
    std::optional<std::string> translation = QueryVersionValue(*m_versionData, "\\VarFileInfo\\Translation");
    if (translation && translation->size() >= 4) {
        auto byte = [&](size_t k) {
            return static_cast<std::uint16_t>(static_cast<unsigned char>((*translation)[k]));
        };
        m_language = static_cast<std::uint16_t>(byte(0) | byte(1) << 8);
        m_codePage = static_cast<std::uint16_t>(byte(2) | byte(3) << 8);
    }
    return m_fixedInfo[0] == FixedInfoSignature;
}

std::string CModuleVersion::GetValue(const std::string& name) const {
    if (!m_versionData)
        return "";
    char table[32];
    std::snprintf(table, sizeof table, "%04x%04x", m_language, m_codePage);
    return QueryVersionValue(*m_versionData, "\\StringFileInfo\\" + std::string(table) + "\\" + name)
        .value_or("");
}
