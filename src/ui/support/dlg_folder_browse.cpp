#include "ui/support/dlg_folder_browse.h"

#include "platform/drives.h"
#include "platform/host_path.h"
#include "resources/pictures.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/picture_image.h"

#include <algorithm>
#include <filesystem>
#include <vector>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/utils.h>

namespace {

constexpr int templateId = 155;
const wxSize dialogSize(183, 188);
constexpr int itemWidth = 17, itemHeight = 16;
constexpr int openFolderImage = 0, folderImage = 1, networkImage = 7;

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return !LessIgnoringCase(a, b) && !LessIgnoringCase(b, a);
}

// The sub-folders of a folder, by name without regard to case, as an NTFS folder lists them.
std::vector<std::string> SubFolders(const std::string& windowsPath) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(HostPath(windowsPath), error))
        if (entry.is_directory(error))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

} // namespace

std::string FolderItemText(std::string name) {
    if (std::any_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        return name;
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

CDlgFolderBrowse::CDlgFolderBrowse(wxWindow* parent)
    : wxDialog(parent, templateId, "Search for Folder"), m_images(itemWidth, itemHeight, true) {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    new wxStaticText(this, IDC_LABEL, "Select the folder where the search is to begin.", at(7, 7),
                     size(169, 16));
    m_tree = new wxTreeCtrl(this, IDC_TREE, at(7, 26), size(169, 134),
                            wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE);
    DialogLayout(this).OkCancel(35, 167);
    wxWindow* ok = FindWindow(wxID_OK);
    ok->Disable();

    Bind(wxEVT_INIT_DIALOG, &CDlgFolderBrowse::OnInitDialog, this);
    m_tree->Bind(wxEVT_TREE_ITEM_EXPANDING, &CDlgFolderBrowse::OnItemExpanding, this);
    m_tree->Bind(wxEVT_TREE_SEL_CHANGED, &CDlgFolderBrowse::OnSelectionChanged, this);
    ok->Bind(wxEVT_BUTTON, &CDlgFolderBrowse::OnOK, this);
}

void CDlgFolderBrowse::SetFolderLabel(const wxString& label) {
    FindWindow(IDC_LABEL)->SetLabel(label);
}

void CDlgFolderBrowse::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    if (std::optional<wxImage> items = PictureImage(IDB_FOLDER_ITEMS)) {
        items->SetMaskColour(255, 255, 255);
        for (int x = 0; x + itemWidth <= items->GetWidth(); x += itemWidth)
            m_images.Add(wxBitmap(items->GetSubImage(wxRect(x, 0, itemWidth, itemHeight))));
    }
    m_tree->SetImageList(&m_images);
    m_tree->DeleteAllItems();
    wxTreeItemId top = m_tree->AddRoot("");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        DriveType type = GetDriveType(letter);
        if (type >= DriveRemovable && type <= DriveRamDisk)
            AddItem(top, std::string(1, letter) + ":", type, -1);
    }
    m_networkRoot = m_tree->AppendItem(top, "Network Neighborhood", networkImage, networkImage);
    m_tree->SetItemHasChildren(m_networkRoot, true);
    OpenAtPath();
}

void CDlgFolderBrowse::AddItem(const wxTreeItemId& parent, const std::string& text, int image,
                               int selectedImage) {
    wxTreeItemId item = m_tree->AppendItem(parent, wxString::FromUTF8(FolderItemText(text)), image,
                                           selectedImage < 0 ? image : selectedImage);
    // Every item shows an expand button until expanding it finds nothing.
    m_tree->SetItemHasChildren(item, true);
}

void CDlgFolderBrowse::OpenAtPath() {
    std::string path = m_path.empty() ? "C:\\" : m_path;
    std::vector<std::string> components;
    for (size_t from = 0;;) {
        size_t slash = path.find('\\', from);
        components.push_back(path.substr(from, slash - from));
        if (slash == std::string::npos)
            break;
        from = slash + 1;
    }
    wxTreeItemId level = m_tree->GetRootItem();
    for (size_t k = 0; k < components.size(); ++k) {
        // A path that begins with a backslash is on the network.
        std::string wanted = k == 0 && components[0].empty() ? "Network Neighborhood" : components[k];
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = m_tree->GetFirstChild(level, cookie); item.IsOk();
             item = m_tree->GetNextChild(level, cookie)) {
            if (EqualIgnoringCase(m_tree->GetItemText(item).utf8_string(), wanted)) {
                ExpandItem(item);
                level = item;
                break;
            }
        }
    }
}

void CDlgFolderBrowse::ExpandItem(const wxTreeItemId& item) {
    FillOnce(item);
    if (m_tree->ItemHasChildren(item))
        m_tree->Expand(item);
    if (m_tree->GetSelection() != item)
        m_tree->SelectItem(item);
}

void CDlgFolderBrowse::OnItemExpanding(wxTreeEvent& event) {
    // Only the expansion that fills the item selects it; a later one leaves the chosen folder alone.
    if (FillOnce(event.GetItem()) && m_tree->GetSelection() != event.GetItem())
        m_tree->SelectItem(event.GetItem());
}

bool CDlgFolderBrowse::FillOnce(const wxTreeItemId& item) {
    if (m_tree->GetChildrenCount(item, false) != 0)
        return false;
    wxBusyCursor wait;
    FillItem(GetItemPath(item), item);
    return true;
}

void CDlgFolderBrowse::FillItem(const std::string& path, const wxTreeItemId& item) {
    // The network lists nothing: no enumeration of it exists here.
    if (item != m_networkRoot)
        for (const std::string& name : SubFolders(path))
            AddItem(item, name, folderImage, openFolderImage);
    if (m_tree->GetChildrenCount(item, false) == 0)
        m_tree->SetItemHasChildren(item, false);
}

std::string CDlgFolderBrowse::GetItemPath(const wxTreeItemId& item) const {
    std::string path;
    for (wxTreeItemId at = item; at.IsOk() && at != m_tree->GetRootItem(); at = m_tree->GetItemParent(at))
        path = m_tree->GetItemText(at).utf8_string() + "\\" + path;
    return path;
}

void CDlgFolderBrowse::OnSelectionChanged(wxTreeEvent& event) {
    wxTreeItemId item = event.GetItem();
    FindWindow(wxID_OK)->Enable(item.IsOk() && item != m_networkRoot);
}

void CDlgFolderBrowse::OnOK(wxCommandEvent&) {
    wxTreeItemId selected = m_tree->GetSelection();
    if (!selected.IsOk() || selected == m_networkRoot)
        return;
    m_path = GetItemPath(selected);
    FinishDialog(*this, wxID_OK);
}
