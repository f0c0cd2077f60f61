#pragma once

#include <functional>
#include <memory>
#include <wx/evtloop.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

// Input as an operator's arrives: the X server's own pointer and keys (XTest), and the close request a
// window manager sends. The windows take it through an event loop of their own, as in the program.
class RealInput {
public:
    RealInput();
    ~RealInput();

    // Handles what the windows have waiting, for about the given time.
    void Pump(int milliseconds = 150);
    // Handles what the windows have waiting until done says so, or a few seconds have passed.
    bool PumpUntil(const std::function<bool()>& done);

    void MoveTo(wxWindow* window, wxPoint offset = wxDefaultPosition);
    // A click in the middle of the window (or at the offset), as a button or box is clicked.
    void Click(wxWindow* window, wxPoint offset = wxDefaultPosition);
    void DoubleClick(wxWindow* window, wxPoint offset);
    void Key(int keyCode, int modifiers = wxMOD_NONE);
    // What a window manager sends when the operator clicks the window's close box.
    void RequestClose(wxTopLevelWindow* window);
    // The cursor the X server shows at the moment.
    unsigned long CursorSerial();

    wxUIActionSimulator simulator;

private:
    wxGUIEventLoop m_loop;
    std::unique_ptr<wxEventLoopActivator> m_active;
};
