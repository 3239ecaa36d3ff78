#include "platform/data/Params.h"

#include "platform/rtl/VariantConvert.h"

TParam::TParam(const QString& AName, TParamType AParamType) : FName(AName), FParamType(AParamType) {}

void TParam::SetValue(const QVariant& AValue) {
  FValue = AValue;
  if (FDataType != ftUnknown || AValue.isNull()) return;
  switch (AValue.typeId()) {
    case QMetaType::QString:
      FDataType = ftString;
      break;
    case QMetaType::Int:
      FDataType = ftInteger;
      break;
    case QMetaType::LongLong:
      FDataType = ftLargeint;
      break;
    case QMetaType::Double:
      FDataType = ftFloat;
      break;
    case QMetaType::Bool:
      FDataType = ftBoolean;
      break;
    case QMetaType::QDate:
      FDataType = ftDate;
      break;
    case QMetaType::QTime:
      FDataType = ftTime;
      break;
    case QMetaType::QDateTime:
      FDataType = ftDateTime;
      break;
    case QMetaType::QByteArray:
      FDataType = ftBlob;
      break;
    default:
      break;
  }
}

void TParam::Asignar(TFieldType ADataType, const QVariant& AValue) {
  FDataType = ADataType;
  FValue = AValue;
}

QString TParam::AsString() const {
  if (FValue.typeId() == QMetaType::QByteArray) return QString::fromLatin1(FValue.toByteArray());
  return FValue.toString();
}

qint64 TParam::AsLargeInt() const { return VarToInt64(FValue); }

double TParam::AsFloat() const { return VarToFloat(FValue); }

TDateTime TParam::AsDateTime() const { return VarToDateTime(FValue); }

void TParam::SetAsDate(TDateTime AValue) { Asignar(ftDate, QDateTimeFromDateTime(AValue).date()); }

void TParam::SetAsDateTime(TDateTime AValue) { Asignar(ftDateTime, QDateTimeFromDateTime(AValue)); }

void TParam::AssignValue(const TParam& AOther) {
  FDataType = AOther.FDataType;
  FValue = AOther.FValue;
}

TParam& TParams::Items(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count())
    throw EListError(QStringLiteral("Índice de lista fuera de límites (%1)").arg(AIndex));
  return *FItems[AIndex];
}

void TParams::SetItem(int AIndex, const TParam& AValue) {
  TParam& item = Items(AIndex);
  item.SetName(AValue.Name());
  item.SetParamType(AValue.ParamType());
  item.AssignValue(AValue);
}

TParam* TParams::FindParam(const QString& AName) const {
  for (const auto& item : FItems)
    if (item->Name().compare(AName, Qt::CaseInsensitive) == 0) return item.get();
  return nullptr;
}

TParam& TParams::ParamByName(const QString& AName) const {
  TParam* param = FindParam(AName);
  if (!param) throw EDatabaseError(QStringLiteral("Parámetro '%1' no encontrado.").arg(AName));
  return *param;
}

TParam& TParams::Add(const QString& AName, TParamType AParamType) {
  FItems.push_back(CreateItem());
  TParam& item = *FItems.back();
  item.SetName(AName);
  item.SetParamType(AParamType);
  return item;
}

void TParams::AssignValues(const TParams& AOther) {
  for (const auto& otro : AOther.FItems)
    if (TParam* propio = FindParam(otro->Name())) propio->AssignValue(*otro);
}
