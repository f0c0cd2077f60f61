#include "ui/support/dlg_folder_browse.h"

#include "race_dialog_fixture.h"

#include <filesystem>

using Names = std::vector<std::string>;

// A Wine prefix with drives C: and D:, and E: linked to nothing.
class FolderBrowserTest : public DialogTest {
protected:
    FolderBrowserTest() {
        for (const char* folder : {"drive_c/Sims/NL/Cars", "drive_c/Sims/N3", "drive_c/WINDOWS",
                                   "drive_c/sims2", "dosdevices", "games/Track Packs"})
            std::filesystem::create_directories(prefix.File(folder));
        std::filesystem::create_symlink(prefix.File("drive_c"), prefix.File("dosdevices/c:"));
        std::filesystem::create_symlink(prefix.File("games"), prefix.File("dosdevices/d:"));
        std::filesystem::create_symlink(prefix.File("gone"), prefix.File("dosdevices/e:"));
        prefix.Write("drive_c/readme.txt", "not a folder");
    }

    wxTreeCtrl& Tree() { return *dialog->Tree(); }
    // The names of the item's children; found, when asked for, the child of that name.
    Names Children(const wxTreeItemId& item, const std::string& name = "", wxTreeItemId* found = nullptr) {
        Names names;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = Tree().GetFirstChild(item, cookie); child.IsOk();
             child = Tree().GetNextChild(item, cookie)) {
            names.push_back(Tree().GetItemText(child).utf8_string());
            if (found && names.back() == name)
                *found = child;
        }
        return names;
    }
    wxTreeItemId Child(const wxTreeItemId& item, const std::string& name) {
        wxTreeItemId found;
        Children(item, name, &found);
        EXPECT_TRUE(found.IsOk()) << "no item " << name;
        return found;
    }

    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
    std::unique_ptr<CDlgFolderBrowse> dialog;
};

TEST_F(FolderBrowserTest, OpensOnDriveCWithTheDrivesAndTheNetworkBelowThem) {
    dialog = std::make_unique<CDlgFolderBrowse>(nullptr);
    dialog->SetPath("");
    Open(*dialog);
    EXPECT_EQ(dialog->GetTitle(), "Search for Folder");
    EXPECT_EQ(Label(*dialog, CDlgFolderBrowse::IDC_LABEL), "Select the folder where the search is to begin.");
    dialog->SetFolderLabel("");
    EXPECT_EQ(Label(*dialog, CDlgFolderBrowse::IDC_LABEL), "");
    EXPECT_EQ(Children(Tree().GetRootItem()), (Names{"C:", "D:", "Z:", "Network Neighborhood"}));
    wxTreeItemId c = Child(Tree().GetRootItem(), "C:");
    EXPECT_EQ(Tree().GetSelection(), c);
    EXPECT_EQ(Children(c), (Names{"Sims", "sims2", "Windows"}));
    wxTreeItemId sims = Child(c, "Sims");
    EXPECT_EQ(Tree().GetItemImage(c), 3);
    EXPECT_EQ(Tree().GetItemImage(sims, wxTreeItemIcon_Selected), 0);

    // A folder is filled when first expanded; one without sub-folders loses its expand button.
    Tree().Expand(sims);
    EXPECT_EQ(Children(sims), (Names{"N3", "Nl"}));
    wxTreeItemId windows = Child(c, "Windows");
    Tree().Expand(windows);
    EXPECT_FALSE(Tree().ItemHasChildren(windows));

    // Only the expansion that fills an item selects it; a later one leaves the chosen folder alone.
    Tree().SelectItem(Child(c, "sims2"));
    Tree().Collapse(sims);
    Tree().Expand(sims);
    EXPECT_EQ(Tree().GetSelection(), Child(c, "sims2"));

    Tree().SelectItem(dialog->NetworkRoot());
    EXPECT_FALSE(Enabled(*dialog, wxID_OK));
    dialog->ExpandItem(dialog->NetworkRoot());
    EXPECT_FALSE(Tree().ItemHasChildren(dialog->NetworkRoot()));
    Tree().SelectItem(Child(sims, "Nl"));
    ClickOk(*dialog);
    EXPECT_EQ(dialog->GetPath(), "C:\\Sims\\Nl\\");
}
