#include "simfiles/options_cfg.h"

#include "core/app_state.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <sys/stat.h>

namespace {

// A settings file whose every byte differs from the values the patch writes, with the connection bytes
// set to those given where the file holds them.
std::string OptionsBytes(size_t size, char ipx = '?', char tcp = '?', char internet = '?') {
    std::string bytes(size, '\0');
    for (size_t k = 0; k < size; ++k)
        bytes[k] = static_cast<char>(0x30 + k % 64);
    for (auto [offset, value] : {std::pair{143u, ipx}, std::pair{147u, tcp}, std::pair{151u, internet}})
        if (offset < size && value != '?')
            bytes[offset] = value;
    return bytes;
}

} // namespace

TEST(OptionsCfg, OnlyTheThreeConnectionBytesOfAnInstalledSimulatorsFileChangeAndAFailureIsTold) {
    ScopedProgramFolder folder;
    MessageRecorder recorder;
    std::filesystem::create_directories(folder.File("nl"));
    Server = std::make_unique<SERVER>();
    Server->PathN3 = folder.File("n3/");
    Server->PathNL = folder.File("nl/");
    N3Installed = NLInstalled = true;
    Server->ConnectIPX = 1;
    Server->ConnectTCP = 5;
    Server->ConnectNET = 0;
    for (size_t size : {0u, 144u, 151u, 152u, 70000u}) {
        folder.Write("nl/options.cfg", OptionsBytes(size));
        PatchOptionsCfg(1);
        EXPECT_EQ(folder.Read("nl/options.cfg"), OptionsBytes(size, 2, 2, 0)) << size;
    }
    N3Installed = false;
    PatchOptionsCfg(0); // not looked for, so not told
    N3Installed = true;
    PatchOptionsCfg(0);
    folder.Write("nl/options.cfg", OptionsBytes(200));
    chmod(folder.File("nl/options.cfg").c_str(), 0444);
    PatchOptionsCfg(1);
    EXPECT_EQ(folder.Read("nl/options.cfg"), OptionsBytes(200));
    EXPECT_THAT(recorder.Texts(), testing::ElementsAre(testing::EndsWith("n3/options.cfg\n\nfile not found"),
                                                       testing::EndsWith("nl/options.cfg\n\naccess denied")));
}
