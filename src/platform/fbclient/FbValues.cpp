#include "platform/fbclient/FbValues.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/fbclient/FbBlob.h"
#include "platform/fbclient/FbError.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/RawBytes.h"

namespace {

// ISC_DATE counts days from 1858-11-17, whose Julian day is this one; ISC_TIME counts 1/10000 s.
constexpr qint64 JulianDayOfDayZero = 2400001;
constexpr int TimeUnitsPerMs = 10;
// The same day as days after 1899-12-30.
constexpr qint64 DaysOfDayZero = DaysFromJulianDay(JulianDayOfDayZero);
constexpr short CharacterSetOctets = 1;
constexpr short BlobSubTypeText = 1;
// The longest VARCHAR value a parameter can carry.
constexpr qsizetype MaxTextParam = 32765;

constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                  1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

// An integer in a type of its size; false when it is out of the type's range.
template <typename T>
bool WriteInteger(char* AData, qint64 AValue) {
  if (AValue < std::numeric_limits<T>::min() || AValue > std::numeric_limits<T>::max()) return false;
  return WriteRaw(AData, static_cast<T>(AValue));
}

template <typename T>
QByteArray Bytes(const T& AValue) {
  return QByteArray(reinterpret_cast<const char*>(&AValue), sizeof AValue);
}

ISC_DATE EncodeDate(const QDate& ADate) { return static_cast<ISC_DATE>(ADate.toJulianDay() - JulianDayOfDayZero); }

ISC_TIME EncodeTime(const QTime& ATime) { return static_cast<ISC_TIME>(ATime.msecsSinceStartOfDay()) * TimeUnitsPerMs; }

QDate DecodeDate(ISC_DATE ADate) { return QDate::fromJulianDay(ADate + JulianDayOfDayZero); }

QTime DecodeTime(ISC_TIME ATime) { return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ATime / TimeUnitsPerMs)); }

bool IsText(short ASqlType) { return ASqlType == SQL_TEXT || ASqlType == SQL_VARYING; }

TFbValueKind KindOf(short ASqlType, short AScale, short ASubType, const QString& AName) {
  switch (ASqlType) {
    case SQL_TEXT:
      return TFbValueKind::FixedChar;
    case SQL_VARYING:
      return TFbValueKind::String;
    case SQL_SHORT:
      return AScale < 0 ? TFbValueKind::ScaledNumeric : TFbValueKind::SmallInt;
    case SQL_LONG:
      return AScale < 0 ? TFbValueKind::ScaledNumeric : TFbValueKind::Integer;
    case SQL_INT64:
      return AScale < 0 ? TFbValueKind::ScaledNumeric : TFbValueKind::BigInt;
    case SQL_FLOAT:
      return TFbValueKind::Float;
    case SQL_DOUBLE:
      return TFbValueKind::Double;
    case SQL_TYPE_DATE:
      return TFbValueKind::Date;
    case SQL_TYPE_TIME:
      return TFbValueKind::Time;
    case SQL_TIMESTAMP:
      return TFbValueKind::TimeStamp;
    case SQL_BOOLEAN:
      return TFbValueKind::Boolean;
    case SQL_BLOB:
      return ASubType == BlobSubTypeText ? TFbValueKind::TextBlob : TFbValueKind::BinaryBlob;
    case SQL_NULL:
      return TFbValueKind::Null;
  }
  throw EFbError(QStringLiteral("El tipo de dato %1 de '%2' no está soportado.").arg(ASqlType).arg(AName));
}

int PrecisionOf(TFbValueKind AKind, short ASqlType) {
  if (AKind != TFbValueKind::ScaledNumeric) return 0;
  return ASqlType == SQL_SHORT ? 4 : ASqlType == SQL_LONG ? 9 : 18;
}

bool IsNullValue(const QVariant& AValue) {
  switch (AValue.typeId()) {
    case QMetaType::QDate:
      return !AValue.toDate().isValid();
    case QMetaType::QTime:
      return !AValue.toTime().isValid();
    case QMetaType::QDateTime:
      return !AValue.toDateTime().isValid();
    default:
      return AValue.isNull();
  }
}

template <typename T>
TFbInput FixedInput(short ASqlType, const T& AValue) {
  return {false, ASqlType, 0, 0, static_cast<short>(sizeof AValue), Bytes(AValue)};
}

