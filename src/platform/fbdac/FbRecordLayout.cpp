#include "platform/fbdac/FbRecordLayout.h"

TFbRecordLayout::TFbRecordLayout(const QVector<TFbColumn>& AColumns, int AMessageSize,
                                 const QVector<TFieldType>& ATypes)
    : FColumns(AColumns), FTypes(ATypes) {
  QVector<TFieldSlot> lugares;
  for (const TFbColumn& column : AColumns) lugares.append({column.Offset, column.NullOffset, column.IsBlob()});
  SetSlots(lugares, AMessageSize);
}

QVariant TFbRecordLayout::Read(int AField, const char* AData) const {
  QVariant valor = ReadValue(FColumns[AField], AData);
  return FTypes[AField] == ftFixedChar ? ValorDeCampo(ftFixedChar, valor) : valor;
}

QString TFbRecordLayout::Text(int AField, const char* AData) const {
  QString texto;
  if (ReadText(FColumns[AField], AData, FTypes[AField] == ftFixedChar, texto)) return texto;
  return TRecordLayout::Text(AField, AData);
}

bool TFbRecordLayout::Write(int AField, char* AData, const QVariant& AValue) const {
  return WriteValue(FColumns[AField], AData, AValue);
}

QVariant ValorDeCampo(TFieldType AType, const QVariant& AValue) {
  if (AType != ftFixedChar || AValue.isNull()) return AValue;
  QString texto = AValue.toString();
  qsizetype fin = texto.size();
  while (fin > 0 && texto[fin - 1] == QLatin1Char(' ')) --fin;
  texto.truncate(fin);
  return texto;
}
