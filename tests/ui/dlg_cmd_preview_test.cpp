#include "ui/dialogs/dlg_cmd_preview.h"

#include <gtest/gtest.h>
#include <wx/textctrl.h>

TEST(CDlgCmdPreview, ShowsOneLinePerLineReadOnly) {
    CDlgCmdPreview dialog("name: Speedy\nmaxp: 43\nport: 32766\n", nullptr);
    auto* field = static_cast<wxTextCtrl*>(dialog.FindWindow(CDlgCmdPreview::IDC_PREVIEW_TEXT));
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->IsEditable());
    EXPECT_TRUE(field->IsMultiLine());
    EXPECT_EQ(field->GetLineText(0), "name: Speedy");
    EXPECT_EQ(field->GetLineText(2), "port: 32766");
    EXPECT_EQ(dialog.GetTitle(), "Command Line Options File Preview");
}
