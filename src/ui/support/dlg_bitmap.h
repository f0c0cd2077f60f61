#pragma once

#include "ui/support/dib.h"
#include "ui/support/dlg_base.h"

// A dialog over a background picture, tiled, stretched or centred; its labels and check boxes draw
// straight onto the picture (GTK draws them without a background of their own).
class CDlgBitmap : public CDlgBase {
public:
    enum Mode { Tile = 0, Stretch = 1, Centre = 2 };

    CDlgBitmap(int templateId, wxWindow* parent, const wxString& caption, const wxSize& size);

    bool SetBitmap(int resourceId, int mode);
    bool HasBitmap() const { return !m_dib.Bits().empty(); }

private:
    void OnPaint(wxPaintEvent& event);

    CDib m_dib;
    int m_mode = Tile;
};
