// SPDX-License-Identifier: GPL-3.0-or-later
// Card codes into pictures: the human's hand in its 19 slots, the computer seats' overlapping
// fans, the seat pictures' places and the card-design thumbnails of the options panel.
#include <cmath>

#include "suitchooser/window_controls.h"
#include "table/device_sheets.h"
#include "table/pacer.h"
#include "table/tform1.h"

namespace {

constexpr int kFanLength = 505; // the fan surfaces' length along the fan
constexpr int kSideTop = 272;   // the side seats' fans are centred on this line
constexpr QRgb kLime = 0xFF00FF00;

QRect FaceCell(const DecodedCard& card) {
    return {TForm1::kCardWidth * card.RankIndex, TForm1::kCardHeight * card.SuitIndex,
            TForm1::kCardWidth, TForm1::kCardHeight};
}

} // namespace

QPoint TForm1::DesignCell(int design) {
    switch (design) {
    case 2:
        return {0, 1};
    case 3:
        return {1, 0};
    case 4:
        return {1, 1};
    default:
        return {0, 0};
    }
}

void TForm1::CopyCard(int card, PictureBox* picture) {
    const DecodedCard decoded = Engine::DecodeCard(card);
    if (!decoded.valid || picture == nullptr || deckDevice_.isNull())
        return;
    if (picture->Picture().size() != DeviceSize(picture->size(), picture->devicePixelRatioF()))
        picture->NewSurface(picture->width(), picture->height());
    CopyFromCardSheet(picture->Canvas(), picture->rect(), deckDevice_, FaceCell(decoded));
}

void TForm1::DrawHandSlot(int card, int slot) {
    if (Engine::DecodeCard(card).valid && HandSlot(slot))
        CopyCard(card, HandSlot(slot));
}

void TForm1::ShowHandSlot(int slot, bool visible, bool enabled) {
    PictureBox* picture = HandSlot(slot);
    if (picture == nullptr)
        return;
    picture->setVisible(visible);
    picture->setEnabled(enabled);
    picture->move(picture->x(), kRestingHandTop);
}

void TForm1::ShowAllHandSlots(bool visible, bool enabled) {
    for (int slot = 1; slot <= kHandLimit; ++slot)
        ShowHandSlot(slot, visible, enabled);
}

void TForm1::ClearHandSlot(int slot) {
    if (PictureBox* picture = HandSlot(slot))
        picture->ClearPicture();
}

// The turn flow orders the hand and waits after it; the window only lays it out.
void TForm1::DrawHumanHand(int count) {
    engine_.ResetHandCardPositions();
    // The hand is centred on x = 511 with the cards 36 pixels apart.
    const int first = 493 - 18 * count;
    for (int slot = 1; slot <= kHandLimit; ++slot) {
        HandSlot(slot)->move(first + 36 * (slot - 1), HandSlot(slot)->y());
    }
    for (int k = 1; k <= std::min(count, 20); ++k) {
        engine_.HandCardLeft[k] = first + 36 * (k - 1);
        engine_.HandCardTop[k] = kRestingHandTop;
    }
    // Each slot goes straight to how it ends up: hiding a slot only to show it again asks the
    // window system where the mouse is, twice, for nothing.
    const Hand& hand = engine_.Hands[1];
    for (int slot = 1; slot <= kHandLimit; ++slot) {
        const bool held = slot <= count;
        ShowHandSlot(slot, held, held);
        if (held)
            DrawHandSlot(hand.slot[slot], slot);
    }
    handRedrawn_ = true;
}

// A chosen card of a jack chain stands raised; its flight to the pile starts where it stands.
void TForm1::SetSlotTop(int slot, int top) {
    PictureBox* picture = HandSlot(slot);
    if (picture == nullptr)
        return;
    picture->move(picture->x(), top);
    engine_.HandCardTop[slot] = top;
}

// The spacing follows the cards the seat really holds, so a fan being dealt does not reflow.
int TForm1::FanSpacing(int seat, bool column) const {
    const int n = seat >= 1 && seat <= 5 ? engine_.Hands[seat].count : 0;
    if (column) {
        if (n <= 7)
            return 24;
        return n <= 12 ? 20 : 16;
    }
    if (n >= 14)
        return 17;
    if (engine_.PlayerCount == 5 && (seat == 3 || seat == 4) && n >= 7)
        return 20;
    return n <= 8 ? 24 : 19;
}

