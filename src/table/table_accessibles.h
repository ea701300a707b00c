// SPDX-License-Identifier: GPL-3.0-or-later
// How the table is laid before a screen reader: the window as a frame under its title, its
// panels as named panes, and the pictures and frames that only decorate (the cloth, the
// backdrops, the edges of the covered discards, the keyboard outline) left out of the tree, so
// that walking it meets only what a player acts on or needs to know. Nothing here changes what
// is painted.
#pragma once

#include <QString>
#include <QWidget>

// Marks a control as decoration: a screen reader never meets it.
void MarkDecorative(QWidget* control);
bool IsDecorative(const QObject* object);

// Marks a group of controls as a pane under that name ("Options", "Deal").
void MarkPane(QWidget* container, const QString& name);

// Makes the window itself a frame named by its title, whose panes leave their decoration out.
// Call once, before the first accessible query.
void InstallTableAccessibles();

// What the table has to tell that no control shows on its own: a screen reader speaks each
// text handed to it (a computer's play, a penalty, the end of the round) as it comes. It is an
// invisible object with the notification role, shown anew for every text.
class SpokenNews : public QWidget {
    Q_OBJECT
  public:
    explicit SpokenNews(QWidget* parent);
    void Say(const QString& text);
    QString Last() const { return accessibleName(); }

  protected:
    void paintEvent(QPaintEvent*) override {}
};
