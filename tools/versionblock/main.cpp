// versionblock: writes the C++ source that puts an executable's version block into its version
// section. The build runs it for each of Quorva's executables:
//
//   versionblock <output.cpp> <version> <executable name> <description>

#include "platform/version_block.h"

#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: versionblock <output.cpp> <version> <executable name> <description>\n";
        return 2;
    }
    std::string version = argv[2];
    std::string name = argv[3];
    VersionBlockContents contents;
    contents.fixed = FixedInfoOfVersion(version);
    contents.language = 0x0409;
    contents.codePage = 0x04b0;
    contents.strings = {{"CompanyName", "Quorva"},
                        {"FileDescription", argv[4]},
                        {"FileVersion", version},
                        {"InternalName", name},
                        {"LegalCopyright", "Copyright \xC2\xA9 2026 the Quorva developers"},
                        {"OriginalFilename", name},
                        {"ProductName", "Quorva"},
                        {"ProductVersion", version}};
    std::string block = BuildVersionBlock(contents);

    std::ofstream out(argv[1], std::ios::trunc);
    out << "// Written by the build (versionblock): the version block of " << name << ".\n"
        << "namespace {\n[[gnu::used, gnu::section(\"" << VersionSectionName
        << "\")]] alignas(4) const unsigned char versionBlock[] = {";
    for (size_t k = 0; k < block.size(); ++k) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02x,", static_cast<unsigned char>(block[k]));
        out << (k % 16 == 0 ? "\n    " : " ") << byte;
    }
    out << "\n};\n} // namespace\n";
    out.close();
    if (!out) {
        std::cerr << "versionblock: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
