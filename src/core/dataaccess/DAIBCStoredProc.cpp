#include "core/dataaccess/DAIBCStoredProc.h"

TqovDAStoredProc::TqovDAStoredProc(QObject* AOwner)
    : TFbStoredProc(AOwner, std::make_unique<TqovDASQL>(), std::make_unique<TqovDAStoredProcOptions>()) {
  AutoCommit = false;
}

void TqovDAStoredProc::PrepararSiHaceFalta() {
  if (!Prepared() && Connection()) Prepare();
}

TqovDAParams& TqovDAStoredProc::Params() {
  PrepararSiHaceFalta();
  return Parametros();
}

void TqovDAStoredProc::Execute() {
  PrepararSiHaceFalta();
  TFbStoredProc::Execute();
}

TqovDAParam& TqovDAStoredProc::ParamByName(const QString& AName) {
  PrepararSiHaceFalta();
  return Parametros().ParamByName(AName);
}

TqovDAParam* TqovDAStoredProc::Fields(int Index) const {
  const QVector<TParam*> salidas = Salidas();
  return Index >= 0 && Index < salidas.size() ? static_cast<TqovDAParam*>(salidas[Index]) : nullptr;
}

int TqovDAStoredProc::FieldIndex(const QString& FieldName) const {
  const QVector<TParam*> salidas = Salidas();
  for (int i = 0; i < salidas.size(); ++i)
    if (salidas[i]->Name() == FieldName) return i;
  return -1;
}

int ObtenerCodigoError(const EFbError& AError) { return AError.ErrorNumber(); }

bool EsErrorDeBloqueo(int ACodigo) {
  switch (ACodigo) {
    case 335544336:  // deadlock
    case 335544345:  // lock conflict on a no-wait transaction
    case 335544451:  // update conflict with a concurrent update
    case 335544510:  // lock time-out on a wait transaction
      return true;
    default:
      return false;
  }
}
