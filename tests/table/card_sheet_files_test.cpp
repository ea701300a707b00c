// SPDX-License-Identifier: GPL-3.0-or-later
// Card sheet files as a player's folder may hold them: any plain 24-bit bitmap, whatever its
// header's size, its row order or where its pixels start, gives the table the same sheet.
#include "bitmap_bytes.h"
#include "table_fixture.h"

using bitmaps::Bitmap;
using bitmaps::WriteBytes;

TEST_F(TableTest, EveryPlainBitmapLayoutGivesTheSameSheets) {
    struct Layout {
        uint32_t header;
        int gap;
        bool topDown;
    };
    engine.EngineStartUp(StorageStartUpFiles());
    // The deck's rows are padded (1022 x 3 bytes is no multiple of four); the backs' too.
    for (const Layout layout :
         {Layout{40, 0, false}, Layout{40, 0, true}, Layout{40, 10, false}, Layout{124, 0, true}}) {
        SCOPED_TRACE(std::to_string(layout.header) + (layout.topDown ? " top-down" : "") + " gap " +
                     std::to_string(layout.gap));
        WriteBytes("deck.bmp", Bitmap(sheets::Deck(), layout.header, layout.gap, layout.topDown));
        WriteBytes("cardpatterns.bmp",
                   Bitmap(sheets::Patterns(), layout.header, layout.gap, layout.topDown));
        errors.clear();
        OpenWindows();
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(form->DeckBitmap(), sheets::Deck());
        EXPECT_EQ(form->PatternsBitmap(), sheets::Patterns());
        EXPECT_EQ(form->KeyColor(), sheets::kKey);
    }
}
