#include "ui/support/hyper_link.h"

#include "platform/messages.h"

#include <wx/cursor.h>
#include <wx/settings.h>

namespace {

// Results above this are a successful open.
constexpr int LastFailureCode = 32;
constexpr int openingPollMilliseconds = 100;

} // namespace

CHyperLink::CHyperLink(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                       const wxSize& size, long style) {
    Create(parent, id, label, pos, size, style);
}

bool CHyperLink::Create(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                        const wxSize& size, long style) {
    // The control keeps the size it is given, as a dialog's static text does: only PositionWindow
    // resizes it, so that a centred link stays centred on its place.
    if (!wxGenericStaticText::Create(parent, id, label, pos, size, style | wxST_NO_AUTORESIZE))
        return false;
    wxColour highlight = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    m_colours.hover = {highlight.Red(), highlight.Green(), highlight.Blue()};

    LinkText linkText = LinkTextAndUrl(GetLabelText().utf8_string(), m_url);
    m_url = linkText.url;
    SetLabelText(wxString::FromUTF8(linkText.text));
    ApplyUnderline();
    PositionWindow();
    SetDefaultCursor();
    SetToolTip(wxString::FromUTF8(m_url));
    ShowStateColour();

    // The desktop reports the pointer entering and leaving the control, so the control needs no mouse
    // capture to notice the pointer moving off it onto the dialog.
    Bind(wxEVT_ENTER_WINDOW, &CHyperLink::OnEnter, this);
    Bind(wxEVT_LEAVE_WINDOW, &CHyperLink::OnLeave, this);
    Bind(wxEVT_LEFT_UP, &CHyperLink::OnClick, this);
    m_openingTimer.SetOwner(this);
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { CheckOpening(); });
    return true;
}

void CHyperLink::SetURL(const std::string& url) {
    m_url = url;
    if (!Exists())
        return;
    PositionWindow();
    SetToolTip(wxString::FromUTF8(m_url));
}

void CHyperLink::SetUnderline(bool on) {
    m_underline = on;
    if (!Exists())
        return;
    ApplyUnderline();
    Refresh();
}

void CHyperLink::SetVisited(bool on) {
    m_visited = on;
    if (Exists())
        ShowStateColour();
}

void CHyperLink::SetAdjustToFit(bool on) {
    m_adjustToFit = on;
    PositionWindow();
}

void CHyperLink::SetCentreVertically(bool on) {
    m_centreVertically = on;
    PositionWindow();
}

void CHyperLink::PositionWindow() {
    if (!Exists() || !m_adjustToFit)
        return;
    wxRect rect = GetRect();
    wxSize text = GetTextExtent(GetLabelText());
    long style = GetWindowStyleFlag();
    LinkAlignment alignment;
    alignment.centred = (style & wxALIGN_CENTRE_HORIZONTAL) != 0;
    alignment.rightAligned = (style & wxALIGN_RIGHT) != 0;
    alignment.centredVertically = m_centreVertically;
    LinkRect fitted = FitLinkRect({rect.GetLeft(), rect.GetTop(), rect.GetRight() + 1, rect.GetBottom() + 1},
                                  text.GetWidth(), text.GetHeight(), alignment);
    SetSize(fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top);
}

void CHyperLink::ApplyUnderline() {
    wxFont font = GetFont();
    font.SetUnderlined(m_underline);
    SetFont(font);
}

void CHyperLink::ShowStateColour() {
    Rgb colour = LinkTextColour(m_colours, m_overControl, m_visited);
    SetForegroundColour(wxColour(colour.red, colour.green, colour.blue));
    Refresh();
}

void CHyperLink::SetDefaultCursor() {
    // The desktop's own hand cursor is what a link shows here.
    SetCursor(wxCursor(wxCURSOR_HAND));
}

void CHyperLink::ReportError(int code) {
    ShowMessage(HyperlinkErrorText(code), MessageIcon::Warning);
}

void CHyperLink::OnEnter(wxMouseEvent& event) {
    m_overControl = true;
    ShowStateColour();
    event.Skip();
}

void CHyperLink::OnLeave(wxMouseEvent& event) {
    m_overControl = false;
    ShowStateColour();
    event.Skip();
}

void CHyperLink::OnClick(wxMouseEvent& event) {
    GotoURL(m_url);
    event.Skip();
}

void CHyperLink::GotoURL(const std::string& url) {
    m_opening = std::make_unique<LinkOpening>(url);
    CheckOpening();
}

void CHyperLink::CheckOpening() {
    std::optional<int> result = m_opening ? m_opening->Result() : std::nullopt;
    if (!result) {
        if (m_opening && !m_openingTimer.IsRunning())
            m_openingTimer.Start(openingPollMilliseconds);
        return;
    }
    m_openingTimer.Stop();
    m_opening.reset();
    SetVisited(*result > LastFailureCode);
    if (*result <= LastFailureCode) {
        MessageBeep();
        ReportError(*result);
    }
}
