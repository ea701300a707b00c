// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt plugin the start-up benchmark loads, from outside, into the game and into the empty
// window program alike, through QT_PLUGIN_PATH and
// QT_QPA_GENERIC_PLUGINS=quelvanefirstframe:<report file>.
//
// It watches the program's top-level windows and notes the steady clock (CLOCK_MONOTONIC, the
// clock the benchmark read just before it started the process) once the first frame of a
// ready window has been painted and handed to the window system, then ends the program. A
// window is ready once it is shown and, for the table, once its start-up has put the card
// sheets in (the start-up hides the status text Label11 then). The report holds
// "first=<ns>" for the first frame of any kind, "ready=<ns>" for the first ready one and
// "peak_kb=<n>", the most memory the process had held by then (VmHWM).
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QGenericPlugin>
#include <QWidget>

#include <time.h>

namespace {

qint64 MonotonicNow() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 PeakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

bool Ready(const QWidget* window) {
    const QWidget* status = window->findChild<QWidget*>(QStringLiteral("Label11"));
    return status == nullptr || status->isHidden();
}

class FirstFrame : public QObject {
  public:
    explicit FirstFrame(const QString& report) : report_(report) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    // A window's paint event comes first in a frame, before its children's; the frame is
    // handed to the window system when the repaint it belongs to returns to the event loop,
    // which is when the queued call runs.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || queued_ || done_)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || !widget->isWindow())
            return false;
        const bool ready = Ready(widget);
        queued_ = true;
        QMetaObject::invokeMethod(
            this, [this, ready] { FrameShown(ready); }, Qt::QueuedConnection);
        return false;
    }

  private:
    void FrameShown(bool ready) {
        queued_ = false;
        const qint64 now = MonotonicNow();
        if (first_ == 0)
            first_ = now;
        if (!ready)
            return;
        done_ = true;
        QFile file(report_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QStringLiteral("first=%1\nready=%2\npeak_kb=%3\n")
                           .arg(first_)
                           .arg(now)
                           .arg(PeakKilobytes())
                           .toUtf8());
        file.close();
        QCoreApplication::exit(0);
    }

    QString report_;
    qint64 first_ = 0;
    bool queued_ = false;
    bool done_ = false;
};

} // namespace

class FirstFramePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_frame_plugin.json")

  public:
    QObject* create(const QString& key, const QString& arguments) override {
        if (key.compare(QLatin1String("quelvanefirstframe"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new FirstFrame(arguments);
    }
};

#include "first_frame_plugin.moc"
