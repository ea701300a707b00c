// SPDX-License-Identifier: GPL-3.0-or-later
// The options panel: players, target, card design, the three switches and the seat names,
// applied by START, which then opens the deal panel.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "storage/config.h"
#include "suitchooser/window_controls.h"
#include "table/flow/turn_flow.h"
#include "table/tform1.h"

namespace {

constexpr std::array<int, 4> kDealSizes = {4, 5, 6, 7};            // RadioButton1 ..
constexpr std::array<int, 5> kTargets = {100, 200, 250, 300, 350}; // RadioButton5 ..
constexpr std::array<int, 3> kPlayerCounts = {3, 4, 5};            // RadioButton10 ..

// The value of whichever button of a row is checked, or 0 when none is.
template <std::size_t N>
int32_t CheckedValue(const std::array<QRadioButton*, N>& buttons,
                     const std::array<int, N>& values) {
    for (std::size_t i = 0; i < N; ++i) {
        if (buttons[i]->isChecked())
            return values[i];
    }
    return 0;
}

template <std::size_t N>
void CheckValue(const std::array<QRadioButton*, N>& buttons, const std::array<int, N>& values,
                int value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value)
            buttons[i]->setChecked(true);
    }
}

} // namespace

void TForm1::ShowSettings() {
    CheckValue(DealRadios(), kDealSizes, engine_.DealSize);
    CheckValue(TargetRadios(), kTargets, engine_.PlayUntil);
    CheckValue(PlayerRadios(), kPlayerCounts, engine_.PlayerCount);
    CheckBox1->setChecked(!engine_.SlowDeal);
    CheckBox2->setChecked(engine_.SortByPoints);
    CheckBox3->setChecked(engine_.ProgressiveTwos);
    if (PictureBox* design = DesignPicture(engine_.CardDesign))
        Frame(design);
    QComboBox* names = ComboBox1;
    names->clear();
    for (int seat = 1; seat <= 5; ++seat) {
        names->addItem(QString::fromStdString(engine_.PlayerNames[seat]));
    }
    // No name is chosen until the player picks one.
    names->setCurrentIndex(-1);
    names->clearEditText();
}

int TForm1::CheckedDealSize() const {
    return CheckedValue(DealRadios(), kDealSizes);
}

void TForm1::DesignClick(int design) {
    engine_.CardDesign = design;
    Frame(DesignPicture(design));
}

void TForm1::ComboBox1Change(int index) {
    if (index >= 0)
        engine_.NameEditIndex = index;
}

void TForm1::ComboBox1KeyDown(int key) {
    QComboBox* names = ComboBox1;
    const int index = engine_.NameEditIndex;
    if (key != 13 || index < 0 || index > 4)
        return;
    const std::string name = CleanSeatName(names->currentText().toStdString());
    engine_.PlayerNames[index + 1] = name;
    if (index < names->count())
        names->removeItem(index);
    names->insertItem(index, QString::fromStdString(name));
    names->setCurrentIndex(index);
    engine_.NameEditIndex = -1;
}

// The turn flow decides what START means; the panel only says what is ticked.
void TForm1::Image20Click() {
    flow_->Image20Click(CheckedOptions());
}

ChosenOptions TForm1::CheckedOptions() const {
    ChosenOptions chosen;
    chosen.PlayUntil = CheckedValue(TargetRadios(), kTargets);
    chosen.PlayerCount = CheckedValue(PlayerRadios(), kPlayerCounts);
    chosen.QuickDeal = CheckBox1->isChecked();
    chosen.SortByPoints = CheckBox2->isChecked();
    chosen.ProgressiveTwos = CheckBox3->isChecked();
    return chosen;
}

void TForm1::HideOptionsPanel() {
    Panel1->hide();
    Panel1->setEnabled(false);
}

void TForm1::ShowSeatNames() {
    const std::array<TextLabel*, 6> labels = SeatLabels();
    const int players = std::clamp(engine_.PlayerCount, 1, 5);
    for (int seat = 1; seat <= players; ++seat) {
        labels[seat]->SetCaption(QString::fromStdString(engine_.PlayerNames[seat]));
    }
    labels[4]->hide();
    labels[5]->hide();
    for (int seat = 2; seat <= players; ++seat)
        labels[seat]->show();

    constexpr int W = kOuterWidth;
    const auto half = [&](int seat) { return labels[seat]->width() / 2; };
    labels[1]->move(W / 2 - half(1), labels[1]->y());
    labels[2]->move(78 - half(2), labels[2]->y());
    if (engine_.PlayerCount <= 4) {
        labels[3]->move(W / 2 - half(3), labels[3]->y());
        labels[4]->move(946 - half(4), labels[2]->y());
    } else {
        labels[3]->move(W / 4 - half(3), labels[3]->y());
        labels[4]->move(3 * W / 4 - half(4), labels[3]->y());
        labels[5]->move(946 - half(5), labels[2]->y());
    }
}
