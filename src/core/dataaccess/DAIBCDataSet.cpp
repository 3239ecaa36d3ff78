#include "core/dataaccess/DAIBCDataSet.h"

TqovDADatasetOptions::TqovDADatasetOptions() {
  SetEmptyStrToNull = true;
  SetFieldsReadOnly = false;
  RequiredFields = false;
  DefaultValues = true;
  StrictUpdate = false;
  AutoPrepare = true;
  QueryRowsAffected = false;
  CacheBlobs = false;
  CacheArrays = false;
  DeferredBlobRead = true;
}

void TqovDADefaultValuesBuffer::GuardaDefaults() {
  if (FDefaultsGuardados) return;
  for (int i = 0; i < FDataset.FieldCount(); ++i) {
    const TField& campo = FDataset.Field(i);
    if (!campo.DefaultExpression().isEmpty())
      FParametros.SetParamValue(campo.FieldName(), campo.DefaultExpression(), QString());
  }
  FDefaultsGuardados = true;
  FSelectSQL = FDataset.SelectSQL().Lines();
}

void TqovDADefaultValuesBuffer::CheckLoadDefaults() {
  if (FDataset.SelectSQL().Lines() != FSelectSQL) {
    FDataset.Options().DefaultValues = true;
    FDefaultsGuardados = false;
    FParametros.Clear(false);
  } else if (FDefaultsGuardados) {
    FDataset.Options().DefaultValues = false;
  }
}

void TqovDADefaultValuesBuffer::LoadDefaults() {
  if (!FDefaultsGuardados) return;
  for (int i = 0; i < FParametros.Count(); ++i)
    if (TField* campo = FDataset.FindField(FParametros.GetParamName(i)))
      campo->SetDefaultExpression(FParametros.GetParamValue(campo->FieldName()));
}

TqovDADataset::TqovDADataset(QObject* AOwner)
    : TFbQuery(AOwner, std::make_unique<TqovDASQL>(), std::make_unique<TqovDADatasetOptions>()),
      FDefaultValuesBuffer(std::make_unique<TqovDADefaultValuesBuffer>(*this)) {
  AutoCommit = false;
}

TqovDADataset::~TqovDADataset() = default;

int TqovDADataset::FieldIndex(const QString& FieldName) const {
  const TField* campo = FindField(FieldName);
  return campo ? campo->Index() : -1;
}

bool TqovDADataset::FieldExist(const QString& FieldName, int& AFieldIndex) const {
  const TField* campo = FindField(FieldName);
  if (!campo) return false;
  AFieldIndex = campo->Index();
  return true;
}

void TqovDADataset::DoAfterOpen() {
  TFbQuery::DoAfterOpen();
  if (DefaultValuesQov) FDefaultValuesBuffer->LoadDefaults();
}

void TqovDADataset::DoAfterPost() {
  if (RefreshAfterPost && !RefreshSQL().Text().trimmed().isEmpty() && Active()) RefreshRecord();
  TFbQuery::DoAfterPost();
}

void TqovDADataset::DoAfterScroll() {
  // The suite's screens expect the filter handler after every move, filtered or not; its answer is
  // not used.
  if (LegacyFilterRecord && OnFilterRecord && RecordCount() > 0) {
    bool aceptar = true;
    OnFilterRecord(*this, aceptar);
  }
  TFbQuery::DoAfterScroll();
}

void TqovDADataset::DoBeforeClose() {
  TFbQuery::DoBeforeClose();
  if (DefaultValuesQov) FDefaultValuesBuffer->GuardaDefaults();
}

void TqovDADataset::DoBeforeOpen() {
  TFbQuery::DoBeforeOpen();
  if (DefaultValuesQov) FDefaultValuesBuffer->CheckLoadDefaults();
}
