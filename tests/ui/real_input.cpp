#include "real_input.h"

#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

// Last: Xlib defines macros (None, Bool) that the other headers use as names.
#include <X11/Xlib.h>

// The X window whose name is the title, among the top-level windows of the display.
static Window FindByTitle(Display* display, const wxString& title) {
    Window root = 0, parent = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned k = 0; k < count && found == 0; ++k) {
        char* name = nullptr;
        if (XFetchName(display, children[k], &name) && name) {
            if (wxString::FromUTF8(name) == title)
                found = children[k];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

RealInput::RealInput() {
    if (!wxEventLoopBase::GetActive())
        m_active = std::make_unique<wxEventLoopActivator>(&m_loop);
}

RealInput::~RealInput() = default;

void RealInput::Pump(int milliseconds) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do {
        wxEventLoopBase::GetActive()->YieldFor(wxEVT_CATEGORY_ALL);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < until);
}

bool RealInput::PumpUntil(const std::function<bool()>& done) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < until)
        Pump(10);
    return done();
}

void RealInput::MoveTo(wxWindow* window, wxPoint offset) {
    wxRect rect = window->GetScreenRect();
    wxPoint at =
        offset == wxDefaultPosition ? rect.GetPosition() + rect.GetSize() / 2 : rect.GetPosition() + offset;
    simulator.MouseMove(at);
    Pump(50);
}

void RealInput::RequestClose(wxTopLevelWindow* window) {
    Display* display = XOpenDisplay(nullptr);
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = FindByTitle(display, window->GetTitle());
    EXPECT_NE(event.xclient.window, 0u) << "no window " << window->GetTitle();
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
}
