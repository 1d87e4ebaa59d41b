#pragma once
// A timer that behaves as the windows' timers always did: switching on a running timer leaves
// its phase alone, and the handler is connected explicitly.
#include <QObject>
#include <QTimer>

class VbTimer : public QObject {
    Q_OBJECT
public:
    explicit VbTimer(QObject* parent = nullptr);
    bool Enabled() const { return enabled_; }
    // Whether the clock underneath runs: a disabled timer must never tick.
    bool Actif() const { return timer_.isActive(); }
    void setEnabled(bool on);
    int Interval() const { return interval_; }
    // A new interval restarts a running timer's count; the same interval changes nothing.
    void setInterval(int ms);
signals:
    void Timer();

private:
    void appliquer();
    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 0;
};
