// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt plugin the install tests load into the installed program, from outside it, through
// QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=quelvanewindowcloser:<look|deal>:<report file>.
// The program itself has no test hook: this object watches its windows from the event loop,
// and once the table is up (with "deal": after START and a first DEAL, once the program
// has written its settings) it writes a report and closes the table, as a player would.
//
// The report holds one "key=value" line each: the working folder, the window title, the saved
// games the options panel lists, and the text of any message box that came up (which it also
// closes, so a start-up error cannot hold the run).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

QWidget* TopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

class WindowCloser : public QObject {
  public:
    WindowCloser(const QString& report, bool deal) : report_(report), deal_(deal) {
        connect(&timer_, &QTimer::timeout, this, &WindowCloser::Look);
        timer_.start(50);
    }

  private:
    enum class Step { WaitForTable, WaitForDealPanel, WaitForSettings, Done };

    // The timer also fires inside the program's own waits; nothing is pressed then, so every
    // press lands as a player's would, between two handlers.
    void Look() {
        CloseMessageBoxes();
        if (QThread::currentThread()->loopLevel() > 1 || step_ == Step::Done)
            return;
        QWidget* table = TopLevel(QStringLiteral("Form1"));
        if (!table || !table->isVisible())
            return;
        switch (step_) {
        case Step::WaitForTable:
            // A start-up that failed shows a box instead of the table: report it at once.
            if (!lines_.isEmpty())
                return Finish(table);
            // The start-up hides the status text once the card sheets are in.
            if (!Child(table, "Label11") || !Child(table, "Label11")->isHidden())
                return;
            if (!deal_)
                return Finish(table);
            Click(table, "Image20"); // START
            step_ = Step::WaitForDealPanel;
            return;
        case Step::WaitForDealPanel:
            if (Child(table, "GroupBox1")->isHidden())
                return;
            Click(table, "ImageDeal");
            step_ = Step::WaitForSettings;
            return;
        case Step::WaitForSettings:
            if (QFile::exists(QStringLiteral("Config.cfg")))
                Finish(table);
            return;
        case Step::Done:
            return;
        }
    }

    static QWidget* Child(QWidget* table, const char* name) {
        return table->findChild<QWidget*>(QString::fromLatin1(name));
    }

    static void Click(QWidget* table, const char* name) {
        QWidget* control = Child(table, name);
        if (control)
            QTest::mouseClick(table->windowHandle(), Qt::LeftButton, {},
                              control->mapTo(table, control->rect().center()));
    }

    void CloseMessageBoxes() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box && box->isVisible()) {
                lines_ << QStringLiteral("message=") + box->text().simplified();
                box->done(QMessageBox::Ok);
            }
        }
    }

    void Finish(QWidget* table) {
        step_ = Step::Done;
        timer_.stop();
        QStringList saved;
        if (const auto* list = table->findChild<QComboBox*>(QStringLiteral("ComboBox2")))
            for (int i = 0; i < list->count(); ++i)
                saved << list->itemText(i);
        lines_.prepend(QStringLiteral("saved=") + saved.join(QLatin1Char(',')));
        // Where the table stands on its screen, in the screen's logical pixels.
        const auto rect = [](const QRect& r) {
            return QStringLiteral("%1,%2,%3,%4")
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height());
        };
        lines_.prepend(QStringLiteral("ratio=") + QString::number(table->devicePixelRatioF()));
        lines_.prepend(QStringLiteral("client=%1x%2").arg(table->width()).arg(table->height()));
        lines_.prepend(QStringLiteral("window=") + rect(table->frameGeometry()));
        if (const QScreen* screen = table->screen())
            lines_.prepend(QStringLiteral("available=") + rect(screen->availableGeometry()));
        lines_.prepend(QStringLiteral("title=") + table->windowTitle());
        lines_.prepend(QStringLiteral("folder=") + QDir::currentPath());
        QFile file(report_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write((lines_.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        file.close();
        table->close();
    }

    QString report_;
    bool deal_;
    QTimer timer_;
    Step step_ = Step::WaitForTable;
    QStringList lines_;
};

} // namespace

class WindowCloserPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "window_closer_plugin.json")

  public:
    QObject* create(const QString& key, const QString& arguments) override {
        if (key.compare(QLatin1String("quelvanewindowcloser"), Qt::CaseInsensitive) != 0)
            return nullptr;
        // Qt splits its list of plugins at commas, so the parts are parted by a colon.
        const qsizetype colon = arguments.indexOf(QLatin1Char(':'));
        return new WindowCloser(arguments.mid(colon + 1),
                                arguments.left(colon) == QLatin1String("deal"));
    }
};

#include "window_closer_plugin.moc"
