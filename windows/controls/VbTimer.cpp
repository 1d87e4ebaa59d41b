#include "windows/controls/VbTimer.h"

VbTimer::VbTimer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &VbTimer::Timer);
}

void VbTimer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    appliquer();
}

void VbTimer::setInterval(int ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    timer_.stop();
    appliquer();
}

void VbTimer::appliquer()
{
    if (enabled_ && interval_ > 0) {
        if (!timer_.isActive())
            timer_.start(interval_);
    } else {
        timer_.stop();
    }
}
