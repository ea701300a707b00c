#include "table/pacer.h"

#include <QEventLoop>
#include <QTimer>

void RealPacer::Pause(int ms) {
    if (window_)
        window_->repaint();
    Sleep(ms);
}

void RealPacer::Sleep(int ms) {
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