// Copies every pixel of a face or back that is not the key colour, so the card's corners keep
// what lies under them. A column fan turns the card a quarter turn anticlockwise.
void TForm1::DrawFanCard(QImage& surface, int card, bool faceUp, bool column, int offset) {
    QRect cell;
    const QImage* sheet = nullptr;
    if (faceUp) {
        const DecodedCard decoded = Engine::DecodeCard(card);
        if (!decoded.valid)
            return;
        cell = FaceCell(decoded);
        sheet = &deckDevice_;
    } else {
        const QPoint back = DesignCell(engine_.CardDesign);
        cell = QRect(kCardWidth * back.x(), kCardHeight * back.y(), kCardWidth, kCardHeight);
        sheet = &patternsDevice_;
    }
    // The sheet and the surface share the window's ratio; the card is placed in its pixels.
    const qreal ratio = surface.devicePixelRatio();
    cell = CardSheetRect(cell, sheet->devicePixelRatio());
    offset = static_cast<int>(std::lround(offset * ratio));
    // The loaded sheets and the fan surfaces are both 32-bit words (the start-up and the
    // pictures make them so): the card goes straight through their rows.
    if (sheet->format() != QImage::Format_RGB32 || surface.format() != QImage::Format_RGB32 ||
        !sheet->rect().contains(cell))
        return;
    const qsizetype stride = surface.bytesPerLine() / 4;
    const int width = surface.width();
    const int height = surface.height();
    const int cardWidth = cell.width();
    const QRgb key = keyColor_;
    auto* out = reinterpret_cast<QRgb*>(surface.bits());
    for (int y = 0; y < cell.height(); ++y) {
        const auto* in =
            reinterpret_cast<const QRgb*>(sheet->constScanLine(cell.y() + y)) + cell.x();
        if (!column) {
            if (y >= height)
                break;
            QRgb* line = out + y * stride;
            const int from = std::max(0, -offset);
            const int to = std::min(cardWidth, width - offset);
            for (int x = from; x < to; ++x) {
                const QRgb colour = in[x] | 0xFF000000u;
                if (colour != key)
                    line[offset + x] = colour;
            }
            continue;
        }
        if (y >= width)
            break;
        for (int x = 0; x < cardWidth; ++x) {
            const QRgb colour = in[x] | 0xFF000000u;
            const int ty = offset + cardWidth - 1 - x;
            if (colour != key && ty >= 0 && ty < height)
                out[ty * stride + y] = colour;
        }
    }
}

void TForm1::DrawSeatRow(int seat, int count, bool faceUp) {
    if (seat < 3 || seat > 5)
        return;
    PictureBox* picture = SeatPicture(seat);
    picture->hide();
    seatFans_[seat] = {count, faceUp};
    if (count <= 0)
        return;
    const int step = FanSpacing(seat, false);
    const int extent = (count - 1) * step;
    const int base = seat == 3 ? engine_.Seat3HandLeft : (seat == 4 ? engine_.Seat4HandLeft : 802);
    // One card high: seat 4's picture, a column with four players, must not keep its height.
    picture->setGeometry(base - extent / 2, picture->y(), extent + kCardWidth, kCardHeight);
    ColorCardImage(picture);
    QImage& surface = picture->Canvas();
    const Hand& hand = engine_.Hands[seat];
    for (int i = 0; i < std::min(count, 52); ++i) {
        DrawFanCard(surface, hand.slot[i + 1], faceUp, false, i * step);
    }
    picture->show();
}

