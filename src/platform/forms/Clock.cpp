#include "platform/forms/Clock.h"

#include <QDeadlineTimer>

std::function<quint32()> OnTickCount;

quint32 GetTickCount() {
  if (OnTickCount) return OnTickCount();
  return static_cast<quint32>(QDeadlineTimer::current(Qt::PreciseTimer).deadline());
}
