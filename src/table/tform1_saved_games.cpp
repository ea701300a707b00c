// Loading a saved game from the options panel's "Saved Games" box, and the message that
// reports a load or a save.
#include <QComboBox>

#include "storage/saved_games.h"
#include "suitchooser/window_controls.h"
#include "table/pacer.h"
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

void TForm1::ShowFileMessage(int kind) {
    TextLabel* message = Label(QStringLiteral("Label30"));
    const QString name = QString::fromStdString(engine_.SaveName);
    if (kind == 1) {
        message->move(400, 180);
        message->SetCaption(name + QStringLiteral(" loaded - Current Round:") +
                            QString::number(SavedRound(engine_)));
    } else if (kind == 2) {
        message->move(650, 620);
        message->SetCaption(name + QStringLiteral(" saved"));
    } else {
        return;
    }
    message->show();
    pacer_.Pause(2000);
    message->hide();
}