// A VARCHAR value: its length word, then its bytes. A text column keeps the character set the server
// described; for other types the server converts the text.
TFbInput TextInput(const TFbColumn& AColumn, int AIndex, const QByteArray& AText) {
  if (AText.size() > MaxTextParam)
    throw EFbError(QStringLiteral("El valor del parámetro %1 es demasiado largo.").arg(AIndex + 1));
  const auto length = static_cast<short>(AText.size());
  return {false, SQL_VARYING, IsText(AColumn.SqlType) ? AColumn.SubType : short(0), 0, length, Bytes(length) + AText};
}

}  // namespace

TFbColumn DescribeColumn(const XSQLVAR& AVar, const TFbAttachment& AAttachment) {
  TFbColumn column;
  column.Name = AAttachment.DecodeText(AVar.aliasname, AVar.aliasname_length);
  column.Field = AAttachment.DecodeText(AVar.sqlname, AVar.sqlname_length);
  column.Relation = AAttachment.DecodeText(AVar.relname, AVar.relname_length);
  column.SqlType = static_cast<short>(AVar.sqltype & ~1);
  column.SubType = AVar.sqlsubtype;
  column.Scale = AVar.sqlscale;
  column.Length = AVar.sqllen;
  column.Nullable = (AVar.sqltype & 1) != 0;
  // A text blob keeps its character set in the scale.
  column.CharacterSetId = IsText(column.SqlType)       ? static_cast<short>(AVar.sqlsubtype & 0xFF)
                          : column.SqlType == SQL_BLOB ? AVar.sqlscale
                                                       : short(0);
  column.Encoding = AAttachment.EncodingFor(column.CharacterSetId);
  column.Kind = KindOf(column.SqlType, column.Scale, column.SubType, column.Name);
  column.Precision = PrecisionOf(column.Kind, column.SqlType);
  return column;
}

QVariant ReadValue(const TFbColumn& AColumn, const char* AData) {
  switch (AColumn.Kind) {
    case TFbValueKind::FixedChar:
      if (AColumn.CharacterSetId == CharacterSetOctets) return QByteArray(AData, AColumn.Length);
      return DecodeFbText(AData, AColumn.Length, AColumn.Encoding);
    case TFbValueKind::String: {
      const auto length = ReadRaw<short>(AData);
      if (AColumn.CharacterSetId == CharacterSetOctets) return QByteArray(AData + 2, length);
      return DecodeFbText(AData + 2, length, AColumn.Encoding);
    }
    case TFbValueKind::SmallInt:
      return int{ReadRaw<ISC_SHORT>(AData)};
    case TFbValueKind::Integer:
      return int{ReadRaw<ISC_LONG>(AData)};
    case TFbValueKind::BigInt:
      return qlonglong{ReadRaw<ISC_INT64>(AData)};
    case TFbValueKind::ScaledNumeric: {
      const qint64 value = AColumn.SqlType == SQL_SHORT  ? ReadRaw<ISC_SHORT>(AData)
                           : AColumn.SqlType == SQL_LONG ? ReadRaw<ISC_LONG>(AData)
                                                         : ReadRaw<ISC_INT64>(AData);
      const int digits = -AColumn.Scale;
      return static_cast<double>(value) / (digits < 19 ? PowersOfTen[digits] : std::pow(10.0, digits));
    }
    case TFbValueKind::Float:
      return double{ReadRaw<float>(AData)};
    case TFbValueKind::Double:
      return ReadRaw<double>(AData);
    case TFbValueKind::Date:
      return DecodeDate(ReadRaw<ISC_DATE>(AData));
    case TFbValueKind::Time:
      return DecodeTime(ReadRaw<ISC_TIME>(AData));
    case TFbValueKind::TimeStamp: {
      const auto value = ReadRaw<ISC_TIMESTAMP>(AData);
      return QDateTime(DecodeDate(value.timestamp_date), DecodeTime(value.timestamp_time), Qt::UTC);
    }
    case TFbValueKind::Boolean:
      return ReadRaw<FB_BOOLEAN>(AData) != FB_FALSE;
    case TFbValueKind::TextBlob:
    case TFbValueKind::BinaryBlob:
    case TFbValueKind::Null:
      break;
  }
  return {};
}

