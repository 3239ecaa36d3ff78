#include "platform/rtl/VariantConvert.h"

#include "platform/rtl/Exception.h"

qint64 VarToInt64(const QVariant& AValue) {
  if (AValue.isNull()) return 0;
  bool ok = false;
  const qint64 numero = AValue.toLongLong(&ok);
  if (!ok) throw EConvertError(QStringLiteral("'%1' no es un valor entero válido.").arg(AValue.toString()));
  return numero;
}

double VarToFloat(const QVariant& AValue) {
  if (AValue.isNull()) return 0;
  bool ok = false;
  const double numero = AValue.toDouble(&ok);
  if (!ok) throw EConvertError(QStringLiteral("'%1' no es un valor numérico válido.").arg(AValue.toString()));
  return numero;
}

TDateTime VarToDateTime(const QVariant& AValue) {
  switch (AValue.typeId()) {
    case QMetaType::QDateTime:
      return DateTimeFromQDateTime(AValue.toDateTime());
    case QMetaType::QDate:
      return DateTimeFromDate(AValue.toDate());
    case QMetaType::QTime:
      return AValue.toTime().msecsSinceStartOfDay() / 86400000.0;
    default:
      return VarToFloat(AValue);
  }
}
