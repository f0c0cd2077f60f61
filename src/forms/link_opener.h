#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>

// What the hyperlink control decides, apart from its window: opening its target with the desktop, the
// text of a failure, its colour, its text and its place in the dialog.

// Opening a URL with the desktop's opener, xdg-open (looked for as FindProgram does), without waiting
// for it: on a desktop without a session of its own, xdg-open shows the page in a browser that it waits
// for. The result reads as the Windows shell's: greater than 32 is success (33); 2 when xdg-open is
// missing or reports the file not found; 31 when it finds no program for the URL; 27 for any other
// failure of xdg-open. When xdg-open cannot be started: 5 for a file it may not run, 11 for a file that
// is no program, 0 when the system lacks the resources, else 2.
class LinkOpening {
public:
    // Starts xdg-open with the URL. One that still runs after handOver has handed the URL on.
    explicit LinkOpening(const std::string& url,
                         std::chrono::milliseconds handOver = std::chrono::milliseconds(2000));
    // An xdg-open still running is left to end by itself, and is reaped then.
    ~LinkOpening();
    LinkOpening(const LinkOpening&) = delete;
    LinkOpening& operator=(const LinkOpening&) = delete;

    // The result once it is known; nothing while xdg-open runs and may still fail.
    std::optional<int> Result();

private:
    pid_t m_pid = -1;
    std::optional<int> m_result;
    std::chrono::steady_clock::time_point m_handOver;
};

// "Unable to open hyperlink:" and the reason for the result code, as the operator is told it.
std::string HyperlinkErrorText(int code);

struct Rgb {
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The link's text colours: blue for a link not yet opened, purple once opened, and the hover colour
// (the desktop's highlight colour, which only the window knows) while the pointer is over it.
struct LinkColours {
    Rgb link{0, 0, 238};
    Rgb visited{85, 26, 139};
    Rgb hover;
};

// The hover colour while the pointer is over the link, else the visited colour once it was opened,
// else the link colour.
Rgb LinkTextColour(const LinkColours& colours, bool overControl, bool visited);

struct LinkText {
    std::string text;
    std::string url;
};

// The text shown and the URL opened, when the control is made: a link without a URL opens its own text,
// and a link without text shows its URL.
LinkText LinkTextAndUrl(const std::string& windowText, const std::string& url);

// A rectangle in the parent's client coordinates; right and bottom lie just outside it.
struct LinkRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const LinkRect&, const LinkRect&) = default;
};

// Where the control's text sits in its rectangle. Centred wins over right-aligned when both are set.
struct LinkAlignment {
    bool centred = false;
    bool rightAligned = false;
    bool centredVertically = false;
};

// The control's rectangle shrunk to the size of its text, so that only the text is the link. A centred
// (or vertically centred) control loses as much on one side as on the other, so it stays centred where
// it was; otherwise the text's own edge stays put: the left (or right, when right-aligned) and the top.
LinkRect FitLinkRect(const LinkRect& control, int textWidth, int textHeight, const LinkAlignment& alignment);