bool ReadText(const TFbColumn& AColumn, const char* AData, bool ATrimFixedChar, QString& AText) {
  const auto integer = [&AText](qint64 AValue) {
    char digits[24];
    AText = QString::fromLatin1(digits, std::to_chars(digits, digits + sizeof digits, AValue).ptr - digits);
  };
  const auto dateTime = [&AText](const TDateTimePattern& APattern, ISC_DATE ADate, ISC_TIME ATime) {
    AText = APattern.Format(DateTimeParts(DaysOfDayZero + ADate, static_cast<int>(ATime / TimeUnitsPerMs)));
  };
  switch (AColumn.Kind) {
    case TFbValueKind::FixedChar: {
      if (AColumn.CharacterSetId == CharacterSetOctets) return false;
      qsizetype length = AColumn.Length;
      if (ATrimFixedChar)
        while (length > 0 && AData[length - 1] == ' ') --length;
      AText = DecodeFbText(AData, length, AColumn.Encoding);
      return true;
    }
    case TFbValueKind::String:
      if (AColumn.CharacterSetId == CharacterSetOctets) return false;
      AText = DecodeFbText(AData + 2, ReadRaw<short>(AData), AColumn.Encoding);
      return true;
    case TFbValueKind::SmallInt:
      integer(ReadRaw<ISC_SHORT>(AData));
      return true;
    case TFbValueKind::Integer:
      integer(ReadRaw<ISC_LONG>(AData));
      return true;
    case TFbValueKind::BigInt:
      integer(ReadRaw<ISC_INT64>(AData));
      return true;
    case TFbValueKind::ScaledNumeric:
      AText = ScaledToStr(AColumn.SqlType == SQL_SHORT  ? ReadRaw<ISC_SHORT>(AData)
                          : AColumn.SqlType == SQL_LONG ? ReadRaw<ISC_LONG>(AData)
                                                        : ReadRaw<ISC_INT64>(AData),
                          -AColumn.Scale);
      return true;
    case TFbValueKind::Float:
      AText = FloatToStrF(ReadRaw<float>(AData), TFloatFormat::General, 15, 0);
      return true;
    case TFbValueKind::Double:
      AText = FloatToStrF(ReadRaw<double>(AData), TFloatFormat::General, 15, 0);
      return true;
    case TFbValueKind::Date:
      dateTime(ShortPatterns().Date, ReadRaw<ISC_DATE>(AData), 0);
      return true;
    case TFbValueKind::Time:
      dateTime(ShortPatterns().Time, 0, ReadRaw<ISC_TIME>(AData));
      return true;
    case TFbValueKind::TimeStamp: {
      const auto value = ReadRaw<ISC_TIMESTAMP>(AData);
      dateTime(ShortPatterns().DateTime, value.timestamp_date, value.timestamp_time);
      return true;
    }
    case TFbValueKind::Boolean:
      AText = ReadRaw<FB_BOOLEAN>(AData) != FB_FALSE ? QStringLiteral("True") : QStringLiteral("False");
      return true;
    case TFbValueKind::TextBlob:
    case TFbValueKind::BinaryBlob:
    case TFbValueKind::Null:
      break;
  }
  return false;
}

QVariant ReadBlobValue(const TFbColumn& AColumn, const char* AData, TFbTransactionHandle& ATransaction) {
  const QByteArray content = ReadBlob(ATransaction, ReadRaw<ISC_QUAD>(AData));
  if (AColumn.Kind == TFbValueKind::TextBlob)
    return DecodeFbText(content.constData(), content.size(), AColumn.Encoding);
  return content;
}

