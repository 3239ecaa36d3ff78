#include "platform/data/ClientDataSet.h"

TDataPacket TDataSetProvider::GetRecords() {
  if (!FDataSet) throw EDatabaseError(QStringLiteral("El proveedor '%1' no tiene conjunto de datos.").arg(Name()));
  TDataPacket paquete;
  paquete.Records = FDataSet->ShareRecords();
  for (int i = 0; i < FDataSet->FieldCount(); ++i) {
    const TField& campo = FDataSet->Field(i);
    paquete.FieldDefs.push_back({campo.FieldName(), campo.DataType(), campo.Size()});
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
  SetRecords(std::move(paquete.Records));
}
