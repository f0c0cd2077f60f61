#include "real_input.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

// Last: Xlib defines macros (None, Bool) that the other headers use as names.
#include <X11/Xlib.h>

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
    simulator.MouseMove(offset == wxDefaultPosition ? rect.GetPosition() + rect.GetSize() / 2
                                                    : rect.GetPosition() + offset);
    Pump(50);
}

void RealInput::RequestClose(wxTopLevelWindow* window) {
    Display* display = XOpenDisplay(nullptr);
    // Without a window manager the window's own X window is the root's child under its corner.
    Window root = DefaultRootWindow(display), target = 0;
    int x = 0, y = 0;
    wxPoint corner = window->GetScreenPosition() + wxPoint(2, 2);
    XTranslateCoordinates(display, root, root, corner.x, corner.y, &x, &y, &target);
    EXPECT_NE(target, 0u) << "no window " << window->GetTitle();
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, target, False, NoEventMask, &event);
    XCloseDisplay(display);
}
