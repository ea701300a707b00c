// The options panel: players, target, card design, the three switches and the seat names,
// applied by START, which then opens the deal panel.
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "storage/config.h"
#include "storage/game_log.h"
#include "suitchooser/window_controls.h"
#include "table/tform1.h"

namespace {

constexpr std::array<int, 4> kDealSizes = {4, 5, 6, 7};            // RadioButton1 ..
constexpr std::array<int, 5> kTargets = {100, 200, 250, 300, 350}; // RadioButton5 ..
constexpr std::array<int, 3> kPlayerCounts = {3, 4, 5};            // RadioButton10 ..

QString RadioName(int number) {
    return QStringLiteral("RadioButton%1").arg(number);
}

// The picture that shows each card design in the panel.
QString DesignPictureName(int design) {
    switch (design) {
    case 1:
        return QStringLiteral("Image24");
    case 2:
        return QStringLiteral("Image26");
    case 3:
        return QStringLiteral("Image25");
    case 4:
        return QStringLiteral("Image27");
    default:
        return {};
    }
}

// The value of whichever button of a row is checked, or the old value when none is.
template <std::size_t N>
int32_t CheckedValue(const TForm1& form, int firstButton, const std::array<int, N>& values,
                     int32_t old) {
    for (std::size_t i = 0; i < N; ++i) {
        if (form.Radio(RadioName(firstButton + static_cast<int>(i)))->isChecked()) {
            return values[i];
        }
    }
    return old;
}

template <std::size_t N>
void CheckValue(const TForm1& form, int firstButton, const std::array<int, N>& values, int value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value)
            form.Radio(RadioName(firstButton + static_cast<int>(i)))->setChecked(true);
    }
}

// Only the low byte of each cell is a letter of the word.
constexpr std::array<uint32_t, 3> kRevealCodes = {0x2A11004Bu, 0x00C50069u, 0x3F000172u};

} // namespace

std::string RevealWord() {
    std::string word;
    for (const uint32_t code : kRevealCodes)
        word += static_cast<char>(code & 0xFFu);
    return word;
}

void TForm1::ShowSettings() {
    CheckValue(*this, 1, kDealSizes, engine_.DealSize);
    CheckValue(*this, 5, kTargets, engine_.PlayUntil);
    CheckValue(*this, 10, kPlayerCounts, engine_.PlayerCount);
    Check(QStringLiteral("CheckBox1"))->setChecked(!engine_.SlowDeal);
    Check(QStringLiteral("CheckBox2"))->setChecked(engine_.SortByPoints);
    Check(QStringLiteral("CheckBox3"))->setChecked(engine_.ProgressiveTwos);
    const QString design = DesignPictureName(engine_.CardDesign);
    if (!design.isEmpty())
        Frame(Picture(design));
    QComboBox* names = Combo(QStringLiteral("ComboBox1"));
    names->clear();
    for (int seat = 1; seat <= 5; ++seat) {
        names->addItem(QString::fromStdString(engine_.PlayerNames[seat]));
    }
    // No name is chosen until the player picks one.
    names->setCurrentIndex(-1);
    names->clearEditText();
}

void TForm1::DesignClick(int design) {
    engine_.CardDesign = design;
    Frame(Picture(DesignPictureName(design)));
}

void TForm1::ComboBox1Change(int index) {
    if (index >= 0)
        engine_.NameEditIndex = index;
}

void TForm1::ComboBox1KeyDown(int key) {
    QComboBox* names = Combo(QStringLiteral("ComboBox1"));
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

void TForm1::Image20Click() {
    engine_.Seat3HandLeft = 476;
    engine_.Seat4HandLeft = 802;
    engine_.Seat4HandTop = 272;
    engine_.Seat4MarkerLeft = 745;
    engine_.PlayUntil = CheckedValue(*this, 5, kTargets, engine_.PlayUntil);
    engine_.PlayerCount = CheckedValue(*this, 10, kPlayerCounts, engine_.PlayerCount);
    // With five players seats 3 and 4 share the top edge.
    if (engine_.PlayerCount == 5) {
        engine_.Seat3HandLeft = 256;
        engine_.Seat4HandLeft = 768;
        engine_.Seat4HandTop = 24;
        engine_.Seat4MarkerLeft = 678;
    }
    ShowStockPile(4, true);
    QWidget* options = Control(QStringLiteral("Panel1"));
    options->hide();
    options->setEnabled(false);
    QWidget* deal = Control(QStringLiteral("GroupBox1"));
    deal->setEnabled(true);
    deal->show();
    PlaceSeatLabels();
    engine_.SlowDeal = !Check(QStringLiteral("CheckBox1"))->isChecked();
    engine_.SortByPoints = Check(QStringLiteral("CheckBox2"))->isChecked();
    engine_.ProgressiveTwos = Check(QStringLiteral("CheckBox3"))->isChecked();
    engine_.StrategySeed = engine_.Random(6);
    // Neither mode is ever switched off again during the run.
    if (engine_.PlayerNames[3] == RevealWord())
        engine_.RevealHands = true;
    if (IsLogWord(engine_.PlayerNames[5]))
        engine_.LogEnabled = true;
    log_.StartLog(engine_);
}

void TForm1::PlaceSeatLabels() {
    const std::array<TextLabel*, 6> labels = {
        nullptr,
        Label(QStringLiteral("Label1")),
        Label(QStringLiteral("Label2")),
        Label(QStringLiteral("Label3")),
        Label(QStringLiteral("Label4")),
        Label(QStringLiteral("Label29")),
    };
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
