#include "platform/data/MemRecordLayout.h"

#include <QDateTime>
#include <cstring>
#include <limits>

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/RawBytes.h"

namespace {

// The Julian day of a valid date that fits in 32 bits.
bool DiaJuliano(const QDate& AFecha, qint32& ADia) {
  const qint64 dia = AFecha.toJulianDay();
  if (!AFecha.isValid() || dia < std::numeric_limits<qint32>::min() || dia > std::numeric_limits<qint32>::max())
    return false;
  ADia = static_cast<qint32>(dia);
  return true;
}

bool EsTexto(TFieldType ATipo) { return ATipo == ftString || ATipo == ftFixedChar; }

// A date and time: its day, its milliseconds and whether it is in UTC.
struct Momento {
  qint32 Dia;
  qint32 Ms;
  bool Utc;
};

}  // namespace

TMemRecordLayout::TMemRecordLayout(const std::vector<TFieldDef>& AFieldDefs) {
  for (const TFieldDef& def : AFieldDefs) {
    const int caracteres = EsTexto(def.DataType) ? def.Size : 0;
    FCampos.push_back({def.DataType, caracteres});
    switch (def.DataType) {
      case ftString:
      case ftFixedChar:
        AddSlot(static_cast<int>(sizeof(quint16)) + caracteres * static_cast<int>(sizeof(char16_t)), 2);
        break;
      case ftSmallint:
      case ftInteger:
      case ftWord:
      case ftDate:
      case ftTime:
        AddSlot(4, 4);
        break;
      case ftLargeint:
      case ftFloat:
      case ftBCD:
      case ftCurrency:
        AddSlot(8, 8);
        break;
      case ftBoolean:
        AddSlot(1, 1);
        break;
      case ftDateTime:
        AddSlot(static_cast<int>(sizeof(Momento)), 4);
        break;
      case ftMemo:
      case ftWideMemo:
      case ftBlob:
      case ftUnknown:
        AddSlot(0, 4);
        break;
    }
  }
  Finish();
}

QVariant TMemRecordLayout::Read(int AField, const char* AData) const {
  switch (FCampos[AField].Tipo) {
    case ftString:
    case ftFixedChar:
      return QString(reinterpret_cast<const QChar*>(AData + sizeof(quint16)), ReadRaw<quint16>(AData));
    case ftSmallint:
    case ftInteger:
    case ftWord:
      return ReadRaw<qint32>(AData);
    case ftLargeint:
      return qlonglong{ReadRaw<qint64>(AData)};
    case ftFloat:
    case ftBCD:
    case ftCurrency:
      return ReadRaw<double>(AData);
    case ftBoolean:
      return ReadRaw<bool>(AData);
    case ftDate:
      return QDate::fromJulianDay(ReadRaw<qint32>(AData));
    case ftTime:
      return QTime::fromMSecsSinceStartOfDay(ReadRaw<qint32>(AData));
    case ftDateTime: {
      const auto momento = ReadRaw<Momento>(AData);
      return QDateTime(QDate::fromJulianDay(momento.Dia), QTime::fromMSecsSinceStartOfDay(momento.Ms),
                       momento.Utc ? Qt::UTC : Qt::LocalTime);
    }
    default:
      return {};
  }
}

QString TMemRecordLayout::Text(int AField, const char* AData) const {
  switch (FCampos[AField].Tipo) {
    case ftDate:
      return ShortPatterns().Date.Format(DateTimeParts(DaysFromJulianDay(ReadRaw<qint32>(AData)), 0));
    case ftTime:
      return ShortPatterns().Time.Format(DateTimeParts(0, ReadRaw<qint32>(AData)));
    case ftDateTime: {
      const auto momento = ReadRaw<Momento>(AData);
      return ShortPatterns().DateTime.Format(DateTimeParts(DaysFromJulianDay(momento.Dia), momento.Ms));
    }
    default:
      return TRecordLayout::Text(AField, AData);
  }
}

bool TMemRecordLayout::Write(int AField, char* AData, const QVariant& AValue) const {
  const Campo& campo = FCampos[AField];
  switch (campo.Tipo) {
    case ftString:
    case ftFixedChar: {
      const QString texto = AValue.toString();
      if (texto.size() > campo.Caracteres) return false;
      WriteRaw(AData, static_cast<quint16>(texto.size()));
      std::memcpy(AData + sizeof(quint16), texto.constData(), texto.size() * sizeof(char16_t));
      return true;
    }
    case ftSmallint:
    case ftInteger:
    case ftWord:
      return WriteRaw(AData, static_cast<qint32>(AValue.toInt()));
    case ftLargeint:
      return WriteRaw(AData, static_cast<qint64>(AValue.toLongLong()));
    case ftFloat:
    case ftBCD:
    case ftCurrency:
      return WriteRaw(AData, AValue.toDouble());
    case ftBoolean:
      return WriteRaw(AData, AValue.toBool());
    case ftDate: {
      qint32 dia;
      return DiaJuliano(AValue.toDate(), dia) && WriteRaw(AData, dia);
    }
    case ftTime: {
      const QTime hora = AValue.toTime();
      return hora.isValid() && WriteRaw(AData, static_cast<qint32>(hora.msecsSinceStartOfDay()));
    }
    case ftDateTime: {
      const QDateTime momento = AValue.toDateTime();
      qint32 dia;
      return momento.isValid() && DiaJuliano(momento.date(), dia) &&
             WriteRaw(AData, Momento{dia, momento.time().msecsSinceStartOfDay(), momento.timeSpec() == Qt::UTC});
    }
    default:
      return false;
  }
}
