// Saved games: loading from the options panel's "Saved Games" box, saving from the "Save Game"
// box between rounds, and the message that reports a load or a save.
#include <QComboBox>

#include "storage/saved_games.h"
#include "suitchooser/window_controls.h"
#include "table/flow/turn_flow.h"
#include "table/tform1.h"

void TForm1::ComboBox2KeyDown(int key) {
    if (key != 13)
        return;
    const std::string name =
        SaveNameFromText(Combo(QStringLiteral("ComboBox2"))->currentText().toStdString());
    if (name.empty())
        return;
    engine_.SaveName = name;
    const bool loaded = ReadSaveFile(engine_, engine_.SaveName, ".sav");
    if (loaded)
        RestoreGame(engine_);
    // The controls show the engine's settings whether or not anything was loaded.
    ShowSettings();
    if (loaded)
        ShowFileMessage(1);
}

// The flow words the message and keeps it up for its two seconds.
void TForm1::ShowFileMessage(int kind) {
    if (flow_)
        flow_->ShowFileMessage(kind);
}

void TForm1::ShowFileMessage(int kind, const std::string& text) {
    TextLabel* message = Label(QStringLiteral("Label30"));
    if (kind == 1)
        message->move(400, 180);
    else if (kind == 2)
        message->move(650, 620);
    else
        return;
    message->SetCaption(QString::fromStdString(text));
    message->show();
}

void TForm1::HideFileMessage() {
    Control(QStringLiteral("Label30"))->hide();
}

// Between rounds the box lists every saved game anew, so a game saved a round ago shows too.
void TForm1::ShowSaveBox() {
    QComboBox* box = Combo(QStringLiteral("ComboBox3"));
    box->clear();
    FindFiles("");
    box->setEnabled(true);
    box->show();
    Control(QStringLiteral("Label28"))->show();
}

void TForm1::HideSaveBox() {
    QComboBox* box = Combo(QStringLiteral("ComboBox3"));
    box->hide();
    box->setEnabled(false);
    Control(QStringLiteral("Label28"))->hide();
}

void TForm1::ComboBox3KeyDown(int key) {
    const std::string text = Combo(QStringLiteral("ComboBox3"))->currentText().toStdString();
    RunTurnSequence([&] { flow_->ComboBox3KeyDown(key, text); });
}
