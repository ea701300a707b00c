// The stock pile: up to four stacked backs of the chosen design.
#include "suitchooser/window_controls.h"
#include "table/pacer.h"
#include "table/tform1.h"

namespace {

// The stock's pictures from the top card down.
constexpr std::array<const char*, 4> kStockPictures = {"Image53", "Image52", "Image51", "Image50"};

} // namespace

void TForm1::ShowStockPile(int count, bool force) {
    if (engine_.GameOver)
        return;
    int shown = engine_.StockPile[0] - engine_.StockPos;
    if (force || count < shown)
        shown = count;
    // An empty stock still shows one back: a draw turns the discards over first.
    shown = std::max(shown, 1);
    if (shown == engine_.StockImagesShown)
        return;
    for (const char* name : kStockPictures)
        Control(QString::fromLatin1(name))->hide();
    const QPoint cell = DesignCell(engine_.CardDesign);
    const QImage back = patternsBitmap_.isNull()
                            ? QImage()
                            : patternsBitmap_.copy(73 * cell.x(), 98 * cell.y(), 73, 98);
    for (int j = std::min(shown, 4); j >= 1; --j) {
        PictureBox* picture = Picture(QString::fromLatin1(kStockPictures[j - 1]));
        picture->SetPicture(back);
        picture->show();
    }
    engine_.StockImagesShown = shown;
    pacer_.Sleep(200);
    repaint();
}