bool WriteValue(const TFbColumn& AColumn, char* AData, const QVariant& AValue) {
  switch (AColumn.Kind) {
    case TFbValueKind::FixedChar:
    case TFbValueKind::String: {
      const QByteArray text = AColumn.CharacterSetId == CharacterSetOctets
                                  ? AValue.toByteArray()
                                  : EncodeFbText(AValue.toString(), AColumn.Encoding);
      if (text.size() > AColumn.Length) return false;
      if (AColumn.Kind == TFbValueKind::String) {
        WriteRaw(AData, static_cast<short>(text.size()));
        std::memcpy(AData + sizeof(short), text.constData(), text.size());
      } else {
        std::memcpy(AData, text.constData(), text.size());
        std::memset(AData + text.size(), ' ', AColumn.Length - text.size());
      }
      return true;
    }
    case TFbValueKind::SmallInt:
      return WriteInteger<ISC_SHORT>(AData, AValue.toLongLong());
    case TFbValueKind::Integer:
      return WriteInteger<ISC_LONG>(AData, AValue.toLongLong());
    case TFbValueKind::BigInt:
      return WriteInteger<ISC_INT64>(AData, AValue.toLongLong());
    case TFbValueKind::ScaledNumeric: {
      const double scaled = std::round(AValue.toDouble() * std::pow(10.0, -AColumn.Scale));
      if (!(std::fabs(scaled) < 9.2e18)) return false;
      const auto value = static_cast<qint64>(scaled);
      return AColumn.SqlType == SQL_SHORT  ? WriteInteger<ISC_SHORT>(AData, value)
             : AColumn.SqlType == SQL_LONG ? WriteInteger<ISC_LONG>(AData, value)
                                           : WriteInteger<ISC_INT64>(AData, value);
    }
    case TFbValueKind::Float:
      return WriteRaw(AData, static_cast<float>(AValue.toDouble()));
    case TFbValueKind::Double:
      return WriteRaw(AData, AValue.toDouble());
    case TFbValueKind::Date: {
      const QDate date = AValue.toDate();
      return date.isValid() && WriteRaw(AData, EncodeDate(date));
    }
    case TFbValueKind::Time: {
      const QTime time = AValue.toTime();
      return time.isValid() && WriteRaw(AData, EncodeTime(time));
    }
    case TFbValueKind::TimeStamp: {
      const QDateTime value = AValue.toDateTime();
      return value.isValid() && WriteRaw(AData, ISC_TIMESTAMP{EncodeDate(value.date()), EncodeTime(value.time())});
    }
    case TFbValueKind::Boolean:
      return WriteRaw(AData, static_cast<FB_BOOLEAN>(AValue.toBool() ? FB_TRUE : FB_FALSE));
    case TFbValueKind::TextBlob:
    case TFbValueKind::BinaryBlob:
    case TFbValueKind::Null:
      break;
  }
  return false;
}

TFbInput InputFor(const TFbColumn& AColumn, int AIndex, const QVariant& AValue, TFbTransactionHandle& ATransaction) {
  if (IsNullValue(AValue))
    return {true,          AColumn.SqlType, AColumn.SubType,
            AColumn.Scale, AColumn.Length,  QByteArray(AColumn.Length + 2, char(0))};
  if (AColumn.SqlType == SQL_BLOB) {
    const QByteArray content = AValue.typeId() == QMetaType::QByteArray
                                   ? AValue.toByteArray()
                                   : EncodeFbText(AValue.toString(), AColumn.Encoding);
    TFbInput input = FixedInput(SQL_BLOB, CreateBlob(ATransaction, content));
    input.SubType = AColumn.SubType;
    return input;
  }
  switch (AValue.typeId()) {
    case QMetaType::Bool:
      return FixedInput(SQL_BOOLEAN, static_cast<FB_BOOLEAN>(AValue.toBool() ? FB_TRUE : FB_FALSE));
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
      return FixedInput(SQL_LONG, static_cast<ISC_LONG>(AValue.toInt()));
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return FixedInput(SQL_INT64, static_cast<ISC_INT64>(AValue.toLongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
      return FixedInput(SQL_DOUBLE, AValue.toDouble());
    case QMetaType::QDate:
      return FixedInput(SQL_TYPE_DATE, EncodeDate(AValue.toDate()));
    case QMetaType::QTime:
      return FixedInput(SQL_TYPE_TIME, EncodeTime(AValue.toTime()));
    case QMetaType::QDateTime: {
      const QDateTime value = AValue.toDateTime();
      return FixedInput(SQL_TIMESTAMP, ISC_TIMESTAMP{EncodeDate(value.date()), EncodeTime(value.time())});
    }
    case QMetaType::QByteArray:
      return TextInput(AColumn, AIndex, AValue.toByteArray());
  }
  if (!AValue.canConvert<QString>())
    throw EFbError(QStringLiteral("El parámetro %1 tiene un valor de tipo %2, que no se puede enviar.")
                       .arg(AIndex + 1)
                       .arg(QString::fromLatin1(AValue.typeName())));
  const TFbTextEncoding encoding = IsText(AColumn.SqlType) ? AColumn.Encoding : ATransaction.Attachment().Encoding();
  return TextInput(AColumn, AIndex, EncodeFbText(AValue.toString(), encoding));
}
