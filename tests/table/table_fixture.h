// SPDX-License-Identifier: GPL-3.0-or-later
// A table window built for real in a fresh working folder, with card sheets whose every pixel
// the tests can predict, a pacer that only records, and a recorder for error boxes.
#pragma once

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/engine.h"
#include "storage/game_log.h"
#include "storage/storage.h"
#include "suitchooser/tform2.h"
#include "suitchooser/window_controls.h"
#include "table/flow/storage_link.h"
#include "table/flow/turn_flow.h"
#include "table/game_table.h"
#include "table/pacer.h"
#include "table/tform1.h"
#include "temp_folder.h"

// Sheets made for the tests: every pixel tells its cell and place; a card's corners (and so
// pixel (1, 1) of the deck) are the key colour.
namespace sheets {

constexpr QRgb kKey = 0xFFFF00FF;

inline bool IsCorner(int x, int y) {
    return std::min(x, 72 - x) + std::min(y, 97 - y) < 3;
}

inline QRgb Face(int column, int row, int x, int y) {
    if (IsCorner(x, y))
        return kKey;
    return qRgb(20 + 16 * column, 40 + 50 * row, (x + 2 * y) % 256);
}

inline QRgb Back(int column, int row, int x, int y) {
    if (IsCorner(x, y))
        return kKey;
    return qRgb(200 - 60 * column, 30 + 30 * row, (3 * x + y) % 256);
}

inline QRgb Cloth(int x, int y) {
    return qRgb(x % 256, y % 256, 90);
}

inline QImage Sheet(int columns, int rows, QRgb (*cell)(int, int, int, int)) {
    QImage image(columns * 73, rows * 98, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, cell(x / 73, y / 98, x % 73, y % 98));
        }
    }
    return image;
}

inline QImage Deck() {
    return Sheet(14, 4, Face);
}
inline QImage Patterns() {
    return Sheet(2, 2, Back);
}
inline QImage Background() {
    QImage image(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, Cloth(x, y));
    }
    return image;
}

} // namespace sheets

class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sheets::Deck().save("deck.bmp", "BMP"));
        ASSERT_TRUE(sheets::Patterns().save("cardpatterns.bmp", "BMP"));
        ASSERT_TRUE(sheets::Background().save("background.bmp", "BMP"));
    }

    // The engine's start-up with the files in the folder, then the two windows; the table's
    // start-up runs unless told otherwise.
    void Open(bool startUp = true) {
        engine.EngineStartUp(StorageStartUpFiles());
        engine.SeedRandom(7);
        OpenWindows(startUp);
    }

    void OpenWindows(bool startUp = true) {
        table = std::make_unique<GameTable>(engine, pacer);
        form = &table->form1;
        flow = &table->flow;
        form->SetErrorReporter([this](const QString& text) { errors.push_back(text); });
        if (startUp)
            form->StartUp();
    }

    // A control found by the name it is given in the design, as tools outside the program
    // find it.
    QWidget* Named(const char* name) const {
        return form->findChild<QWidget*>(QString::fromLatin1(name));
    }

    // The window goes, as at the end of a run.
    void CloseWindows() {
        table.reset();
        form = nullptr;
        flow = nullptr;
    }

    // Gives a seat these cards, in slot order.
    void GiveHand(int seat, const std::vector<int>& cards) {
        engine.Hands[seat] = Hand{};
        engine.Hands[seat].count = static_cast<int32_t>(cards.size());
        for (size_t i = 0; i < cards.size(); ++i)
            engine.Hands[seat].slot[i + 1] = cards[i];
    }

    TempFolder folder;
    Engine engine;
    RecordingPacer pacer;
    std::unique_ptr<GameTable> table;
    TForm1* form = nullptr;
    TurnFlow* flow = nullptr;
    std::vector<QString> errors;
};

// The face pixel of a card code on the test deck.
inline QRgb FacePixel(int card, int x, int y) {
    const DecodedCard decoded = Engine::DecodeCard(card);
    return sheets::Face(decoded.RankIndex, decoded.SuitIndex, x, y);
}

// Keeps a picture of the window in the build tree for people to look at.
inline void SaveShot(const QImage& shot, const char* name) {
    QDir().mkpath(QStringLiteral(QUELVANE_SCREENSHOT_DIR));
    EXPECT_TRUE(shot.save(QStringLiteral(QUELVANE_SCREENSHOT_DIR "/%1").arg(name)));
}
