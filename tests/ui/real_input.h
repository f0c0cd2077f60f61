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

    // Moves the pointer to the middle of the window, or to the offset in it.
    void MoveTo(wxWindow* window, wxPoint offset = wxDefaultPosition);
    void Click(wxWindow* window, wxPoint offset = wxDefaultPosition, bool twice = false) {
        MoveTo(window, offset);
        twice ? simulator.MouseDblClick() : simulator.MouseClick();
    }
    void Key(int keyCode, int modifiers = wxMOD_NONE) { simulator.Char(keyCode, modifiers); }
    // What a window manager sends when the operator clicks the window's close box.
    void RequestClose(wxTopLevelWindow* window);

private:
    wxUIActionSimulator simulator;
    wxGUIEventLoop m_loop;
    std::unique_ptr<wxEventLoopActivator> m_active;
};