void TForm1::DrawSeatColumn(int seat, int count, bool faceUp) {
    if (seat != 2 && seat != 4 && seat != 5)
        return;
    PictureBox* picture = SeatPicture(seat);
    picture->hide();
    seatFans_[seat] = {count, faceUp};
    if (count < 1)
        return;
    const int step = FanSpacing(seat, true);
    const int extent = (count - 1) * step;
    picture->setGeometry(picture->x(), kSideTop - extent / 2, kCardHeight, extent + kCardWidth);
    ColorCardImage(picture);
    QImage& surface = picture->Canvas();
    const Hand& hand = engine_.Hands[seat];
    count = std::min(count, 52);
    // On the left the last card lies on top, on the right the first.
    for (int k = 1; k <= count; ++k) {
        const int idx = seat == 2 ? k : count - k + 1;
        DrawFanCard(surface, hand.slot[idx], faceUp, true, (idx - 1) * step);
    }
    picture->show();
}

void TForm1::PlaceSeat(int seat, bool visible) {
    if (seat == 1) {
        PictureBox* top = Image60;
        PictureBox* flying = Image61;
        top->move(552, 248);
        Image38->move(542, 248);
        Image39->move(531, 248);
        Image40->move(520, 248);
        Image42->move(509, 248);
        top->ClearPicture();
        for (PictureBox* picture : {top, flying}) {
            picture->setVisible(visible);
            picture->setEnabled(visible);
        }
        flying->ClearPicture();
        return;
    }
    PictureBox* picture = SeatPicture(seat);
    if (picture == nullptr)
        return;
    switch (seat) {
    case 2:
        picture->move(124, kSideTop);
        break;
    case 3:
        picture->move(engine_.Seat3HandLeft, 24);
        break;
    case 4:
        picture->move(engine_.Seat4HandLeft, engine_.Seat4HandTop);
        break;
    default:
        picture->move(802, kSideTop);
        break;
    }
    picture->setVisible(visible);
    picture->setEnabled(visible);
    picture->ClearPicture();
}

void TForm1::PrepareSeatPictures() {
    for (int seat = 2; seat <= 5; ++seat)
        SeatPicture(seat)->hide();
    SeatPicture(2)->NewSurface(kCardHeight, kFanLength);
    SeatPicture(3)->NewSurface(kFanLength, kCardHeight);
    SeatPicture(5)->NewSurface(kCardHeight, kFanLength);
    // Seat 4 sits at the side with four players and at the top with five.
    if (engine_.PlayerCount == 4)
        SeatPicture(4)->NewSurface(kCardHeight, kFanLength);
    if (engine_.PlayerCount == 5)
        SeatPicture(4)->NewSurface(kFanLength, kCardHeight);
    // The stock's top card carries the deal to the seats.
    Image53->show();
}

// Seats 2 and 5 sit at the sides, seat 3 at the top; seat 4 at the side with four players and
// at the top with five.
void TForm1::DrawSeatHand(int seat, int count, bool faceUp) {
    const bool row = seat == 3 || (seat == 4 && engine_.PlayerCount != 4);
    if (row)
        DrawSeatRow(seat, count, faceUp);
    else
        DrawSeatColumn(seat, count, faceUp);
}

// The outline hides whatever an earlier, longer fan left at the picture's new edge.
void TForm1::ColorCardImage(PictureBox* picture) {
    OutlineRectangle(picture->Canvas(), 1, 1, picture->width() - 1, picture->height() - 1,
                     keyColor_);
}

void TForm1::DrawDesignThumbnails(const QImage& sheet) {
    if (sheet.isNull())
        return;
    // Each thumbnail shows the top-left part of one back, inside its outline.
    const std::array<std::pair<PictureBox*, QRect>, 4> thumbnails = {{
        {Image24, QRect(QPoint(1, 1), QPoint(36, 49))},
        {Image25, QRect(QPoint(74, 1), QPoint(109, 49))},
        {Image26, QRect(QPoint(1, 99), QPoint(36, 146))},
        {Image27, QRect(QPoint(74, 99), QPoint(109, 146))},
    }};
    for (const auto& [picture, source] : thumbnails) {
        picture->NewSurface(picture->width(), picture->height());
        CopyFromCardSheet(picture->Canvas(), picture->rect(), sheet, source);
    }
}

void TForm1::Frame(PictureBox* picture) {
    DrawDesignThumbnails(patternsDevice_);
    if (picture == nullptr)
        return;
    OutlineRectangle(picture->Canvas(), 1, 1, 47, 64, kLime);
}
