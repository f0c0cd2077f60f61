#include "forms/server_settings_form.h"

#include "core/app_state.h"
#include "form_refusal.h"
#include "settings/server_settings.h"
#include "support/program_folder.h"

#include <gmock/gmock.h>
#include <tuple>

class ServerSettingsFormTest : public ::testing::Test {
protected:
    ServerSettingsFormTest() {
        Server = std::make_unique<SERVER>();
        SetNewServerValues(*Server);
        Server->HostName = "Oval Nights";
        N3Installed = true;
        NLInstalled = false;
        program.Write("n3/options.cfg", std::string(160, '\1'));
        Server->PathN3 = program.File("n3/");
    }

    std::string Stored() const { return program.Read("Quorvadata.ini"); }

    ScopedProgramFolder program;
};

// Each row leaves values in fields; the fields are checked in their order, so a row's earlier fields
// hold what the form showed.
TEST_F(ServerSettingsFormTest, TheFirstRefusedFieldInOrderIsToldAndNothingIsStored) {
    const std::tuple<const char*, Typed, const char*> rows[] = {
        {"admin password before field size",
         {{"field_size", "44"}, {"admin_password", "thirteen-char"}},
         "admin_password: Please enter no more than 12 characters."},
        {"field size range", {{"field_size", "44"}}, "field_size: Please enter an integer between 1 and 43."},
        {"no integer", {{"security", "1.5"}}, "security: Please enter an integer."},
        {"quote in host name", {{"host_name", "Bob's Oval"}}, "host_name: The host name cannot hold"},
        {"last is security",
         {{"added_params", "-x"}, {"security", "6"}},
         "security: Please enter an integer between 0 and 5."},
    };
    const SERVER before = *Server;
    for (const auto& [name, typed, refused] : rows) {
        SCOPED_TRACE(name);
        EXPECT_THAT(Refused(ServerSettingsForm(), typed), testing::StartsWith(refused));
    }
    EXPECT_EQ(*Server, before);
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}

// A stored value the Windows program wrote shows as its characters and stays as stored unless edited
// (then it is stored in UTF-8); an arena outside the list shows none and stays; a simulator that is not
// installed has no arena choice.
TEST_F(ServerSettingsFormTest, AcceptStoresTheFieldsKeepsUntouchedBytesAndPatchesInstalledSimulators) {
    Server->WonName = "Caf\xE9";
    Server->ArenaNL = 9;
    program.Write("nl/options.cfg", std::string(160, '\1'));
    Server->PathNL = program.File("nl/");
    ServerSettingsForm form;
    EXPECT_EQ(form.Value("won_name").text, "Caf\u00E9");
    EXPECT_EQ(form.Value("max_connections").text, std::to_string(Server->MaxConnections));
    EXPECT_EQ(form.Value("arena_nl").number, 9);
    EXPECT_FALSE(form.Enabled("arena_nl"));
    form.Enter("arena_nl", {2, ""});
    form.Enter("arena_n3", {6, ""});
    form.Enter("host_name", {0, "Bobs Oval"});
    form.Enter("admin_password", {0, "M\u00FCller!"});
    form.Enter("connect_ipx", {0, ""});
    form.Enter("connect_tcp", {1, ""});
    EXPECT_EQ(form.Accept(), std::nullopt);
    EXPECT_EQ(Server->ArenaN3, 6);
    EXPECT_EQ(Server->ArenaNL, 9);
    EXPECT_NE(Stored().find("HostName=Bobs Oval\r\n"), std::string::npos);
    EXPECT_NE(Stored().find("WonName=Caf\xE9\r\n"), std::string::npos);
    EXPECT_NE(Stored().find("AdminPassword=M\xC3\xBCller!\r\n"), std::string::npos);
    EXPECT_EQ(program.Read("n3/options.cfg").substr(143, 5), std::string("\0\1\1\1\2", 5));
    EXPECT_EQ(program.Read("nl/options.cfg"), std::string(160, '\1'));
}
