#pragma once

class wxWindow;

inline constexpr int IDC_NEXT_RUN_NOTE = 7836;

// A settings dialog's line, wrapped to the box at x, y of width and height (dialog units), that says
// while another process runs this program folder's schedule that changes made here apply from its next
// run; empty otherwise.
void AddNextRunNote(wxWindow& dialog, int x, int y, int width, int height);
