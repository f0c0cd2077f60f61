#include "ui/support/dlg_bitmap.h"

#include <wx/dcbuffer.h>

CDlgBitmap::CDlgBitmap(int templateId, wxWindow* parent, const wxString& caption, const wxSize& size)
    : CDlgBase(templateId, parent, caption, size) {
    Bind(wxEVT_PAINT, &CDlgBitmap::OnPaint, this);
}

bool CDlgBitmap::SetBitmap(int resourceId, int mode) {
    m_mode = mode;
    bool loaded = m_dib.LoadResource(resourceId);
    if (loaded)
        SetBackgroundStyle(wxBG_STYLE_PAINT);
    Refresh();
    return loaded;
}

void CDlgBitmap::OnPaint(wxPaintEvent& event) {
    if (!HasBitmap()) {
        event.Skip();
        return;
    }
    wxAutoBufferedPaintDC dc(this);
    wxSize client = GetClientSize();
    int w = client.GetWidth(), h = client.GetHeight();
    int bw = m_dib.Width(), bh = m_dib.Height();
    switch (m_mode) {
    case Stretch:
        m_dib.Stretch(dc, 0, 0, w, h);
        break;
    case Centre:
        dc.SetBackground(GetBackgroundColour());
        dc.Clear();
        m_dib.Draw(dc, (w - bw) / 2, (h - bh) / 2);
        break;
    default:
        for (int y = 0; y < h; y += bh)
            for (int x = 0; x < w; x += bw)
                m_dib.Draw(dc, x, y);
    }
}
