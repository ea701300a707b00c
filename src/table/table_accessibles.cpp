// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/table_accessibles.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QGroupBox>

#include "suitchooser/window_controls.h"

namespace {

constexpr const char* kDecorative = "quelvaneDecorative";
constexpr const char* kPane = "quelvanePane";

// The children a screen reader meets: the widgets below, decoration left out.
QList<QWidget*> SpokenChildren(const QWidget* widget) {
    QList<QWidget*> children;
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child != nullptr && !child->isWindow() && !IsDecorative(child))
            children.append(child);
    }
    return children;
}

// A container whose decoration is left out of its children.
class SpokenContainer : public QAccessibleWidget {
  public:
    SpokenContainer(QWidget* widget, QAccessible::Role role, const QString& name)
        : QAccessibleWidget(widget, role, name), name_(name) {}

    int childCount() const override { return static_cast<int>(SpokenChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = SpokenChildren(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        return static_cast<int>(SpokenChildren(widget()).indexOf(child->object()));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return name_;
        return QAccessibleWidget::text(t);
    }

  private:
    QString name_;
};

// The table window: a frame under its title, like any application's main window. While a card
// has the keys, the card is the one focused object, not the frame that passes the keys on.
class TableFrame : public SpokenContainer {
  public:
    explicit TableFrame(QWidget* widget)
        : SpokenContainer(widget, QAccessible::Window, widget->windowTitle()) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->windowTitle();
        return SpokenContainer::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = SpokenContainer::state();
        if (state.focused && PassesKeysToAPicture(widget()))
            state.focused = false;
        return state;
    }
};

// A scroll area's viewport hands its focus to the area; the area (the rules text) is the
// focused object, never the nameless viewport beside it.
class FocusProxied : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

QAccessibleInterface* TableInterface(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("TForm1"))
        return new TableFrame(widget);
    if (className == QLatin1String("NewsItem"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // Reached only by plain widgets no other class of Qt's or ours has claimed.
    if (className == QLatin1String("QWidget") && widget->focusProxy() != nullptr)
        return new FocusProxied(widget, QAccessible::Client);
    const QVariant pane = widget->property(kPane);
    if (pane.isValid())
        return new SpokenContainer(widget, QAccessible::Pane, pane.toString());
    return nullptr;
}

} // namespace

void MarkDecorative(QWidget* control) {
    control->setProperty(kDecorative, true);
}

bool IsDecorative(const QObject* object) {
    return object != nullptr && object->property(kDecorative).toBool();
}

void MarkPane(QWidget* container, const QString& name) {
    container->setProperty(kPane, name);
}

void InstallTableAccessibles() {
    static const bool installed = [] {
        QAccessible::installFactory(TableInterface);
        return true;
    }();
    (void)installed;
}

NewsItem::NewsItem(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

SpokenNews::SpokenNews(QWidget* window) : QObject(window) {
    for (size_t i = 0; i < items_.size(); ++i) {
        items_[i] = new NewsItem(window);
        items_[i]->setObjectName(QStringLiteral("News%1").arg(i + 1));
    }
}

// A screen reader speaks a notification as it is shown.
void SpokenNews::Say(const QString& text) {
    if (text.isEmpty())
        return;
    NewsItem* item = items_[next_];
    next_ = (next_ + 1) % items_.size();
    item->hide();
    item->setAccessibleName(text);
    item->show();
    last_ = text;
}
