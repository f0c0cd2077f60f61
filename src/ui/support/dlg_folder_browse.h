#pragma once

#include <string>
#include <wx/dialog.h>
#include <wx/imaglist.h>
#include <wx/treectrl.h>

// "Search for Folder": a tree of the Wine prefix's drives, and "Network Neighborhood" below them, each
// filled with its sub-folders when it is first expanded. OK takes a drive or folder; the chosen path is
// a Windows path ending in a backslash ("C:\Sims\Nl\").
class CDlgFolderBrowse : public wxDialog {
public:
    enum ControlId { IDC_TREE = 1001, IDC_LABEL = 1016 };

    explicit CDlgFolderBrowse(wxWindow* parent);

    // The line above the tree.
    void SetFolderLabel(const wxString& label);
    // The folder to open at ("C:\" when empty).
    void SetPath(const std::string& path) { m_path = path; }
    // The chosen folder, after OK.
    const std::string& GetPath() const { return m_path; }

    wxTreeCtrl* Tree() const { return m_tree; }
    wxTreeItemId NetworkRoot() const { return m_networkRoot; }
    // The Windows path of an item: its own name and its parents', each followed by a backslash.
    std::string GetItemPath(const wxTreeItemId& item) const;
    // Expands the item, filling it with its sub-folders the first time, and selects it.
    void ExpandItem(const wxTreeItemId& item);

private:
    void OnInitDialog(wxInitDialogEvent& event);
    void OnItemExpanding(wxTreeEvent& event);
    void OnSelectionChanged(wxTreeEvent& event);
    void OnOK(wxCommandEvent& event);
    void AddItem(const wxTreeItemId& parent, const std::string& text, int image, int selectedImage);
    void FillItem(const std::string& path, const wxTreeItemId& item);
    // Fills an item that has no children yet, and tells whether it did; one filled before is left as
    // it is.
    bool FillOnce(const wxTreeItemId& item);
    void OpenAtPath();

    wxTreeCtrl* m_tree = nullptr;
    wxImageList m_images;
    wxTreeItemId m_networkRoot;
    std::string m_path;
};

// A name as the tree shows it: a name without lower-case letters is lower-cased but for its first
// character ("WINDOWS" becomes "Windows"); any other stays as it is.
std::string FolderItemText(std::string name);
