// SPDX-License-Identifier: GPL-3.0-or-later
// The rules viewer: a paged panel over the table with PAGE DOWN, PAGE UP and EXIT.
#include <QPlainTextEdit>

#include "storage/rules_text.h"
#include "suitchooser/window_controls.h"
#include "table/tform1.h"

void TForm1::ShowRulesPage(const RulesPage& page) {
    QStringList lines;
    for (const std::string& line : page.lines)
        lines << QString::fromStdString(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm1::Image33Click() {
    // The focus goes into the rules (at the next change of the table) and comes back here.
    rulesReturn_ = focusWidget();
    QWidget* button = Image33;
    button->hide();
    button->setEnabled(false);
    QWidget* panel = Panel2;
    panel->show();
    panel->setEnabled(true);
    ShowAllHandSlots(false, false);
    // The text has the focus before its first page is laid in, so that a screen reader reads
    // the page as it comes rather than taking it for old news.
    Memo1->setFocus(Qt::OtherFocusReason);
    ShowRulesPage(OpenRulesPage(engine_));
}

// A screen reader is told where the page now stands and how it begins; the arrows read on.
void TForm1::Image29Click() {
    const RulesPage page = PageRulesDown(engine_);
    ShowRulesPage(page);
    AnnounceRulesPage(page);
}

void TForm1::Image30Click() {
    const RulesPage page = PageRulesUp(engine_);
    ShowRulesPage(page);
    AnnounceRulesPage(page);
}

void TForm1::AnnounceRulesPage(const RulesPage& page) {
    if (page.lines.empty())
        return;
    Announce("Rules, lines " + std::to_string(page.first) + " to " + std::to_string(page.last) +
             ": " + page.lines.front());
}

void TForm1::Image28Click() {
    QWidget* panel = Panel2;
    panel->setEnabled(false);
    panel->hide();
    QWidget* button = Image33;
    button->setEnabled(true);
    button->show();
    // The hand comes back as it stood: only the slots that hold cards, and a card chosen for
    // a jack chain raised again (opening the rules lowered it). Showing all nineteen would
    // bring back pictures of cards played long ago.
    const int count = engine_.Hands[1].count;
    for (int slot = 1; slot <= kHandLimit; ++slot) {
        PictureBox* picture = HandSlot(slot);
        const bool holdsCard = slot <= count;
        picture->setVisible(holdsCard);
        picture->setEnabled(holdsCard);
        if (holdsCard)
            picture->move(picture->x(), engine_.HandCardTop[slot]);
    }
    if (rulesReturn_ && rulesReturn_->isVisibleTo(this) && rulesReturn_->isEnabled())
        rulesReturn_->setFocus(Qt::OtherFocusReason);
    RefocusHand();
}
