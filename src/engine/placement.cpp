// SPDX-License-Identifier: GPL-3.0-or-later
// Where the turn arrow and the status text stand for the seat whose turn it is.
#include "engine/engine.h"

namespace {

// Which of the four arrows points the way play goes, by CurrentPlayer x Direction.
int ArrowPicture(int product, bool fiveSeats) {
    switch (product) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 3:
        return 3;
    case 4:
        return fiveSeats ? 3 : 4;
    case 5:
        return fiveSeats ? 4 : 0;
    case -1:
        return 3;
    case -2:
        return 4;
    case -3:
        return 1;
    case -4:
        return fiveSeats ? 1 : 2;
    case -5:
        return fiveSeats ? 2 : 0;
    default:
        return 0;
    }
}

} // namespace

MarkerPlace Engine::TurnMarkerPlace() const {
    const bool fiveSeats = PlayerCount != 3 && PlayerCount != 4;
    MarkerPlace place;
    switch (CurrentPlayer) {
    case 1:
        place.left = 484;
        place.top = 441;
        break;
    case 2:
        place.left = 227;
        place.top = 256;
        break;
    case 3:
        place.left = fiveSeats ? 326 : 429;
        place.top = 124;
        break;
    case 4:
        place.left = Seat4MarkerLeft;
        place.top = fiveSeats ? 124 : 256;
        break;
    case 5:
        if (fiveSeats) {
            place.left = 742;
            place.top = 256;
        }
        break;
    default:
        break;
    }
    place.picture = ArrowPicture(CurrentPlayer * Direction, fiveSeats);
    return place;
}

LabelPlace Engine::StatusLabelPlace() const {
    const bool fiveSeats = PlayerCount == 5;
    LabelPlace place;
    switch (CurrentPlayer) {
    case 1:
        place = {548, 406};
        break;
    case 2:
        place = {232, 317};
        break;
    case 3:
        place = fiveSeats ? LabelPlace{Seat3HandLeft, 172} : LabelPlace{Seat3HandLeft + 72, 122};
        break;
    case 4:
        place = fiveSeats ? LabelPlace{Seat4HandLeft - 66, 172}
                          : LabelPlace{Seat4HandLeft - 92, Seat4HandTop + 45};
        break;
    case 5:
        place = {710, 317};
        break;
    default:
        break;
    }
    return place;
}

// With five players seats 3 and 4 share the top edge; with fewer, seat 4 sits at the right.
void Engine::PlaceSeats() {
    const bool fiveSeats = PlayerCount == 5;
    Seat3HandLeft = fiveSeats ? 256 : 476;
    Seat4HandLeft = fiveSeats ? 768 : 802;
    Seat4HandTop = fiveSeats ? 24 : 272;
    Seat4MarkerLeft = fiveSeats ? 678 : 745;
}
