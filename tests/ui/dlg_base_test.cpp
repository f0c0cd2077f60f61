#include "ui/support/dlg_base.h"
#include "ui/support/dlg_bitmap.h"

#include "resources/pictures.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>

TEST(CDlgBase, MovingADialogMovesTheStackUnderIt) {
    CDlgBase main(102, nullptr, "Main", wxSize(200, 150));
    main.Show();
    CDlgBase settings(129, &main, "Settings", wxSize(200, 150));
    settings.Show();
    CDlgBase top(150, &settings, "Timing", wxSize(200, 150));
    top.Show();
    wxTheApp->ProcessPendingEvents();
    EXPECT_TRUE(top.IsInitialised());

    top.SetSize(wxRect(wxPoint(40, 30), top.GetSize()));
    wxMoveEvent moved(wxPoint(40, 30), top.GetId());
    moved.SetEventObject(&top);
    top.GetEventHandler()->ProcessEvent(moved);
    EXPECT_EQ(settings.GetRect(), top.GetRect());
    EXPECT_EQ(main.GetPosition(), top.GetPosition());
}

TEST(CDib, TheBackgroundIsAnEightBitPictureDrawnFromItsRows) {
    CDib dib;
    EXPECT_FALSE(dib.LoadResource(999));
    ASSERT_TRUE(dib.LoadResource(IDB_BACKGROUND));
    EXPECT_EQ(dib.BitCount(), 8);
    EXPECT_EQ(dib.Bits().size(), 800u * 600u);
    EXPECT_EQ(dib.Palette()->size(), 256u);

    // The chequered band lies along the foot and the sky on top: the bottom row comes first in the
    // pixel rows.
    wxBitmap canvas(800, 600);
    wxMemoryDC dc(canvas);
    dib.Draw(dc, 0, 0);
    dc.SelectObject(wxNullBitmap);
    wxImage drawn = canvas.ConvertToImage();
    EXPECT_GT(drawn.GetRed(0, 575) + drawn.GetGreen(0, 575) + drawn.GetBlue(0, 575), 600);
    EXPECT_GT(drawn.GetBlue(400, 5), drawn.GetRed(400, 5) + 60);

    // A picture of fewer colours has a colour table of its own size.
    ASSERT_TRUE(dib.LoadResource(IDB_FOLDER_ITEMS));
    EXPECT_EQ(dib.NumColours(), 16);
    EXPECT_EQ(dib.Palette()->front(), 0xFFFFFFu);
}
