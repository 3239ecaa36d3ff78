#include "platform/data/ClientDataSet.h"

TDataPacket TDataSetProvider::GetRecords() {
  if (!FDataSet) throw EDatabaseError(QStringLiteral("El proveedor '%1' no tiene conjunto de datos.").arg(Name()));
  TDataPacket paquete;
  for (int i = 0; i < FDataSet->FieldCount(); ++i) {
    const TField& campo = FDataSet->Field(i);
    paquete.FieldDefs.push_back({campo.FieldName(), campo.DataType(), campo.Size()});
  }
  for (FDataSet->First(); !FDataSet->Eof(); FDataSet->Next()) {
    QVector<QVariant> fila;
    for (int i = 0; i < FDataSet->FieldCount(); ++i) fila << FDataSet->Field(i).Value();
    paquete.Rows.push_back(std::move(fila));
  }
  return paquete;
}

void TClientDataSet::SetProvider(TDataSetProvider* AValue) {
  FProvider = AValue;
  FProviderName = AValue ? AValue->Name() : QString();
}

void TClientDataSet::SetProviderName(const QString& AValue) {
  if (FProvider && FProvider->Name() != AValue) FProvider = nullptr;
  FProviderName = AValue;
}

void TClientDataSet::InternalOpen() {
  if (!FProvider) return;
  TDataPacket paquete = FProvider->GetRecords();
  FieldDefs() = std::move(paquete.FieldDefs);
  for (QVector<QVariant>& fila : paquete.Rows) AppendRow(std::move(fila));
}
