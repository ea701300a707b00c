// SPDX-License-Identifier: GPL-3.0-or-later
// Where the turn arrow and the status text stand.
#include "engine_test_support.h"

#include <gtest/gtest.h>

namespace {

Engine Table(int players) {
    Engine e;
    e.PlayerCount = players;
    e.PlaceSeats();
    return e;
}

} // namespace

TEST(TurnMarkerPlace, PositionsForFourPlayers) {
    Engine e = Table(4);
    const int left[] = {0, 484, 227, 429, 745};
    const int top[] = {0, 441, 256, 124, 256};
    const int forward[] = {0, 1, 2, 3, 4};
    const int backward[] = {0, 3, 4, 1, 2};
    for (int seat = 1; seat <= 4; ++seat) {
        e.CurrentPlayer = seat;
        e.Direction = 1;
        MarkerPlace m = e.TurnMarkerPlace();
        EXPECT_EQ(m.left, left[seat]);
        EXPECT_EQ(m.top, top[seat]);
        EXPECT_EQ(m.picture, forward[seat]) << seat;
        e.Direction = -1;
        m = e.TurnMarkerPlace();
        EXPECT_EQ(m.picture, backward[seat]) << seat;
    }
}

TEST(TurnMarkerPlace, PositionsForFiveAndThreePlayers) {
    Engine e = Table(5);
    const int left[] = {0, 484, 227, 326, 678, 742};
    const int top[] = {0, 441, 256, 124, 124, 256};
    const int forward[] = {0, 1, 2, 3, 3, 4};
    const int backward[] = {0, 3, 4, 1, 1, 2};
    for (int seat = 1; seat <= 5; ++seat) {
        e.CurrentPlayer = seat;
        e.Direction = 1;
        MarkerPlace m = e.TurnMarkerPlace();
        EXPECT_EQ(m.left, left[seat]);
        EXPECT_EQ(m.top, top[seat]);
        EXPECT_EQ(m.picture, forward[seat]) << seat;
        e.Direction = -1;
        EXPECT_EQ(e.TurnMarkerPlace().picture, backward[seat]) << seat;
    }

    Engine three = Table(3);
    three.CurrentPlayer = 3;
    three.Direction = -1;
    const MarkerPlace m = three.TurnMarkerPlace();
    EXPECT_EQ(m.left, 429);
    EXPECT_EQ(m.picture, 1);

    // No seat, or no direction yet: no arrow.
    three.CurrentPlayer = 0;
    three.Direction = 1;
    EXPECT_EQ(three.TurnMarkerPlace().picture, 0);
    EXPECT_EQ(three.TurnMarkerPlace().left, 0);
    three.CurrentPlayer = 2;
    three.Direction = 0;
    EXPECT_EQ(three.TurnMarkerPlace().picture, 0);
}

TEST(StatusLabelPlace, FollowsTheLayoutOfTheTable) {
    struct Expect {
        int players, seat, left, top;
    };
    for (const Expect& x : {Expect{4, 1, 548, 406}, Expect{4, 2, 232, 317}, Expect{4, 3, 548, 122},
                            Expect{4, 4, 710, 317}, Expect{5, 3, 256, 172}, Expect{5, 4, 702, 172},
                            Expect{5, 5, 710, 317}, Expect{3, 3, 548, 122}, Expect{5, 0, 0, 0}}) {
        Engine e = Table(x.players);
        e.CurrentPlayer = x.seat;
        const LabelPlace p = e.StatusLabelPlace();
        EXPECT_EQ(p.left, x.left) << x.players << " players, seat " << x.seat;
        EXPECT_EQ(p.top, x.top) << x.players << " players, seat " << x.seat;
    }
}
