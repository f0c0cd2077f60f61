#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The version block of an executable, laid out as a Windows version resource (VS_VERSIONINFO): a tree
// of nodes, each a length, a value length, a type, a UTF-16 key and a value, aligned to four bytes.
// The build writes one into a section of each of Quorva's executables.

// The name of the executable section that holds the block.
inline constexpr const char* VersionSectionName = ".quorva_version";

// The fixed block's thirteen words, in the order of VS_FIXEDFILEINFO.
using FixedVersionInfo = std::array<std::uint32_t, 13>;
inline constexpr std::uint32_t FixedInfoSignature = 0xFEEF04BD;

struct VersionBlockContents {
    FixedVersionInfo fixed{};
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    bool withTranslation = true;
    std::vector<std::pair<std::string, std::string>> strings; // name and UTF-8 value, in order
};

// The fixed block of a version "major.minor.patch": the signature, file and product versions.
FixedVersionInfo FixedInfoOfVersion(const std::string& version);

std::string BuildVersionBlock(const VersionBlockContents& contents);

// The value at the query path, as the version query answers it: "\" gives the fixed block's bytes,
// "\VarFileInfo\Translation" the translation's bytes, "\StringFileInfo\040904b0\Name" the text in UTF-8.
// Names are matched without regard to case. None when the path leads nowhere or the block is broken.
std::optional<std::string> QueryVersionValue(const std::string& block, const std::string& path);
