#include "ui/support/dlg_folder_browse.h"

#include "race_dialog_fixture.h"

#include <filesystem>
#include <map>

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
    // The names of the item's children between "|"; each child is kept in items under its name.
    std::string Children(const wxTreeItemId& item) {
        std::string names;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = Tree().GetFirstChild(item, cookie); child.IsOk();
             child = Tree().GetNextChild(item, cookie)) {
            std::string name = Tree().GetItemText(child).utf8_string();
            items[name] = child;
            names += (names.empty() ? "" : "|") + name;
        }
        return names;
    }

    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
    std::unique_ptr<CDlgFolderBrowse> dialog;
    std::map<std::string, wxTreeItemId> items;
};

TEST_F(FolderBrowserTest, OpensOnDriveCWithTheDrivesAndTheNetworkBelowThem) {
    dialog = std::make_unique<CDlgFolderBrowse>(nullptr);
    dialog->SetPath("");
    Open(*dialog);
    EXPECT_EQ(dialog->GetTitle(), "Search for Folder");
    EXPECT_EQ(Label(*dialog, CDlgFolderBrowse::IDC_LABEL), "Select the folder where the search is to begin.");
    EXPECT_EQ(Children(Tree().GetRootItem()), "C:|D:|Z:|Network Neighborhood");
    wxTreeItemId c = items["C:"];
    EXPECT_EQ(Tree().GetSelection(), c);
    EXPECT_EQ(Children(c), "Sims|sims2|Windows");
    wxTreeItemId sims = items["Sims"];
    EXPECT_EQ(Tree().GetItemImage(c), 3);
    EXPECT_EQ(Tree().GetItemImage(sims, wxTreeItemIcon_Selected), 0);

    // A folder is filled when first expanded; one without sub-folders loses its expand button.
    Tree().Expand(sims);
    EXPECT_EQ(Children(sims), "N3|Nl");
    Tree().Expand(items["Windows"]);
    EXPECT_FALSE(Tree().ItemHasChildren(items["Windows"]));

    // Only the expansion that fills an item selects it; a later one leaves the chosen folder alone.
    Tree().SelectItem(items["sims2"]);
    Tree().Collapse(sims);
    Tree().Expand(sims);
    EXPECT_EQ(Tree().GetSelection(), items["sims2"]);

    Tree().SelectItem(dialog->NetworkRoot());
    EXPECT_FALSE(Enabled(*dialog, wxID_OK));
    dialog->ExpandItem(dialog->NetworkRoot());
    EXPECT_FALSE(Tree().ItemHasChildren(dialog->NetworkRoot()));
    Tree().SelectItem(items["Nl"]);
    ClickOk(*dialog);
    EXPECT_EQ(dialog->GetPath(), "C:\\Sims\\Nl\\");
}
