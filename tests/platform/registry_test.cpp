#include "platform/registry.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n";

// A text as the registry returns it, with its terminating NUL.
const auto Nul = [](const std::string& text) { return text + '\0'; };

} // namespace

TEST(WineRegistry, ReadsEveryValueKindWithItsEscapesAndPassesOverForeignHeadersAndCutOffLines) {
    RegistryHive hive = ReadWineRegistry(
        header + "[Software\\\\Sims\\\\NL] 1700000000\r\n#time=1d9a0b0c0d0e0f0\r\n"
                 "@=\"C:\\\\Sims\\\\NL\\\\Nascar Legends.exe\"\r\n"
                 "\"Say \\\"hi\\\"\"=\"line\\nnext\\ttab \\x263a \\xd83c\\xdfc1 \\101\"\r\n"
                 "\"Expand\"=str(2):\"%ProgramFiles%\\\\Legends\"\r\n\"Laps\"=dword:0000012c\r\n"
                 "\"Blob\"=hex:01,02,\\\r\n  ff,\\\n  10\r\n\"Wide\"=hex(2):25,00,41,00,25,00,00,00\r\n"
                 "\"Odd\"=hex(7):61,00,00,00,00,00\n[software\\\\SIMS\\\\n3]\n\"path\"=\"D:\\\\N3\"\n");
    const char* nl = "software\\sims\\nl";
    const struct {
        const char *key, *name;
        std::string data;
        unsigned long type;
    } rows[] = {{nl, "", Nul("C:\\Sims\\NL\\Nascar Legends.exe"), RegSz},
                {nl, "say \"hi\"", Nul("line\nnext\ttab \xE2\x98\xBA \xF0\x9F\x8F\x81 A"), RegSz},
                {nl, "expand", Nul("%ProgramFiles%\\Legends"), RegExpandSz},
                {nl, "laps", std::string("\x2c\x01\0\0", 4), RegDword},
                {nl, "blob", "\x01\x02\xff\x10", RegBinary},
                {nl, "wide", Nul("%A%"), RegExpandSz},
                {nl, "odd", std::string("a\0\0", 3), RegMultiSz},
                {"software\\sims\\n3", "path", Nul("D:\\N3"), RegSz}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(hive.at(row.key).at(row.name).data, row.data);
        EXPECT_EQ(hive.at(row.key).at(row.name).type, row.type);
    }

    EXPECT_TRUE(ReadWineRegistry("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\\\A]\n\"Path\"=\"x\"\n").empty());
    EXPECT_TRUE(ReadWineRegistry("").empty());
    hive = ReadWineRegistry(
        header + "\"Early\"=\"no key yet\"\n[A]\n\"Good\"=\"1\"\n\"Cut\"=\"no closing quote\n\"Hex\"=hex:0g\n"
                 "\"Bad\"=dword:\n\"Kind\"=str(zz):\"x\"\n\"After\"=\"2\"\n[B\\\\Cut off\n\"Lost\"=\"3\"\n"
                 "[C]\n\"Tail\"=hex:01,\\");
    EXPECT_EQ(hive.at("a").size(), 2u);
    EXPECT_EQ(hive.at("a").at("after").data, Nul("2"));
    EXPECT_TRUE(hive.at("c").empty());
}

TEST(Registry, KeysOpenFromThePrefixHivesWithTheAccessTheFileAllows) {
    TempFolder prefix;
    ScopedEnv wine("WINEPREFIX", prefix.Path().c_str());
    RegistryKeyHandle key;
    auto open = [&](const char* path, unsigned long access = KeyAllAccess,
                    RegistryRoot root = RegistryRoot::LocalMachine) {
        return RegistryOpenKey(root, path, access, key);
    };
    EXPECT_EQ(open("Software\\Sims"), RegistryNotFound);

    prefix.Write("system.reg", header + "[Software\\\\Sims\\\\NL]\n\"Path\"=\"C:\\\\NL\"\n");
    prefix.Write("user.reg", header + "[Environment]\n\"Temp\"=\"C:\\\\temp\"\n");
    EXPECT_EQ(open("SOFTWARE\\sims\\nl"), RegistrySuccess);
    unsigned long type = 0;
    size_t size = 0;
    EXPECT_EQ(RegistryQueryValue(*key, "PATH", &type, nullptr, &size), RegistrySuccess);
    std::string bytes(size, '?');
    EXPECT_EQ(RegistryQueryValue(*key, "PATH", nullptr, bytes.data(), &size), RegistrySuccess);
    EXPECT_EQ(bytes, Nul("C:\\NL"));
    EXPECT_EQ(type, RegSz);
    char small[3];
    size = sizeof small;
    EXPECT_EQ(RegistryQueryValue(*key, "Path", nullptr, small, &size), RegistryMoreData);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(RegistryQueryValue(*key, "Other", nullptr, nullptr, &size), RegistryNotFound);

    // A key that only holds keys opens too; a name that only begins like one does not.
    EXPECT_EQ(open("Software"), RegistrySuccess);
    EXPECT_EQ(open("Software\\Si"), RegistryNotFound);
    EXPECT_EQ(open("environment", KeyQueryValue, RegistryRoot::CurrentUser), RegistrySuccess);
    EXPECT_EQ(open("Environment", KeyQueryValue, RegistryRoot::Users), RegistryNotFound);

    chmod(prefix.File("system.reg").c_str(), 0444);
    EXPECT_EQ(open("Software\\Sims\\NL"), RegistryAccessDenied);
    EXPECT_EQ(open("Software\\Sims\\NL", KeyQueryValue), RegistrySuccess);
}
