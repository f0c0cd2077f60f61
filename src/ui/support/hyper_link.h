#pragma once

#include "ui/support/link_opener.h"

#include <wx/stattext.h>

#include <functional>
#include <string>

// A static text of a dialog that works as a web link: blue text (purple once opened, the desktop's
// highlight colour while the pointer is over it), underlined unless told otherwise, a hand cursor, the
// URL as its tooltip, and a click that opens the URL with the desktop. A failed open beeps and says why.
//
// The control shrinks to its text, keeping the place its alignment style gives it: wxALIGN_CENTRE_HORIZONTAL,
// wxALIGN_RIGHT, and SetCentreVertically for a text centred from top to bottom. Settings that the set-up
// uses (URL, underline, vertical centring) take effect at once when given before Create.
class CHyperLink : public wxStaticText {
public:
    // What a click opens the URL with; tests put a fake in its place.
    static std::function<int(const std::string&)> OpenURL;

    CHyperLink() = default;
    CHyperLink(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, long style = 0);

    bool Create(wxWindow* parent, wxWindowID id, const wxString& label,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize, long style = 0);

    void SetURL(const std::string& url);
    const std::string& GetURL() const { return m_url; }
    void SetUnderline(bool on);
    void SetVisited(bool on);
    bool IsVisited() const { return m_visited; }
    // Whether the control shrinks to its text (on by default).
    void SetAdjustToFit(bool on);
    void SetCentreVertically(bool on);

    // Shrinks the control to the size of its text, as its alignment asks.
    void PositionWindow();

private:
    bool Exists() const { return GetHandle() != nullptr; }
    void ApplyUnderline();
    void ShowStateColour();
    void SetDefaultCursor();
    void ReportError(int code);

    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnClick(wxMouseEvent& event);

    LinkColours m_colours;
    bool m_overControl = false;
    bool m_visited = false;
    bool m_underline = true;
    bool m_adjustToFit = true;
    bool m_centreVertically = false;
    std::string m_url;
};
