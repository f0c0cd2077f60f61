#include "web/form_html.h"

#include "core/app_state.h"
#include "forms/server_settings_form.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

class FormHtmlTest : public ::testing::Test {
protected:
    FormHtmlTest() {
        Server = std::make_unique<SERVER>();
        SetNewServerValues(*Server);
        Server->HostName = "<b>Oval</b> & \"Co\"";
        Server->AdminPassword = "kelp-secret";
        Server->ArenaN3 = 9;
        N3Installed = true;
    }

    ScopedProgramFolder program;
};

TEST_F(FormHtmlTest, FieldsShowEscapedValuesNeverAPasswordAndTheProblemAtItsField) {
    ServerSettingsForm form;
    FormProblem problem{"field_size", {"Please enter an integer between 1 and 43."}};
    std::string html = FormFieldsHtml(form,
                                      {{"Administrative", {"host_name", "admin_password"}},
                                       {"Arena", {"arena_n3", "arena_nl"}},
                                       {"Connections", {"field_size", "connect_tcp"}}},
                                      &problem);
    for (const char* part :
         {"<fieldset><legend>Administrative</legend>",
          "<label for=\"f-host_name\">Host name:</label><input type=\"text\" id=\"f-host_name\" "
          "name=\"host_name\" "
          "value=\"&lt;b&gt;Oval&lt;/b&gt; &amp; &quot;Co&quot;\" maxlength=\"12\">",
          "type=\"password\" autocomplete=\"new-password\" placeholder=\"(unchanged)\" "
          "id=\"f-admin_password\"",
          "<select id=\"f-arena_n3\" name=\"arena_n3\"><option value=\"-1\" selected></option><option "
          "value=\"0\">",
          "<select id=\"f-arena_nl\" name=\"arena_nl\" disabled>", "Invisible</option></select>",
          "name=\"field_size\" aria-invalid=\"true\" aria-describedby=\"p-field_size\" autofocus value=",
          "<p class=\"problem\" role=\"alert\" id=\"p-field_size\">Please enter an integer between 1 and "
          "43.</p>",
          "<label class=\"check\"><input type=\"checkbox\" value=\"1\" id=\"f-connect_tcp\""})
        EXPECT_NE(html.find(part), std::string::npos) << part;
    EXPECT_EQ(html.find("kelp"), std::string::npos);
}

TEST_F(FormHtmlTest, APostedFormIsEnteredAsTheDialogWouldReadIt) {
    Server->ConnectTCP = 1;
    ServerSettingsForm form;
    EnterPostedFields(form, {{"host_name", "Bobs Oval"},
                             {"admin_password", ""},
                             {"arena_n3", "2x"},
                             {"connect_ipx", "1"},
                             {"field_size", "43"},
                             {"won_password", "new"}});
    EXPECT_EQ(form.Value("host_name").text, "Bobs Oval");
    EXPECT_EQ(form.Value("admin_password").text, "kelp-secret") << "left empty: kept";
    EXPECT_EQ(form.Value("won_password").text, "new");
    EXPECT_EQ(form.Value("connect_tcp").number, 0) << "not sent: unchecked";
    EXPECT_EQ(form.Value("connect_ipx").number, 1);
    EXPECT_EQ(form.Value("security").text, "")
        << "a field not sent is empty, and refused as the dialog would";
    std::optional<FormProblem> problem = form.Accept();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->key + ": " + problem->message.text, "max_connections: Please enter an integer.");
    for (const char* key : {"max_connections", "millisecs", "security"})
        form.Enter(key, {0, "1"});
    EXPECT_EQ(form.Accept(), std::nullopt);
    EXPECT_EQ(Server->ArenaN3, 9) << "no position chosen: the stored one stays";
    EXPECT_EQ(Server->AdminPassword, "kelp-secret");
    EXPECT_EQ(Server->FieldSize, 43);
}
