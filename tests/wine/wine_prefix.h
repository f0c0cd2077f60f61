#pragma once

#include <string>

// A real Wine prefix for the tests, made fresh once per test run under the build folder (wineboot needs
// no display), with both simulators registered the way their 32-bit installers do it, in C:\Sims\N3 and
// C:\Sims\NL.
class TestWinePrefix {
public:
    // The prefix's host path; makes it on first use. Fails the test when Wine cannot make it.
    static const std::string& Path();

    // 32 when this Wine can run 32-bit Windows programs in the prefix (wine32 is installed and the kernel
    // runs 32-bit code), else 64.
    static int Width();
};
