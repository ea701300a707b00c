// SPDX-License-Identifier: GPL-3.0-or-later
// How the table is laid before a screen reader: the window as a frame under its title, its
// panels as named panes, and the pictures and frames that only decorate (the cloth, the
// backdrops, the edges of the covered discards, the keyboard outline) left out of the tree, so
// that walking it meets only what a player acts on or needs to know. Nothing here changes what
// is painted.
#pragma once

#include <QString>

#include <QGroupBox>
#include <QWidget>
#include <array>

// Marks a control as decoration: a screen reader never meets it.
void MarkDecorative(QWidget* control);
bool IsDecorative(const QObject* object);

// Marks a group of controls as a pane under that name ("Options", "Deal").
void MarkPane(QWidget* container, const QString& name);

// Makes the window itself a frame named by its title, whose panes leave their decoration out.
// Call once, before the first accessible query.
void InstallTableAccessibles();

// A group box a screen reader meets as a named pane; Qt's own reading of a group box comes
// before any of ours, so the class has a name of its own.
class PaneGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    using QGroupBox::QGroupBox;
};

// One piece of news: an invisible object with the notification role, which a screen reader
// speaks when it is shown.
class NewsItem : public QWidget {
    Q_OBJECT
  public:
    explicit NewsItem(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent*) override {}
};

// What the table has to tell that no control shows on its own: a screen reader speaks each
// text handed to it (a computer's play, a penalty, the end of the round) as it comes. Each text
// has an object of its own, taken in turn from a few, so that a screen reader that reads a text
// a moment after it was shown still finds that text there, not the next.
class SpokenNews : public QObject {
    Q_OBJECT
  public:
    explicit SpokenNews(QWidget* window);
    void Say(const QString& text);
    QString Last() const { return last_; }

  private:
    std::array<NewsItem*, 8> items_{};
    size_t next_ = 0;
    QString last_;
};
