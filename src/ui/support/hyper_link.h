#pragma once

#include "forms/link_opener.h"

// The toolkit's own static text first: the generic one's header would leave it undeclared.
#include <wx/stattext.h>

#include <wx/generic/stattextg.h>
#include <wx/timer.h>

#include <memory>
#include <string>

// A static text of a dialog that works as a web link: blue text (purple once opened, the desktop's
// highlight colour while the pointer is over it), underlined unless told otherwise, a hand cursor, the
// URL as its tooltip, and a click that opens the URL with the desktop. A failed open beeps and says why.
//
// The control shrinks to its text, keeping the place its alignment style gives it: wxALIGN_CENTRE_HORIZONTAL,
// wxALIGN_RIGHT, and SetCentreVertically for a text centred from top to bottom. Settings that the set-up
// uses (URL, underline, vertical centring) take effect at once when given before Create.
//
// The control is a window of its own, drawn by the program, so that the desktop tells it when the
// pointer enters and leaves it and shows the hand cursor over it alone.
class CHyperLink : public wxGenericStaticText {
public:
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
    // Starts opening the URL; the window goes on meanwhile, and the outcome shows when it is known.
    void GotoURL(const std::string& url);
    void CheckOpening();
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
    std::unique_ptr<LinkOpening> m_opening;
    wxTimer m_openingTimer;
};
