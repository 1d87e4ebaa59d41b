#pragma once
// The current date and time, replaceable by tests.
#include <QDateTime>
#include <functional>

namespace platform {
QDateTime Now();
// Seconds since midnight, single precision, as the draw re-seeds from it.
float Timer();
void setClockHook(std::function<QDateTime()> hook);
} // namespace platform
