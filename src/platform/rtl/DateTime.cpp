#include "platform/rtl/DateTime.h"

#include <cmath>

namespace {
constexpr double MsPorDia = 86400000.0;
const QDate DiaCero(1899, 12, 30);
}  // namespace

TDateTime DateTimeFromQDateTime(const QDateTime& AValue) {
  const double dias = static_cast<double>(DiaCero.daysTo(AValue.date()));
  const double fraccion = AValue.time().msecsSinceStartOfDay() / MsPorDia;
  // Before day zero the fraction still counts forward within the day, away from zero.
  return dias < 0 ? dias - fraccion : dias + fraccion;
}

QDateTime QDateTimeFromDateTime(TDateTime AValue) {
  qint64 dias = static_cast<qint64>(std::trunc(AValue));
  qint64 ms = std::llround(std::fabs(AValue - static_cast<double>(dias)) * MsPorDia);
  if (ms >= static_cast<qint64>(MsPorDia)) {
    ms = 0;
    dias += AValue < 0 ? -1 : 1;
  }
  return QDateTime(DiaCero.addDays(dias), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

std::function<TDateTime()> OnNow;

TDateTime Now() {
  if (OnNow) return OnNow();
  return DateTimeFromQDateTime(QDateTime::currentDateTime());
}
