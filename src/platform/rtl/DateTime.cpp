#include "platform/rtl/DateTime.h"

#include <cmath>

namespace {
constexpr double MsPorDia = 86400000.0;
constexpr int MsPorHora = 3600000;
constexpr int MsPorMinuto = 60000;
const QDate DiaCero(1899, 12, 30);

// A TDateTime as whole days and the milliseconds of the day, rounded to the nearest millisecond.
void Separar(TDateTime AValue, qint64& ADias, qint64& AMs) {
  ADias = static_cast<qint64>(std::trunc(AValue));
  AMs = std::llround(std::fabs(AValue - static_cast<double>(ADias)) * MsPorDia);
  if (AMs >= static_cast<qint64>(MsPorDia)) {
    AMs = 0;
    ADias += AValue < 0 ? -1 : 1;
  }
}
}  // namespace

TDateTime DateTimeFromQDateTime(const QDateTime& AValue) {
  const double dias = static_cast<double>(DiaCero.daysTo(AValue.date()));
  const double fraccion = AValue.time().msecsSinceStartOfDay() / MsPorDia;
  // Before day zero the fraction still counts forward within the day, away from zero.
  return dias < 0 ? dias - fraccion : dias + fraccion;
}

QDateTime QDateTimeFromDateTime(TDateTime AValue) {
  qint64 dias, ms;
  Separar(AValue, dias, ms);
  return QDateTime(DiaCero.addDays(dias), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

TDateTime DateTimeFromDate(const QDate& AValue) { return static_cast<double>(DiaCero.daysTo(AValue)); }

std::function<TDateTime()> OnNow;

TDateTime Now() {
  if (OnNow) return OnNow();
  return DateTimeFromQDateTime(QDateTime::currentDateTime());
}

TDateTimeParts DateTimeParts(qint64 ADays, int AMilliseconds) {
  // Days since 0000-03-01 in eras of 400 years, each of 146097 days, with the leap day at the end of a
  // year that begins in March.
  const qint64 dias = ADays + 693899;
  const qint64 era = (dias >= 0 ? dias : dias - 146096) / 146097;
  const qint64 diaDeEra = dias - era * 146097;
  const qint64 anoDeEra = (diaDeEra - diaDeEra / 1460 + diaDeEra / 36524 - diaDeEra / 146096) / 365;
  const qint64 diaDelAno = diaDeEra - (365 * anoDeEra + anoDeEra / 4 - anoDeEra / 100);
  const qint64 mesDesdeMarzo = (5 * diaDelAno + 2) / 153;
  TDateTimeParts partes;
  partes.Day = static_cast<int>(diaDelAno - (153 * mesDesdeMarzo + 2) / 5 + 1);
  partes.Month = static_cast<int>(mesDesdeMarzo < 10 ? mesDesdeMarzo + 3 : mesDesdeMarzo - 9);
  qint64 ano = anoDeEra + era * 400 + (partes.Month <= 2 ? 1 : 0);
  if (ano <= 0) --ano;
  partes.Year = static_cast<int>(ano);
  partes.Hour = AMilliseconds / MsPorHora;
  partes.Minute = AMilliseconds % MsPorHora / MsPorMinuto;
  partes.Second = AMilliseconds % MsPorMinuto / 1000;
  return partes;
}

TDateTimeParts DecodeDateTime(TDateTime AValue) {
  qint64 dias, ms;
  Separar(AValue, dias, ms);
  return DateTimeParts(dias, static_cast<int>(ms));
}
