#include "platform/clock.h"

namespace platform {
namespace {
std::function<QDateTime()> hook;
}

void setClockHook(std::function<QDateTime()> h) { hook = std::move(h); }

QDateTime Now() { return hook ? hook() : QDateTime::currentDateTime(); }

float Timer()
{
    const QTime t = Now().time();
    return static_cast<float>(t.msecsSinceStartOfDay()) / 1000.0f;
}
} // namespace platform
