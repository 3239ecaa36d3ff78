#include "core/dataaccess/DAIBCDatabase.h"

#include "core/dataaccess/DAIBCParams.h"
#include "core/util/Utilerias.h"
#include "platform/rtl/FloatFormat.h"

TqovDADatabase::TqovDADatabase(QObject* AOwner)
    : TFbConnection(AOwner, std::make_unique<TqovDAConnectionOptions>(), std::make_unique<TqovDASQL>()) {
  SetLibraryName(QStringLiteral("fbclient.dll"));
  SetUseLoginPrompt(false);
  DataTypeMap().clear();
  DataTypeMap() << TDataTypeRule{TFbValueKind::TextBlob, ftMemo};
}

TqovDATransaction* TqovDADatabase::DefaultTransaction() const {
  return qobject_cast<TqovDATransaction*>(TFbConnection::DefaultTransaction());
}

void TqovDADatabase::SetDefaultTransaction(TqovDATransaction* AValue) { TFbConnection::SetDefaultTransaction(AValue); }

void TqovDADatabase::CloseDataSets() {
  const QList<TDataSet*> dataSets = DataSets();
  for (qsizetype i = dataSets.size() - 1; i >= 0; --i)
    if (dataSets[i]) dataSets[i]->Close();
}

TqovDAParam& TqovDADatabase::ParamByName(const QString& AName) const {
  return static_cast<TqovDASQL&>(Command()).Params().ParamByName(AName);
}

QString TqovDADatabase::FBVersion() { return Attachment().FirebirdVersion(); }

int TqovDADatabase::ODSMajorVersion() { return Attachment().DatabaseInfoInteger(isc_info_ods_version); }

int TqovDADatabase::ODSMinorVersion() { return Attachment().DatabaseInfoInteger(isc_info_ods_minor_version); }

QStringList TqovDADatabase::UserNames() { return Attachment().UserNames(); }

int ParteDeVersionServidor(const QString& AServerVersion, int AIndice) {
  QStringList partes;
  SepararTexto(AServerVersion, QStringLiteral("."), partes);
  if (AIndice >= partes.size()) throw EListError(QStringLiteral("Índice de lista fuera de límites (%1)").arg(AIndice));
  return StrToInt(partes[AIndice]);
}

int TqovDADatabase::ServerRelease() { return ParteDeVersionServidor(ServerVersion(), 2); }

int TqovDADatabase::ServerBuild() { return ParteDeVersionServidor(ServerVersion(), 3); }

TTPBMode TqovDATransaction::TPBMode() const {
  switch (IsolationLevel) {
    case iblReadCommitted:
      return tpbReadCommitted;
    case iblSnapshot:
      return tpbRepeatableRead;
    default:
      return tpbDefault;
  }
}

void TqovDATransaction::SetTPBMode(TTPBMode AValue) {
  switch (AValue) {
    case tpbReadCommitted:
      IsolationLevel = iblReadCommitted;
      break;
    case tpbRepeatableRead:
      IsolationLevel = iblSnapshot;
      break;
    case tpbDefault:
      IsolationLevel = iblCustom;
      break;
  }
}

TqovDADatabase* TqovDATransaction::MainDatabase() const { return qobject_cast<TqovDADatabase*>(Connection()); }
