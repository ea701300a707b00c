// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games: loading from the options panel's "Saved Games" box, saving from the "Save Game"
// box between rounds, and the message that reports a load or a save.
#include <QComboBox>

#include "suitchooser/window_controls.h"
#include "table/flow/turn_flow.h"
#include "table/tform1.h"

void TForm1::ComboBox2KeyDown(int key) {
    flow_->ComboBox2KeyDown(key, ComboBox2->currentText().toStdString());
}

void TForm1::ShowFileMessageText(int kind, const std::string& text) {
    TextLabel* message = Label30;
    if (kind == 1)
        message->move(400, 180);
    else if (kind == 2)
        message->move(650, 620);
    else
        return;
    message->SetCaption(QString::fromStdString(text));
    message->show();
    Announce(text);
}

void TForm1::HideFileMessage() {
    Label30->hide();
}

// Between rounds the box lists every saved game anew, so a game saved a round ago shows too.
void TForm1::ShowSaveBox() {
    QComboBox* box = ComboBox3;
    box->clear();
    FindFiles("");
    box->setEnabled(true);
    box->show();
    Label28->show();
}

void TForm1::HideSaveBox() {
    QComboBox* box = ComboBox3;
    box->hide();
    box->setEnabled(false);
    Label28->hide();
}

void TForm1::ComboBox3KeyDown(int key) {
    flow_->ComboBox3KeyDown(key, ComboBox3->currentText().toStdString());
}
